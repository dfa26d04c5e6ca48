#include "dialogs/quickdoc_markup.h"

#include <gtest/gtest.h>

TEST(QuickDocMarkup, BodyTagHasTheImageAlwaysAndTheColoursWhenUsed)
{
    QuickDocValues defaults;
    defaults.useColor = true;
    QuickDocValues changed;
    changed.backImage = "bg.gif";
    changed.useColor = true;
    changed.background = 0;
    changed.text = 0x123456;
    changed.link = 0xFF;
    const struct {
        QuickDocValues values;
        const char *body;
    } rows[] = {
        {{}, "<BODY BACKGROUND=\"\">"},
        {defaults, "<BODY BACKGROUND=\"\" BGCOLOR=\"#FFFFFF\" TEXT=\"#000000\" LINK=\"#0000FF\" "
                   "VLINK=\"#800080\" ALINK=\"#008000\">"},
        {changed, "<BODY BACKGROUND=\"bg.gif\" BGCOLOR=\"#000000\" TEXT=\"#563412\" "
                  "LINK=\"#FF0000\" VLINK=\"#800080\" ALINK=\"#008000\">"},
    };
    for (const auto &row : rows)
        EXPECT_EQ(quickDocBody(row.values), row.body) << row.body;
}

// The page around the body tag: the fields as typed, empty ones giving empty elements.
TEST(QuickDocMarkup, WritesTheEighteenLinesWithTheFieldsAsTyped)
{
    const QuickDocValues filled{"T \"%1\"", "D", "<I>H</I>", "bg.gif"};
    const QStringList expected = {
        "<!DOCTYPE HTML PUBLIC \"-//IETF//DTD HTML 3.0//EN\">",
        "<!-- Document created : 06.12.26, 19:05:01 -->",
        "<HTML>",
        "  <HEAD>",
        "    <TITLE>T \"%1\"</TITLE>",
        "    <META NAME=\"Author\" CONTENT=\"Ann\">",
        "    <META NAME=\"DESCRIPTION\" CONTENT=\"D\">",
        "  </HEAD>",
        "  <BODY BACKGROUND=\"bg.gif\">",
        "    <H1><I>H</I></H1>",
        "    <HR>",
        "    <HR>",
        "    <CENTER><FONT SIZE=2>",
        "      This page was created with <A HREF=\"http://www.corvane.com/\">Corvane's "
        "Pagewick</A>.<BR>",
        "      Page (C) by <A HREF=\"mailto:ann@example.org\">Ann</A>.",
        "    </FONT></CENTER>",
        "  </BODY>",
        "</HTML>",
    };
    EXPECT_EQ(quickDocLines(filled, "Ann", "ann@example.org", {"06.12.26", "19:05:01"}), expected);

    const QStringList empty = quickDocLines({}, "", "", {});
    ASSERT_EQ(empty.size(), 18);
    EXPECT_EQ(empty[4], "    <TITLE></TITLE>");
    EXPECT_EQ(empty[8], "  <BODY BACKGROUND=\"\">");
}
