#include "controls/std_dialog.h"

#include "controls/dialog_rows.h"
#include "controls/message_box.h"

#include <QAbstractSpinBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

void setUpFixedDialog(QDialog &dialog, const QString &objectName, const QString &caption)
{
    dialog.setObjectName(objectName);
    dialog.setWindowTitle(caption);
    dialog.setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint);
}

void centreOnScreen(QWidget &window)
{
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        window.move(screen->availableGeometry().center() - window.rect().center());
}

void fixAndCentre(QDialog &dialog)
{
    dialog.setFixedSize(dialog.sizeHint());
    centreOnScreen(dialog);
}

TStdDialog::TStdDialog(const QString &objectName, const QString &caption, QWidget *parent)
    : QDialog(parent)
{
    setUpFixedDialog(*this, objectName, caption);

    auto *outer = new QVBoxLayout(this);
    m_body = new QVBoxLayout;
    outer->addLayout(m_body);
    outer->addStretch(1);

    bbOK = newButton<QPushButton>(this, "bbOK", QStringLiteral("OK"));
    bbOK->setDefault(true);
    bbCancel = newButton<QPushButton>(this, "bbCancel", QStringLiteral("Cancel"));
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(bbOK);
    buttons->addWidget(bbCancel);
    outer->addLayout(buttons);

    connect(bbOK, &QPushButton::clicked, this, [this] {
        if (bbOKClick())
            accept();
    });
    connect(bbCancel, &QPushButton::clicked, this, &QDialog::reject);
}

int TStdDialog::ShowModal()
{
    return exec() == QDialog::Accepted ? mrOk : mrCancel;
}

void TStdDialog::allowResizing()
{
    m_resizable = true;
    setWindowFlag(Qt::MSWindowsFixedSizeDialogHint, false);
    // The controls take the room gained, not the gap above the buttons.
    auto *outer = static_cast<QBoxLayout *>(layout());
    outer->setStretch(0, 1);
    outer->setStretch(1, 0);
}

void TStdDialog::showEvent(QShowEvent *event)
{
    if (m_resizable) {
        setMinimumSize(sizeHint());
        centreOnScreen(*this);
    } else {
        fixAndCentre(*this);
    }
    focusFirstField();
    QDialog::showEvent(event);
}

void TStdDialog::focusFirstField()
{
    QWidget *field = focusWidget(); // a field the dialog chose itself
    if (field == bbOK || field == bbCancel)
        field = nullptr;
    // The buttons were made before the fields, so they lead the focus chain.
    for (QWidget *next = nextInFocusChain(); !field && next != this;
         next = next->nextInFocusChain()) {
        if (next != bbOK && next != bbCancel && next->isEnabled() && next->isVisibleTo(this) &&
            (next->focusPolicy() & Qt::TabFocus))
            field = next;
    }
    if (!field)
        return;
    field->setFocus(Qt::TabFocusReason);
    // Typing replaces the default rather than adding to it.
    if (auto *edit = qobject_cast<QLineEdit *>(field))
        edit->selectAll();
    else if (auto *spin = qobject_cast<QAbstractSpinBox *>(field))
        spin->selectAll();
}
