#include "forms/form_markup.h"

namespace {

QString input(const QString &type, const FieldValues &values)
{
    return QStringLiteral("<INPUT TYPE=\"%1\" NAME=\"%2\" VALUE=\"%3\">")
        .arg(type, values.name, values.value);
}

QStringList dropDown(const FieldValues &values)
{
    QStringList lines{QStringLiteral("<SELECT NAME=\"%1\">").arg(values.name)};
    for (const QString &option : values.options)
        lines << QStringLiteral("  <OPTION>") + option;
    lines << QStringLiteral("</SELECT><BR>");
    return lines;
}

} // namespace

QString formStartLine(const FormHeaderValues &values)
{
    return QStringLiteral("<FORM ACTION=\"%1\" METHOD=\"%2\" ENCTYPE=\"%3\">")
        .arg(values.action, values.method, values.enctype);
}

QString formHeaderLine(const FormHeaderValues &values)
{
    return formStartLine(values) + QStringLiteral("</FORM>");
}

QStringList fieldLines(FormField field, const FieldValues &values, ResetWord reset)
{
    const QString br = QStringLiteral("<BR>");
    switch (field) {
    case FormField::TextBox:
        return {
            QStringLiteral("<INPUT TYPE=\"TEXT\" NAME=\"%1\" VALUE=\"%2\" SIZE=%3 MAXLENGTH=%4>")
                .arg(values.name, values.value, values.size, values.maxLength) +
            br};
    case FormField::HiddenText:
        return {input(QStringLiteral("HIDDEN"), values) + br};
    case FormField::TextArea:
        return {QStringLiteral("<TEXTAREA NAME=\"%1\" ROWS=%2 COLS=%3></TEXTAREA>")
                    .arg(values.name, values.rows, values.cols) +
                br};
    case FormField::CheckBox:
        return {input(QStringLiteral("CHECKBOX"), values) + br};
    case FormField::RadioButton:
        return {input(QStringLiteral("RADIO"), values) + br};
    case FormField::DropDown:
        return dropDown(values);
    case FormField::Submit:
        return {input(QStringLiteral("SUBMIT"), values)};
    case FormField::Reset:
        return {input(reset == ResetWord::Upper ? QStringLiteral("RESET") : QStringLiteral("Reset"),
                      values)};
    }
    Q_UNREACHABLE();
    return {};
}

QStringList quickFormLines(const FormHeaderValues &header, const QStringList &fieldLines)
{
    QStringList lines{formStartLine(header)};
    for (const QString &line : fieldLines)
        lines << QStringLiteral("  ") + line;
    lines << QStringLiteral("</FORM>");
    return lines;
}
