#include "core/command_error.h"
#include "tables/table_markup.h"

#include <gtest/gtest.h>

namespace {

const char *const Start = "<TABLE BORDER=1 CELLPADDING=0 CELLSPACING=0>\n";

TEST(TableMarkup, QuickTableWritesCaptionRowsAndCellsAsTyped)
{
    const QStringList twelve{"1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "11", "12"};
    const struct {
        const char *what;
        TTableData data;
        QString lines;
    } rows[] = {
        {"untouched",
         {"1", "0", "0", "", false, "", {{""}}},
         Start + QString("  <TR>\n    <TD></TD>\n  </TR>\n</TABLE>")},
        {"caption, two cells",
         {"1", "0", "0", "Prices", false, "", {{"a", "b"}}},
         Start + QString("  <CAPTION>Prices</CAPTION>\n  <TR>\n    <TD>a</TD>\n    <TD>b</TD>\n"
                         "  </TR>\n</TABLE>")},
        {"picked colour, values as typed",
         {" 3", "x", "", "", true, "#FF0000", {{"a"}, {""}}},
         "<TABLE BORDER= 3 CELLPADDING=x CELLSPACING=>\n  <TR>\n    <TD BGCOLOR=#FF0000>a</TD>\n"
         "  </TR>\n  <TR>\n    <TD BGCOLOR=#FF0000></TD>\n  </TR>\n</TABLE>"},
        {"typed colour only",
         {"1", "0", "0", "", false, "red", {{"<B>x</B>"}}},
         Start + QString("  <TR>\n    <TD><B>x</B></TD>\n  </TR>\n</TABLE>")},
        {"colour emptied after picking",
         {"1", "0", "0", "", true, "", {{"c"}}},
         Start + QString("  <TR>\n    <TD BGCOLOR=>c</TD>\n  </TR>\n</TABLE>")},
        {"twelve columns",
         {"1", "0", "0", "", false, "", {twelve}},
         Start + QString("  <TR>\n    <TD>1</TD>\n    <TD>2</TD>\n    <TD>3</TD>\n    <TD>4</TD>\n"
                         "    <TD>5</TD>\n    <TD>6</TD>\n    <TD>7</TD>\n    <TD>8</TD>\n"
                         "    <TD>9</TD>\n    <TD>10</TD>\n    <TD>11</TD>\n    <TD>12</TD>\n"
                         "  </TR>\n</TABLE>")},
        {"no rows", TTableData{}, Start + QString("</TABLE>")},
    };
    for (const auto &row : rows)
        EXPECT_EQ(quickTableLines(row.data).join('\n'), row.lines) << row.what;
}

TEST(TableMarkup, GridCountBelowOneIsOneAndOnlyWholeNumbersUpTo255Count)
{
    const struct {
        const char *typed;
        int count; // 0: refused
    } rows[] = {{"1", 1},   {"12", 12}, {"255", 255}, {"0", 1},   {"-4", 1},
                {"256", 0}, {"", 0},    {"abc", 0},   {"2.5", 0}, {"99999999999999999999", 0}};
    for (const auto &row : rows) {
        try {
            EXPECT_EQ(gridCount(row.typed, "columns"), row.count) << row.typed;
        } catch (const CommandError &error) {
            EXPECT_EQ(row.count, 0) << row.typed;
            EXPECT_TRUE(error.message().contains("columns")) << row.typed;
        }
    }
}

TEST(TableMarkup, TableLineHasTheGivenAttributesInOrderAndQuotesOnlyColspecAndColour)
{
    const struct {
        TableValues values;
        const char *line;
    } rows[] = {
        {{}, "<TABLE BORDER=1></TABLE>"},
        {{false, "1", "", "", "", "", "", "", ""}, "<TABLE></TABLE>"},
        {{true, "3", "center", "c20", "", "", "80%", "", "#FF0000"},
         R"(<TABLE BORDER=3 ALIGN=CENTER COLSPEC="c20" WIDTH=80% BGCOLOR="#FF0000"></TABLE>)"},
        {{false, "1", "Left", "", " 2", "3", "", "50", "red"},
         R"(<TABLE ALIGN=LEFT CELLPADDING= 2 CELLSPACING=3 HEIGHT=50 BGCOLOR="red"></TABLE>)"},
        {{true, "1", "mäßig top", "", "", "", "", "", ""},
         "<TABLE BORDER=1 ALIGN=MäßIG TOP></TABLE>"},
    };
    for (const auto &row : rows)
        EXPECT_EQ(tableLine(row.values), QString::fromUtf8(row.line)) << row.line;
}

TEST(TableMarkup, CaptionLineHasItsAlignOnlyWhenGiven)
{
    const struct {
        CaptionValues values;
        const char *line;
    } rows[] = {
        {{}, "<CAPTION ALIGN=TOP></CAPTION>"},
        {{"", "Prices"}, "<CAPTION>Prices</CAPTION>"},
        {{"bottom é", " a "}, "<CAPTION ALIGN=BOTTOM é> a </CAPTION>"},
    };
    for (const auto &row : rows)
        EXPECT_EQ(captionLine(row.values), QString::fromUtf8(row.line)) << row.line;
}

} // namespace
