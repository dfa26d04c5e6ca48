#include "forms/f_field.h"

#include "controls/dialog_rows.h"
#include "controls/updown.h"

#include <QBoxLayout>
#include <QHeaderView>
#include <QLineEdit>
#include <QTableWidget>

#include <initializer_list>

namespace {

struct Box {
    const char *caption;
    const char *name;
    QString FieldValues::*value;
};

struct Shape {
    FormField field;
    const char *name;
    const char *caption;
    std::initializer_list<Box> boxes;
    // The drop-down: a row count from 1 to 10 below the boxes, and a grid of that many options.
    bool options = false;
    // Opens at a fixed place on the screen instead of centred.
    bool fixedPosition = false;
};

using V = FieldValues;
const Box Name{"&Name :", "eName", &V::name};
const Box Value{"&Value :", "eValue", &V::value};

const Shape Shapes[] = {
    {FormField::TextBox,
     "QFTB",
     "QuickForm - Text box",
     {Name,
      Value,
      {"&Size :", "eSize", &V::size},
      {"&Max. Length :", "eMaxLength", &V::maxLength}}},
    {.field = FormField::HiddenText,
     .name = "QFHT",
     .caption = "QuickForm - Hidden Text",
     .boxes = {{"&Name : ", "eName", &V::name}, {"&Value : ", "eValue", &V::value}},
     .fixedPosition = true},
    {FormField::TextArea,
     "QFTA",
     "QuickForm - Text Area",
     {{"&Name : ", "eName", &V::name},
      {"&Rows :", "eRows", &V::rows},
      {"&Cols :", "eCols", &V::cols}}},
    {FormField::CheckBox, "QFCB", "QuickForm - Checkbox", {Name, Value}},
    {FormField::RadioButton, "QFRB", "QuickForm - Radiobutton", {Name, Value}},
    {.field = FormField::DropDown,
     .name = "QFDD",
     .caption = "QuickForm - Dropdown list",
     .boxes = {Name},
     .options = true},
    {FormField::Submit, "QFSUB", "QuickForm - Submit button", {Name, Value}},
    {FormField::Reset, "QFRES", "QuickForm - Reset button", {Name, Value}},
};

const Shape &shapeOf(FormField field)
{
    for (const Shape &shape : Shapes) {
        if (shape.field == field)
            return shape;
    }
    Q_UNREACHABLE();
}

// Where the hidden-text dialog always opens.
const QPoint FixedPosition(357, 197);

} // namespace

TFieldDialog::TFieldDialog(FormField field, QWidget *parent)
    : TStdDialog(QLatin1String(shapeOf(field).name), QString::fromUtf8(shapeOf(field).caption),
                 parent)
{
    const Shape &shape = shapeOf(field);
    m_fixedPosition = shape.fixedPosition;
    DialogRows rows(this);
    for (const Box &box : shape.boxes) {
        QLineEdit *edit = rows.edit(QString::fromUtf8(box.caption), box.name);
        edit->setMinimumWidth(charsWide(*edit, 24));
        m_boxes.emplace_back(edit, box.value);
    }
    if (shape.options) {
        udRows = new TUpDown(QStringLiteral("udRows"), QStringLiteral("eRows"),
                             {1, 10, 1, 1, false, true}, this);
        rows.labelled(QStringLiteral("&Rows :"), udRows, nullptr, 1);
    }
    body()->addLayout(rows.layout());
    if (shape.options)
        addOptions(body());
}

void TFieldDialog::addOptions(QBoxLayout *body)
{
    sgOptions = new QTableWidget(1, 1, this);
    sgOptions->setObjectName(QStringLiteral("sgOptions"));
    sgOptions->setAccessibleName(QStringLiteral("Options"));
    sgOptions->horizontalHeader()->hide();
    sgOptions->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    // The row numbers are the handles by which the user resizes a row.
    sgOptions->verticalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    sgOptions->setEditTriggers(QAbstractItemView::AllEditTriggers);
    sgOptions->setTabKeyNavigation(false);
    sgOptions->setMinimumHeight(sgOptions->verticalHeader()->defaultSectionSize() * 6);
    body->addWidget(sgOptions);
    connect(udRows->edit(), &QLineEdit::textChanged, this, &TFieldDialog::RowsChange);
}

void TFieldDialog::RowsChange()
{
    sgOptions->setRowCount(udRows->text().toInt());
}

bool TFieldDialog::bbOKClick()
{
    for (const auto &[edit, value] : m_boxes)
        Values.*value = edit->text();
    if (sgOptions) {
        for (int row = 0; row < sgOptions->rowCount(); ++row) {
            const QTableWidgetItem *cell = sgOptions->item(row, 0);
            Values.options << (cell ? cell->text() : QString());
        }
    }
    return true;
}

void TFieldDialog::showEvent(QShowEvent *event)
{
    TStdDialog::showEvent(event);
    if (m_fixedPosition)
        move(FixedPosition);
}
