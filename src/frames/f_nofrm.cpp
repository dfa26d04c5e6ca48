#include "frames/f_nofrm.h"

#include "controls/dialog_rows.h"
#include "frames/frames_markup.h"

#include <QBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QTextBlock>

TNoFrames::TNoFrames(QWidget *parent)
    : TStdDialog(QStringLiteral("NoFrames"), QStringLiteral("NoFrames"), parent)
{
    Label1 = new QLabel(QStringLiteral("&NoFrames - Message :"), this);
    nameControl(Label1, "Label1");
    mMessage = new QPlainTextEdit(noFramesMessage().join(QLatin1Char('\n')), this);
    nameControl(mMessage, "mMessage", Label1->text());
    mMessage->setLineWrapMode(QPlainTextEdit::NoWrap);
    mMessage->setMinimumSize(charsWide(*mMessage, 60), mMessage->fontMetrics().height() * 8);
    Label1->setBuddy(mMessage);
    body()->addWidget(Label1);
    body()->addWidget(mMessage, 1);
    allowResizing();
}

QStringList TNoFrames::MessageLines() const
{
    // Block by block: the plain-text form would turn non-breaking spaces into blanks.
    QStringList lines;
    for (QTextBlock block = mMessage->document()->begin(); block.isValid(); block = block.next())
        lines.append(block.text());
    return lines;
}
