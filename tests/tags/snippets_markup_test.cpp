#include "core/memory_text.h"
#include "tags/snippets_markup.h"

#include <gtest/gtest.h>

namespace {

// The outline as shown, in order, with the snippet each leaf inserts; groups insert nothing.
struct Entry {
    int depth;
    const char *name;
    const char *snippet;
};

const Entry Catalogue[] = {
    {0, "Internet Explorer", nullptr},
    {1, "Marquee", "<MARQUEE>enter your marquee text here</MARQUEE>"},
    {1, "Strikeout", "<S>Enter strikeout text</S>"},
    {0, "Netscape Navigator", nullptr},
    {1, "Big text", "<BIG>todo Enter BIG text here</BIG>"},
    {1, "Small text", "<SMALL>Enter  small text</SMALL>"},
    {1, "Subscript text", "<SUB>Enter subscript text</SUB>"},
    {1, "Superscript text", "<SUP>Enter superscript text</SUP>"},
    {0, "Page Layout", nullptr},
    {1, "Activated Link color", "<BODY ALINK=#rrggbb>"},
    {1, "Background color", "<BODY BGCOLOR=#rrggbb>"},
    {1, "Base font", "<BASEFONT SIZE=Enter a number between 1 and 7>"},
    {1, "Horizontal rule", "<HR>"},
    {1, "Link color", "<BODY LINK=#rrggbb>"},
    {1, "Text color", "<BODY TEXT=#rrggbb>"},
    {1, "Title", "<TITLE>Enter your title</TITLE>"},
    {1, "Visited link color", "<BODY VLINK=#rrggbb>"},
    {0, "Paragraph", nullptr},
    {1, "Address", "<ADDRESS>Enter your address here</ADDRESS>"},
    {1, "Align", "ALIGN=LEFT or CENTER or RIGHT"},
    {1, "Blockquote", "<BLOCKQUOTE>Enter your quote here</BLOCKQUOTE>"},
    {1, "Body paragraph", "<P>Enter your paragraph here</P>"},
    {1, "Clear", "CLEAR"},
    {1, "Comment", "<! Enter your comment here>"},
    {1, "Headings", nullptr},
    {2, "Heading 1", "<H1>Enter Heading here</H1>"},
    {2, "Heading 2", "<H2>Enter Heading here</H2>"},
    {2, "Heading 3", "<H3>Enter Heading here</H3>"},
    {2, "Heading 4", "<H4>Enter Heading here</H4>"},
    {2, "Heading 5", "<H5>Enter Heading here</H5>"},
    {2, "Heading 6", "<H6>Enter Heading here</H6>"},
    {1, "Line break", "<BR>"},
    {1, "No break", "<NOBR>Enter text here</NOBR>"},
    {1, "Preformatted text", "<PRE>Enter your preformatted text</PRE>"},
    {1, "Word Break", "<WBR>"},
    {0, "Tables", nullptr},
    {1, "Row/Column table",
     "<TABLE BORDER=1><TR><TH>Enter heading</TH></TR><TR><TD>Enter cell text</TD></TR></TABLE>"},
    {1, "Simple table", "<TABLE BORDER=1><TR><TD>Enter cell text</TD></TR></TABLE>"},
    {0, "Text", nullptr},
    {1, "Effects", nullptr},
    {2, "Blink", "<BLINK>Enter blinking text here</BLINK>"},
    {1, "Font", nullptr},
    {2, "Decrease size", "<FONT SIZE=-n Enter number between 1-7> Enter text here</FONT>"},
    {2, "Increase size", "<FONT SIZE=+n Enter number between 1-7> Enter text here</FONT>"},
    {2, "Specify size", "<FONT SIZE=n Enter a number between 1-7)>Enter text</FONT>"},
    {1, "Style", nullptr},
    {2, "Bold", "<B>Enter bold text</B>"},
    {2, "Bold italic", "<B><I>Enter bold-italic text here</I></B>"},
    {2, "Citation", "<CITE>Enter cited text here</CITE>"},
    {2, "Emphasis", "<EM>Enter emphasized text here</EM>"},
    {2, "Italic", "<I>Enter italic text</I>"},
    {2, "Sample code", "<SAMP>Enter code sample here</SAMP>"},
    {2, "Strong", "<STRONG>Enter strong text here</STRONG>"},
};

void expectInserted(const char *name, const QString &snippet)
{
    MemoryText text("abcdef", 0, 3);
    insertComponent(text, name);
    const QString line = "abc" + snippet + "def";
    EXPECT_EQ(text.text(), line) << name;
    EXPECT_EQ(text.caretColumn(), snippet.isEmpty() ? 3 : line.size()) << name;
}

TEST(ComponentCatalogue, OutlineAndSnippetsGoInAtTheCaretWithTheCaretAtTheLineEnd)
{
    const auto entries = componentCatalogue();
    ASSERT_EQ(entries.size(), std::size(Catalogue));
    for (size_t i = 0; i < entries.size(); ++i) {
        const Entry &expected = Catalogue[i];
        EXPECT_EQ(entries[i].depth, expected.depth) << expected.name;
        EXPECT_STREQ(entries[i].name, expected.name);
        expectInserted(expected.name, QString::fromUtf8(expected.snippet));
    }
    // Names match exactly.
    for (const char *unknown : {"heading 3", "Heading 3 ", ""})
        expectInserted(unknown, {});
}

} // namespace
