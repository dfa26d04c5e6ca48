#include "frames/frames_markup.h"

#include <gtest/gtest.h>

TEST(FramesMarkup, FrameSetWritesEveryGivenSizeUnderRowsOrCols)
{
    const struct {
        FrameSetValues values;
        const char *line;
    } rows[] = {
        {{true, {"0", "0", "0", "0", "0"}}, "<FRAMESET ROWS=\"0,0,0,0,0\">"},
        {{false, {"30", "70", "0", "0", "0"}}, "<FRAMESET Cols=\"30,70,0,0,0\">"},
        {{true, {"90", "10", "20", "30", "40"}}, "<FRAMESET ROWS=\"90,10,20,30,40\">"},
    };
    for (const auto &row : rows)
        EXPECT_EQ(frameSetLine(row.values), row.line) << row.line;
}

TEST(FramesMarkup, FrameWritesTheSourceBareThenTheGivenAttributesInOrder)
{
    const struct {
        FrameValues values;
        const char *line;
    } rows[] = {
        {{}, "<FRAME SRC=>"},
        {{"a.htm", "_top", "", "", "NO", true},
         "<FRAME SRC=a.htm NAME=\"_top\" SCROLLING=NO NORESIZE>"},
        {{"", "", "", "5", "", false}, "<FRAME SRC= MARGINHEIGHT=5>"},
        {{"b c.htm", "main", "4", "6", "AUTO", true},
         "<FRAME SRC=b c.htm NAME=\"main\" MARGINWIDTH=4 MARGINHEIGHT=6 SCROLLING=AUTO NORESIZE>"},
        {{" ", " ", "", "", "", false}, "<FRAME SRC=  NAME=\" \">"},
    };
    for (const auto &row : rows)
        EXPECT_EQ(frameLine(row.values), row.line) << row.line;
}

TEST(FramesMarkup, NoFramesIndentsEveryMessageLineButAFinalEmptyOne)
{
    const struct {
        QStringList message;
        QStringList lines;
    } rows[] = {
        {noFramesMessage(),
         {"<NOFRAMES>", "  <H1><BLINK>Frame-Warning</BLINK></H1>",
          "  This site needs a <I>Frame</I>-capable Browser.",
          "  You can download <A HREF=\"http://home.netscape.com/\">Netscape Navigator</A> to "
          "view this site.",
          "</NOFRAMES>"}},
        {{""}, {"<NOFRAMES>", "</NOFRAMES>"}},
        {{}, {"<NOFRAMES>", "</NOFRAMES>"}},
        {{"", ""}, {"<NOFRAMES>", "  ", "</NOFRAMES>"}},
        {{"a", "", " b", ""}, {"<NOFRAMES>", "  a", "  ", "   b", "</NOFRAMES>"}},
        {QStringList(300, "x"),
         QStringList{"<NOFRAMES>"} + QStringList(300, "  x") + QStringList{"</NOFRAMES>"}},
    };
    for (const auto &row : rows)
        EXPECT_EQ(noFramesLines(row.message), row.lines)
            << row.message.join("|").left(20).toStdString();
}
