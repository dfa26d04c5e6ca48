#include "forms/f_quform.h"

#include "controls/dialog_rows.h"
#include "controls/glyphs.h"
#include "controls/message_box.h"
#include "forms/f_field.h"

#include <QBoxLayout>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

namespace {

struct Item {
    const char *caption;
    void (TQuickForm::*build)();
};

// The kinds as cbItems lists them; an entry's position picks its builder.
const Item Items[] = {
    {"text box", &TQuickForm::AddTextBox},         {"hidden text", &TQuickForm::AddHiddenText},
    {"text area", &TQuickForm::AddTextArea},       {"checkbox", &TQuickForm::AddCheckBox},
    {"radio-button", &TQuickForm::AddRadioButton}, {"drop-down list", &TQuickForm::AddDropDown},
    {"submit-button", &TQuickForm::AddSubmit},     {"reset-button", &TQuickForm::AddReset},
};

} // namespace

TQuickForm::TQuickForm(QWidget *parent)
    : TStdDialog(QStringLiteral("QuickForm"), QStringLiteral("QuickForm"), parent)
{
    Label1 = new QLabel(QStringLiteral("Choose an item to insert :"), this);
    nameControl(Label1, "Label1");
    Label2 = new QLabel(QStringLiteral("(max. 20 items)"), this);
    nameControl(Label2, "Label2");
    QFont small = Label2->font();
    small.setPointSizeF(small.pointSizeF() * 0.85);
    Label2->setFont(small);
    auto *labels = new QHBoxLayout;
    labels->addWidget(Label1);
    labels->addWidget(Label2);
    labels->addStretch(1);
    body()->addLayout(labels);

    QStringList kinds;
    for (const Item &item : Items)
        kinds << QString::fromUtf8(item.caption);
    cbItems = newFreeCombo(this, "cbItems", kinds);
    nameControl(cbItems, nullptr, Label1->text());
    Label1->setBuddy(cbItems);
    bbInsert = newButton<QPushButton>(this, "bbInsert", QStringLiteral("&Insert"));
    bbInsert->setIcon(glyphIcon(Glyph::Insert));
    auto *choice = new QHBoxLayout;
    choice->addWidget(cbItems, 1);
    choice->addWidget(bbInsert);
    body()->addLayout(choice);

    lbItems = new QListWidget(this);
    nameControl(lbItems, "lbItems", QStringLiteral("Items"));
    QFont fixed(QStringLiteral("Courier New"), 8);
    fixed.setStyleHint(QFont::TypeWriter);
    lbItems->setFont(fixed);
    lbItems->setMinimumSize(charsWide(*lbItems, 64), lbItems->fontMetrics().lineSpacing() * 16);
    body()->addWidget(lbItems);

    connect(bbInsert, &QPushButton::clicked, this, &TQuickForm::InsertClick);
}

void TQuickForm::InsertClick()
{
    // A typed text counts only when it is one of the kinds.
    const int index = cbItems->findText(cbItems->currentText());
    if (index < 0) {
        ShowError(this, QStringLiteral("No item selected !!"));
        return;
    }
    (this->*Items[index].build)();
}

void TQuickForm::addField(FormField field)
{
    TFieldDialog dialog(field, this);
    if (dialog.ShowModal() == mrOk)
        lbItems->addItems(fieldLines(field, dialog.Values, ResetWord::Capitalised));
}

void TQuickForm::AddTextBox()
{
    addField(FormField::TextBox);
}

void TQuickForm::AddHiddenText()
{
    addField(FormField::HiddenText);
}

void TQuickForm::AddTextArea()
{
    addField(FormField::TextArea);
}

void TQuickForm::AddCheckBox()
{
    addField(FormField::CheckBox);
}

void TQuickForm::AddRadioButton()
{
    addField(FormField::RadioButton);
}

void TQuickForm::AddDropDown()
{
    addField(FormField::DropDown);
}

void TQuickForm::AddSubmit()
{
    addField(FormField::Submit);
}

void TQuickForm::AddReset()
{
    addField(FormField::Reset);
}

QStringList TQuickForm::Lines() const
{
    QStringList lines;
    for (int row = 0; row < lbItems->count(); ++row)
        lines << lbItems->item(row)->text();
    return lines;
}
