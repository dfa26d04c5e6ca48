#include "forms/form_markup.h"

#include <gtest/gtest.h>

TEST(FormMarkup, HeaderWritesEveryAttributeQuotedEvenWhenEmpty)
{
    const struct {
        FormHeaderValues values;
        const char *start;
    } rows[] = {
        {{"", "", ""}, "<FORM ACTION=\"\" METHOD=\"\" ENCTYPE=\"\">"},
        {{"go.cgi", "post", "multipart/form-data"},
         "<FORM ACTION=\"go.cgi\" METHOD=\"post\" ENCTYPE=\"multipart/form-data\">"},
        {{" %2 ", "%1", ""}, "<FORM ACTION=\" %2 \" METHOD=\"%1\" ENCTYPE=\"\">"},
    };
    for (const auto &row : rows) {
        EXPECT_EQ(formStartLine(row.values), row.start) << row.start;
        EXPECT_EQ(formHeaderLine(row.values), QString(row.start) + "</FORM>") << row.start;
    }
}

TEST(FormMarkup, FieldsQuoteNameAndValueLeaveCountsBareAndBreakAfterAllButTheButtons)
{
    using F = FormField;
    const FieldValues typed{.name = "n", .value = "v", .size = "20", .maxLength = "5"};
    const FieldValues button{.name = "r", .value = "Clear"};
    const struct {
        FormField field;
        FieldValues values;
        ResetWord reset;
        QStringList lines;
    } rows[] = {
        {F::TextBox,
         {},
         ResetWord::Upper,
         {"<INPUT TYPE=\"TEXT\" NAME=\"\" VALUE=\"\" SIZE= MAXLENGTH=><BR>"}},
        {F::TextBox,
         typed,
         ResetWord::Upper,
         {"<INPUT TYPE=\"TEXT\" NAME=\"n\" VALUE=\"v\" SIZE=20 MAXLENGTH=5><BR>"}},
        {F::TextBox,
         {.name = "%2", .value = " x ", .size = "a", .maxLength = "%1"},
         ResetWord::Upper,
         {"<INPUT TYPE=\"TEXT\" NAME=\"%2\" VALUE=\" x \" SIZE=a MAXLENGTH=%1><BR>"}},
        {F::HiddenText,
         typed,
         ResetWord::Upper,
         {"<INPUT TYPE=\"HIDDEN\" NAME=\"n\" VALUE=\"v\"><BR>"}},
        {F::TextArea,
         {.name = "msg", .rows = "4", .cols = "40"},
         ResetWord::Upper,
         {"<TEXTAREA NAME=\"msg\" ROWS=4 COLS=40></TEXTAREA><BR>"}},
        {F::TextArea, {}, ResetWord::Upper, {"<TEXTAREA NAME=\"\" ROWS= COLS=></TEXTAREA><BR>"}},
        {F::CheckBox,
         typed,
         ResetWord::Upper,
         {"<INPUT TYPE=\"CHECKBOX\" NAME=\"n\" VALUE=\"v\"><BR>"}},
        {F::RadioButton,
         typed,
         ResetWord::Upper,
         {"<INPUT TYPE=\"RADIO\" NAME=\"n\" VALUE=\"v\"><BR>"}},
        {F::DropDown,
         {.name = "c", .options = {"red", "blue"}},
         ResetWord::Upper,
         {"<SELECT NAME=\"c\">", "  <OPTION>red", "  <OPTION>blue", "</SELECT><BR>"}},
        {F::DropDown,
         {.options = {""}},
         ResetWord::Upper,
         {"<SELECT NAME=\"\">", "  <OPTION>", "</SELECT><BR>"}},
        {F::Submit,
         button,
         ResetWord::Capitalised,
         {"<INPUT TYPE=\"SUBMIT\" NAME=\"r\" VALUE=\"Clear\">"}},
        {F::Reset, button, ResetWord::Upper, {"<INPUT TYPE=\"RESET\" NAME=\"r\" VALUE=\"Clear\">"}},
        {F::Reset,
         button,
         ResetWord::Capitalised,
         {"<INPUT TYPE=\"Reset\" NAME=\"r\" VALUE=\"Clear\">"}},
    };
    for (const auto &row : rows)
        EXPECT_EQ(fieldLines(row.field, row.values, row.reset), row.lines)
            << row.lines.first().toStdString();
}

TEST(FormMarkup, QuickFormIndentsEveryCollectedLineByTwoBlanksBetweenStartAndEnd)
{
    const FormHeaderValues header{"go.cgi", "post", ""};
    const QString start = "<FORM ACTION=\"go.cgi\" METHOD=\"post\" ENCTYPE=\"\">";
    QStringList many, manyWritten;
    for (int i = 0; i < 300; ++i) {
        many << QString::number(i);
        manyWritten << "  " + QString::number(i);
    }
    const struct {
        QStringList fields;
        QStringList lines;
    } rows[] = {
        {{}, {start, "</FORM>"}},
        {{"<INPUT a><BR>", "<SELECT NAME=\"c\">", "  <OPTION>x", "</SELECT><BR>"},
         {start, "  <INPUT a><BR>", "  <SELECT NAME=\"c\">", "    <OPTION>x", "  </SELECT><BR>",
          "</FORM>"}},
        {many, QStringList{start} + manyWritten + QStringList{"</FORM>"}},
    };
    for (const auto &row : rows)
        EXPECT_EQ(quickFormLines(header, row.fields), row.lines) << row.fields.size();
}
