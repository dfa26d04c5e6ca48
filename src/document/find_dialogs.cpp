#include "document/find_dialogs.h"

#include "controls/dialog_rows.h"
#include "controls/std_dialog.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

TFindDialog::TFindDialog(QWidget *parent)
    : TFindDialog(QStringLiteral("FindDialog1"), QStringLiteral("Find"), parent)
{
    enableButtons();
}

TFindDialog::TFindDialog(const QString &objectName, const QString &caption, QWidget *parent)
    : QDialog(parent), m_fields(this)
{
    setUpFixedDialog(*this, objectName, caption);
    setModal(false);

    eFindText = m_fields.edit(QStringLiteral("Fi&nd what:"), "eFindText");
    eFindText->setMinimumWidth(200);

    DialogRows checks(this);
    cbWholeWord = checks.checkBox("cbWholeWord", QStringLiteral("Match &whole word only"));
    cbMatchCase = checks.checkBox("cbMatchCase", QStringLiteral("Match &case"));

    auto *direction = new QGroupBox(QStringLiteral("Direction"), this);
    nameControl(direction, "gbDirection");
    rbUp = newButton<QRadioButton>(direction, "rbUp", QStringLiteral("&Up"));
    rbDown = newButton<QRadioButton>(direction, "rbDown", QStringLiteral("&Down"));
    rbDown->setChecked(true);
    auto *directions = new QHBoxLayout(direction);
    directions->addWidget(rbUp);
    directions->addWidget(rbDown);

    auto *options = new QHBoxLayout;
    options->addLayout(checks.layout());
    options->setAlignment(checks.layout(), Qt::AlignBottom);
    options->addStretch(1);
    options->addWidget(direction);

    auto *left = new QVBoxLayout;
    left->addLayout(m_fields.layout());
    left->addLayout(options);

    bbFindNext = newButton<QPushButton>(this, "bbFindNext", QStringLiteral("&Find Next"));
    bbFindNext->setDefault(true);
    bbCancel = newButton<QPushButton>(this, "bbCancel", QStringLiteral("Cancel"));
    m_buttons = new QVBoxLayout;
    m_buttons->addWidget(bbFindNext);
    m_buttons->addWidget(bbCancel);
    m_buttons->addStretch(1);

    auto *outer = new QHBoxLayout(this);
    outer->addLayout(left, 1);
    outer->addLayout(m_buttons);
    outer->setSizeConstraint(QLayout::SetFixedSize);

    connect(eFindText, &QLineEdit::textChanged, this, [this] { enableButtons(); });
    connect(bbFindNext, &QPushButton::clicked, this, &TFindDialog::OnFind);
    connect(bbCancel, &QPushButton::clicked, this, &QDialog::reject);
}

QPushButton *TFindDialog::addButton(const char *objectName, const QString &caption)
{
    auto *button = newButton<QPushButton>(this, objectName, caption);
    m_buttons->insertWidget(m_buttons->indexOf(bbCancel), button);
    return button;
}

void TFindDialog::enableButtons()
{
    bbFindNext->setEnabled(!eFindText->text().isEmpty());
}

void TFindDialog::Execute()
{
    show();
    raise();
    activateWindow();
    eFindText->setFocus();
    eFindText->selectAll();
}

QString TFindDialog::FindText() const
{
    return eFindText->text();
}

FindOptions TFindDialog::Options() const
{
    return {rbDown->isChecked(), cbMatchCase->isChecked(), cbWholeWord->isChecked()};
}

TReplaceDialog::TReplaceDialog(QWidget *parent)
    : TFindDialog(QStringLiteral("ReplaceDialog1"), QStringLiteral("Replace"), parent)
{
    eReplaceText = fields().edit(QStringLiteral("Re&place with:"), "eReplaceText");
    eReplaceText->setMinimumWidth(200);
    // It is made after the buttons; Tab must still reach it right after the search text.
    setTabOrder(eFindText, eReplaceText);
    bbReplace = addButton("bbReplace", QStringLiteral("&Replace"));
    bbReplaceAll = addButton("bbReplaceAll", QStringLiteral("Replace &All"));
    connect(bbReplace, &QPushButton::clicked, this, [this] { replacePressed(false); });
    connect(bbReplaceAll, &QPushButton::clicked, this, [this] { replacePressed(true); });
    enableButtons();
}

QString TReplaceDialog::ReplaceText() const
{
    return eReplaceText->text();
}

void TReplaceDialog::enableButtons()
{
    TFindDialog::enableButtons();
    bbReplace->setEnabled(bbFindNext->isEnabled());
    bbReplaceAll->setEnabled(bbFindNext->isEnabled());
}

void TReplaceDialog::replacePressed(bool all)
{
    m_replaceAll = all;
    emit OnReplace();
    m_replaceAll = false;
}
