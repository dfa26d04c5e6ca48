#include "core/memory_text.h"
#include "tags/snippets_markup.h"

#include <QStringList>
#include <gtest/gtest.h>

namespace {

// The outline as it is shown, two blanks per level.
const char *const Outline[] = {
    "Internet Explorer",
    "  Marquee",
    "  Strikeout",
    "Netscape Navigator",
    "  Big text",
    "  Small text",
    "  Subscript text",
    "  Superscript text",
    "Page Layout",
    "  Activated Link color",
    "  Background color",
    "  Base font",
    "  Horizontal rule",
    "  Link color",
    "  Text color",
    "  Title",
    "  Visited link color",
    "Paragraph",
    "  Address",
    "  Align",
    "  Blockquote",
    "  Body paragraph",
    "  Clear",
    "  Comment",
    "  Headings",
    "    Heading 1",
    "    Heading 2",
    "    Heading 3",
    "    Heading 4",
    "    Heading 5",
    "    Heading 6",
    "  Line break",
    "  No break",
    "  Preformatted text",
    "  Word Break",
    "Tables",
    "  Row/Column table",
    "  Simple table",
    "Text",
    "  Effects",
    "    Blink",
    "  Font",
    "    Decrease size",
    "    Increase size",
    "    Specify size",
    "  Style",
    "    Bold",
    "    Bold italic",
    "    Citation",
    "    Emphasis",
    "    Italic",
    "    Sample code",
    "    Strong",
};

struct Snippet {
    const char *entry;
    const char *text;
};

const Snippet Snippets[] = {
    {"Marquee", "<MARQUEE>enter your marquee text here</MARQUEE>"},
    {"Strikeout", "<S>Enter strikeout text</S>"},
    {"Big text", "<BIG>todo Enter BIG text here</BIG>"},
    {"Small text", "<SMALL>Enter  small text</SMALL>"},
    {"Subscript text", "<SUB>Enter subscript text</SUB>"},
    {"Superscript text", "<SUP>Enter superscript text</SUP>"},
    {"Activated Link color", "<BODY ALINK=#rrggbb>"},
    {"Background color", "<BODY BGCOLOR=#rrggbb>"},
    {"Base font", "<BASEFONT SIZE=Enter a number between 1 and 7>"},
    {"Horizontal rule", "<HR>"},
    {"Link color", "<BODY LINK=#rrggbb>"},
    {"Text color", "<BODY TEXT=#rrggbb>"},
    {"Title", "<TITLE>Enter your title</TITLE>"},
    {"Visited link color", "<BODY VLINK=#rrggbb>"},
    {"Address", "<ADDRESS>Enter your address here</ADDRESS>"},
    {"Align", "ALIGN=LEFT or CENTER or RIGHT"},
    {"Blockquote", "<BLOCKQUOTE>Enter your quote here</BLOCKQUOTE>"},
    {"Body paragraph", "<P>Enter your paragraph here</P>"},
    {"Clear", "CLEAR"},
    {"Comment", "<! Enter your comment here>"},
    {"Heading 1", "<H1>Enter Heading here</H1>"},
    {"Heading 2", "<H2>Enter Heading here</H2>"},
    {"Heading 3", "<H3>Enter Heading here</H3>"},
    {"Heading 4", "<H4>Enter Heading here</H4>"},
    {"Heading 5", "<H5>Enter Heading here</H5>"},
    {"Heading 6", "<H6>Enter Heading here</H6>"},
    {"Line break", "<BR>"},
    {"No break", "<NOBR>Enter text here</NOBR>"},
    {"Preformatted text", "<PRE>Enter your preformatted text</PRE>"},
    {"Word Break", "<WBR>"},
    {"Row/Column table",
     "<TABLE BORDER=1><TR><TH>Enter heading</TH></TR><TR><TD>Enter cell text</TD></TR></TABLE>"},
    {"Simple table", "<TABLE BORDER=1><TR><TD>Enter cell text</TD></TR></TABLE>"},
    {"Blink", "<BLINK>Enter blinking text here</BLINK>"},
    {"Decrease size", "<FONT SIZE=-n Enter number between 1-7> Enter text here</FONT>"},
    {"Increase size", "<FONT SIZE=+n Enter number between 1-7> Enter text here</FONT>"},
    {"Specify size", "<FONT SIZE=n Enter a number between 1-7)>Enter text</FONT>"},
    {"Bold", "<B>Enter bold text</B>"},
    {"Bold italic", "<B><I>Enter bold-italic text here</I></B>"},
    {"Citation", "<CITE>Enter cited text here</CITE>"},
    {"Emphasis", "<EM>Enter emphasized text here</EM>"},
    {"Italic", "<I>Enter italic text</I>"},
    {"Sample code", "<SAMP>Enter code sample here</SAMP>"},
    {"Strong", "<STRONG>Enter strong text here</STRONG>"},
};

TEST(ComponentCatalogue, OrderAndNesting)
{
    QStringList shown;
    for (const CatalogueEntry &entry : componentCatalogue())
        shown.append(QString(entry.depth * 2, ' ') + QString::fromUtf8(entry.name));
    QStringList expected;
    for (const char *line : Outline)
        expected.append(QString::fromUtf8(line));
    EXPECT_EQ(shown.join('\n'), expected.join('\n'));
}

TEST(ComponentCatalogue, EverySnippetGoesInAtTheCaretWithTheCaretAtTheLineEnd)
{
    for (const Snippet &snippet : Snippets) {
        MemoryText text("abcdef", 0, 3);
        insertComponent(text, snippet.entry);
        const QString line = "abc" + QString::fromUtf8(snippet.text) + "def";
        EXPECT_EQ(text.text(), line) << snippet.entry;
        EXPECT_EQ(text.caretColumn(), line.size()) << snippet.entry;
    }
}

TEST(ComponentCatalogue, EveryLeafHasASnippetAndNoGroupHasOne)
{
    const auto entries = componentCatalogue();
    int leaves = 0;
    for (size_t i = 0; i < entries.size(); ++i) {
        const bool group = i + 1 < entries.size() && entries[i + 1].depth > entries[i].depth;
        const QString snippet = componentSnippet(entries[i].name);
        EXPECT_EQ(snippet.isEmpty(), group) << entries[i].name;
        leaves += group ? 0 : 1;
    }
    EXPECT_EQ(leaves, int(std::size(Snippets)));
}

TEST(ComponentCatalogue, GroupsAndUnknownNamesInsertNothing)
{
    for (const char *name :
         {"Text", "Headings", "Paragraph", "heading 3", "Heading 3 ", "", "Font"}) {
        MemoryText text("abcdef", 0, 3);
        insertComponent(text, name);
        EXPECT_EQ(text.text(), "abcdef") << name;
        EXPECT_EQ(text.caretColumn(), 3) << name;
    }
}

TEST(ComponentCatalogue, SnippetIntoAnEmptyDocument)
{
    MemoryText text;
    insertComponent(text, "Word Break");
    EXPECT_EQ(text.text(), "<WBR>");
    EXPECT_EQ(text.caretColumn(), 5);
}

} // namespace
