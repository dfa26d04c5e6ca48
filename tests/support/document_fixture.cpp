#include "support/document_fixture.h"

#include "controls/explbtn.h"
#include "document/trecode.h"

#include <QTabWidget>
#include <QTest>
#include <QTextBlock>
#include <gtest/gtest.h>

std::unique_ptr<THTML> makeDocument(const QString &text, int line, int column)
{
    auto document = std::make_unique<THTML>();
    document->RichEdit->setPlainText(text);
    document->RichEdit->setCaret(line, column);
    document->setModified(false);
    return document;
}

QString documentText(const THTML &document)
{
    QStringList lines;
    for (QTextBlock block = document.RichEdit->document()->begin(); block.isValid();
         block = block.next())
        lines.append(block.text());
    return lines.join(QLatin1Char('\n'));
}

void clickTagButton(THTML &document, const char *name)
{
    auto *button = document.findChild<TExplorerButton *>(QLatin1String(name));
    ASSERT_NE(button, nullptr) << name;
    document.PageControl1->setCurrentWidget(button->parentWidget());
    QTest::mouseClick(button, Qt::LeftButton);
}

void DocumentTest::open(const QString &text, int line, int column)
{
    document = makeDocument(text, line, column);
    document->show();
}

void DocumentTest::TearDown()
{
    if (document)
        document->approveClose();
    document.reset();
    expectDriverFinished(driver);
}
