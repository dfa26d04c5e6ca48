#pragma once

#include <QString>
#include <QStringList>

struct FormHeaderValues {
    QString action;
    QString method;
    QString enctype;
};

// "<FORM ACTION="{action}" METHOD="{method}" ENCTYPE="{enctype}">": the start of a form.
QString formStartLine(const FormHeaderValues &values);
// The start line closed at once by "</FORM>": a complete, empty form on one line.
QString formHeaderLine(const FormHeaderValues &values);

// The field kinds in the order QuickForm offers them.
enum class FormField {
    TextBox,
    HiddenText,
    TextArea,
    CheckBox,
    RadioButton,
    DropDown,
    Submit,
    Reset
};

// What the field dialogs hold; each kind reads only its own boxes, the others stay empty.
struct FieldValues {
    QString name{};
    QString value{};
    QString size{};
    QString maxLength{};
    QString rows{};
    QString cols{};
    QStringList options{};
};

// The reset button's type word: "RESET" from its own button, "Reset" in a QuickForm list.
enum class ResetWord { Upper, Capitalised };

// The element's lines: one, or for the drop-down the SELECT line, an option line per option and
// the closing line. Values go in as typed; NAME and VALUE are quoted, counts are bare.
QStringList fieldLines(FormField field, const FieldValues &values,
                       ResetWord reset = ResetWord::Upper);

// A whole QuickForm: the start line, every field line after two blanks, then "</FORM>".
QStringList quickFormLines(const FormHeaderValues &header, const QStringList &fieldLines);
