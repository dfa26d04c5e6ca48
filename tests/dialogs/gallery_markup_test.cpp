#include "dialogs/gallery_markup.h"

#include <gtest/gtest.h>

TEST(GalleryMarkup, HeadingThenTableOfImagesPerRowEachLinkedWhenALinkIsGiven)
{
    const QStringList fiveImages{"a.gif", "b.gif", "c.gif", "d.gif", "e.gif"};
    const struct {
        const char *what;
        GalleryValues values;
        QStringList lines;
    } rows[] = {
        {"five, four per row",
         {fiveImages, "Holiday", 4, true, "1", "img/", ""},
         {"<H1>Holiday</H1>", "<TABLE BORDER=1>", "  <TR>", "    <TD><IMG SRC=\"img/a.gif\"></TD>",
          "    <TD><IMG SRC=\"img/b.gif\"></TD>", "    <TD><IMG SRC=\"img/c.gif\"></TD>",
          "    <TD><IMG SRC=\"img/d.gif\"></TD>", "  </TR>", "  <TR>",
          "    <TD><IMG SRC=\"img/e.gif\"></TD>", "  </TR>", "</TABLE>"}},
        {"exactly four, one per row, border text unchanged",
         {fiveImages.mid(0, 4), "", 1, true, " 2 ", "", ""},
         {"<H1></H1>", "<TABLE BORDER= 2 >", "  <TR>", "    <TD><IMG SRC=\"a.gif\"></TD>",
          "  </TR>", "  <TR>", "    <TD><IMG SRC=\"b.gif\"></TD>", "  </TR>", "  <TR>",
          "    <TD><IMG SRC=\"c.gif\"></TD>", "  </TR>", "  <TR>",
          "    <TD><IMG SRC=\"d.gif\"></TD>", "  </TR>", "</TABLE>"}},
        {"exactly four, four per row",
         {fiveImages.mid(0, 4), "T", 4, true, "1", "", ""},
         {"<H1>T</H1>", "<TABLE BORDER=1>", "  <TR>", "    <TD><IMG SRC=\"a.gif\"></TD>",
          "    <TD><IMG SRC=\"b.gif\"></TD>", "    <TD><IMG SRC=\"c.gif\"></TD>",
          "    <TD><IMG SRC=\"d.gif\"></TD>", "  </TR>", "</TABLE>"}},
        {"none",
         {{}, "", 4, true, "1", "img/", "big.htm"},
         {"<H1></H1>", "<TABLE BORDER=1>", "</TABLE>"}},
        {"border off",
         {{"a b.jpg"}, "x", 255, false, "7", "", ""},
         {"<H1>x</H1>", "<TABLE BORDER=0>", "  <TR>", "    <TD><IMG SRC=\"a b.jpg\"></TD>",
          "  </TR>", "</TABLE>"}},
        {"link URL",
         {fiveImages.mid(3), "%1", 4, true, "1", "pics/", "big.htm"},
         {"<H1>%1</H1>", "<TABLE BORDER=1>", "  <TR>",
          "    <TD><A HREF=\"big.htm\"><IMG SRC=\"pics/d.gif\"></A></TD>",
          "    <TD><A HREF=\"big.htm\"><IMG SRC=\"pics/e.gif\"></A></TD>", "  </TR>", "</TABLE>"}},
    };
    for (const auto &row : rows)
        EXPECT_EQ(galleryLines(row.values), row.lines) << row.what;
}

TEST(GalleryMarkup, RowCountIsAWholeNumberFromOneTo255)
{
    const struct {
        const char *text;
        std::optional<int> count;
    } rows[] = {{"1", 1},   {"4", 4},  {"255", 255}, {"0", {}},   {"256", {}},
                {"-1", {}}, {"x", {}}, {"", {}},     {"2.5", {}}, {"99999999999", {}}};
    for (const auto &row : rows)
        EXPECT_EQ(galleryRowCount(row.text), row.count) << row.text;
}

TEST(GalleryMarkup, MaskSplitsAtSemicolonsAndStarDotStarMeansEveryFile)
{
    EXPECT_EQ(maskFilters("*.jpg;*.gif"), QStringList({"*.jpg", "*.gif"}));
    EXPECT_EQ(maskFilters("*.*"), QStringList({"*"}));
}
