#include "wizard/homepage_markup.h"

#include <functional>
#include <gtest/gtest.h>

namespace {

const PageStamp Stamp{"06.12.26", "19:05:01"};

HomepageValues changed(const std::function<void(HomepageValues &)> &change)
{
    HomepageValues values;
    values.title = "Home";
    change(values);
    return values;
}

const QStringList Head = {
    "<!DOCTYPE HTML PUBLIC \"-//IETF//DTD HTML 3.0//EN\">",
    "<!-- Document created : 06.12.26, 19:05:01 -->",
    "<HTML>",
    "  <HEAD>",
    "    <TITLE>Home</TITLE>",
};
const QStringList Tail = {"    This homepage was created with Pagewick<BR>", "  </BODY>",
                          "</HTML>"};

} // namespace

// The wizard left as it opens with a title typed gives the fourteen-line page; every other case
// differs only between the TITLE line and the closing three lines.
TEST(HomepageMarkup, WritesTheChosenBlocksInOrder)
{
    const QStringList initial = {"  </HEAD>",    "    <CENTER><H1>Home</H1></CENTER><BR>",
                                 "    <HR>",     "    <HR>",
                                 "    <BR><BR>", "    Copyright &copy; by <BR>"};
    EXPECT_EQ(homepageLines(changed([](HomepageValues &) {}), Stamp), Head + initial + Tail);

    const struct {
        const char *what;
        HomepageValues values;
        QStringList middle;
    } rows[] = {
        {"left headings, no rules, the copyright names the box unticked",
         changed([](HomepageValues &v) {
             v.centerHeadings = v.rules = false;
             v.secondHeading = "Sub";
             v.name = "Ann";
         }),
         {"  </HEAD>", "    <H1>Home</H1><BR>", "    <H2>Sub</H2><BR>", "    <BR><BR>",
          "    Copyright &copy; by Ann<BR>"}},
        {"a centred second heading of blanks",
         changed([](HomepageValues &v) { v.secondHeading = "  "; }),
         {"  </HEAD>", "    <CENTER><H1>Home</H1></CENTER><BR>",
          "    <CENTER><H2>  </H2></CENTER><BR>", "    <HR>", "    <HR>", "    <BR><BR>",
          "    Copyright &copy; by <BR>"}},
        {"colour parts as typed win over the image",
         changed([](HomepageValues &v) {
             v.colorBackground = v.imageBackground = true;
             v.red = "f";
             v.green = "";
             v.blue = "\"x\"";
             v.rules = false;
         }),
         {"  </HEAD>", "  <BODY BGCOLOR=\"#f\"x\"\">", "    <CENTER><H1>Home</H1></CENTER><BR>",
          "    <BR><BR>", "    Copyright &copy; by <BR>"}},
        {"background image",
         changed([](HomepageValues &v) {
             v.imageBackground = true;
             v.backgroundImage = "bg.gif";
             v.rules = false;
         }),
         {"  </HEAD>", "  <BODY BACKGROUND=\"bg.gif\">", "    <CENTER><H1>Home</H1></CENTER><BR>",
          "    <BR><BR>", "    Copyright &copy; by <BR>"}},
        {"a caption only with a picture; texts of unticked blocks unused",
         changed([](HomepageValues &v) {
             v.useCaption = v.centerPicture = true;
             v.caption = "Me";
             v.paragraph = {"unused"};
             v.rules = false;
         }),
         {"  </HEAD>", "    <CENTER><H1>Home</H1></CENTER><BR>", "    <BR><BR>",
          "    Copyright &copy; by <BR>"}},
        {"picture alone, its caption unticked",
         changed([](HomepageValues &v) {
             v.usePicture = true;
             v.picture = "me.jpg";
             v.caption = "Me";
         }),
         {"  </HEAD>", "    <CENTER><H1>Home</H1></CENTER><BR>", "    <HR>",
          "    <IMG SRC=\"me.jpg\" ALT=\"[picture]\">", "    <HR>", "    <BR><BR>",
          "    Copyright &copy; by <BR>"}},
        {"empty paragraph box",
         changed([](HomepageValues &v) {
             v.useParagraph = true;
             v.paragraph = {""};
         }),
         {"  </HEAD>", "    <CENTER><H1>Home</H1></CENTER><BR>", "    <HR>", "    <P>", "    <HR>",
          "    <BR><BR>", "    Copyright &copy; by <BR>"}},
        {"link alone",
         changed([](HomepageValues &v) {
             v.useLink = true;
             v.url = "http://a.b/";
             v.description = "A B";
             v.rules = false;
         }),
         {"  </HEAD>", "    <CENTER><H1>Home</H1></CENTER><BR>",
          "    <A HREF=\"http://a.b/\">A B</A>", "    <BR><BR>", "    Copyright &copy; by <BR>"}},
        {"author alone",
         changed([](HomepageValues &v) {
             v.useAuthor = true;
             v.name = "Ann";
             v.email = "ann@a.b";
             v.rules = false;
         }),
         {"    <META NAME=\"Author\" CONTENT=\"Ann\">", "  </HEAD>",
          "    <CENTER><H1>Home</H1></CENTER><BR>", "    <HR>", "    <ADDRESS>", "      Ann<BR>",
          "      <A HREF=\"mailto:ann@a.b\">ann@a.b</A><BR>", "    </ADDRESS>", "    <BR><BR>",
          "    Copyright &copy; by Ann<BR>"}},
        {"everything, paragraph lines with an empty one and a final empty one",
         changed([](HomepageValues &v) {
             v.secondHeading = "Sub";
             v.colorBackground = v.usePicture = v.useCaption = v.centerPicture = true;
             v.useParagraph = v.useLink = v.useAuthor = true;
             v.picture = "me.jpg";
             v.caption = " Me";
             v.paragraph = {"One ", "two", "", "three", ""};
             v.url = "u";
             v.description = "d";
             v.name = "Ann";
             v.email = "e";
         }),
         {"    <META NAME=\"Author\" CONTENT=\"Ann\">",
          "  </HEAD>",
          "  <BODY BGCOLOR=\"#FFFFFF\">",
          "    <CENTER><H1>Home</H1></CENTER><BR>",
          "    <CENTER><H2>Sub</H2></CENTER><BR>",
          "    <HR>",
          "    <CENTER>",
          "      <IMG SRC=\"me.jpg\" ALT=\"[picture]\"> Me",
          "    </CENTER>",
          "    <P>",
          "    One <BR>",
          "    two<BR>",
          "    <BR>",
          "    three<BR>",
          "    <HR>",
          "    <A HREF=\"u\">d</A>",
          "    <HR>",
          "    <ADDRESS>",
          "      Ann<BR>",
          "      <A HREF=\"mailto:e\">e</A><BR>",
          "    </ADDRESS>",
          "    <BR><BR>",
          "    Copyright &copy; by Ann<BR>"}},
    };
    for (const auto &row : rows)
        EXPECT_EQ(homepageLines(row.values, Stamp), Head + row.middle + Tail) << row.what;
}
