#include "tags/snippets_markup.h"

#include "core/insertion.h"

namespace {

const CatalogueEntry Catalogue[] = {
    {0, "Internet Explorer"},
    {1, "Marquee"},
    {1, "Strikeout"},
    {0, "Netscape Navigator"},
    {1, "Big text"},
    {1, "Small text"},
    {1, "Subscript text"},
    {1, "Superscript text"},
    {0, "Page Layout"},
    {1, "Activated Link color"},
    {1, "Background color"},
    {1, "Base font"},
    {1, "Horizontal rule"},
    {1, "Link color"},
    {1, "Text color"},
    {1, "Title"},
    {1, "Visited link color"},
    {0, "Paragraph"},
    {1, "Address"},
    {1, "Align"},
    {1, "Blockquote"},
    {1, "Body paragraph"},
    {1, "Clear"},
    {1, "Comment"},
    {1, "Headings"},
    {2, "Heading 1"},
    {2, "Heading 2"},
    {2, "Heading 3"},
    {2, "Heading 4"},
    {2, "Heading 5"},
    {2, "Heading 6"},
    {1, "Line break"},
    {1, "No break"},
    {1, "Preformatted text"},
    {1, "Word Break"},
    {0, "Tables"},
    {1, "Row/Column table"},
    {1, "Simple table"},
    {0, "Text"},
    {1, "Effects"},
    {2, "Blink"},
    {1, "Font"},
    {2, "Decrease size"},
    {2, "Increase size"},
    {2, "Specify size"},
    {1, "Style"},
    {2, "Bold"},
    {2, "Bold italic"},
    {2, "Citation"},
    {2, "Emphasis"},
    {2, "Italic"},
    {2, "Sample code"},
    {2, "Strong"},
};

struct Snippet {
    const char *name;
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

} // namespace

std::span<const CatalogueEntry> componentCatalogue()
{
    return Catalogue;
}

QString componentSnippet(const QString &name)
{
    for (const Snippet &snippet : Snippets) {
        if (name == QLatin1String(snippet.name))
            return QString::fromUtf8(snippet.text);
    }
    return {};
}

void insertComponent(TextInsertion &target, const QString &name)
{
    const QString snippet = componentSnippet(name);
    if (!snippet.isEmpty())
        target.InsertAtCaret(snippet, false, 0);
}
