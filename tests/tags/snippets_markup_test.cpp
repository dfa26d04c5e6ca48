#include "core/memory_text.h"
#include "tags/snippets_markup.h"

#include <gtest/gtest.h>

namespace {

void expectInserted(const char *name, const QString &snippet)
{
    MemoryText text("abcdef", 0, 3);
    insertComponent(text, name);
    const QString line = "abc" + snippet + "def";
    EXPECT_EQ(text.text(), line) << name;
    EXPECT_EQ(text.caretColumn(), snippet.isEmpty() ? 3 : line.size()) << name;
}

// The outline and the snippets are two tables: every leaf must find its snippet, and no group.
TEST(ComponentCatalogue, EveryLeafAndNoGroupInsertsAtTheCaretWithTheCaretAtTheLineEnd)
{
    const auto entries = componentCatalogue();
    ASSERT_EQ(entries.size(), 53u);
    QStringList groups;
    for (size_t i = 0; i < entries.size(); ++i) {
        const bool group = i + 1 < entries.size() && entries[i + 1].depth > entries[i].depth;
        EXPECT_EQ(componentSnippet(entries[i].name).isEmpty(), group) << entries[i].name;
        if (entries[i].depth == 0)
            groups << entries[i].name;
    }
    EXPECT_EQ(groups, QStringList({"Internet Explorer", "Netscape Navigator", "Page Layout",
                                   "Paragraph", "Tables", "Text"}));
}

// One leaf of each depth, and the texts whose oddities a tidy-up would lose.
TEST(ComponentCatalogue, SnippetsAreWrittenAsTabled)
{
    const std::tuple<int, const char *, const char *> rows[] = {
        {1, "Big text", "<BIG>todo Enter BIG text here</BIG>"},
        {1, "Small text", "<SMALL>Enter  small text</SMALL>"},
        {1, "Base font", "<BASEFONT SIZE=Enter a number between 1 and 7>"},
        {1, "Align", "ALIGN=LEFT or CENTER or RIGHT"},
        {1, "Comment", "<! Enter your comment here>"},
        {2, "Heading 3", "<H3>Enter Heading here</H3>"},
        {1, "Row/Column table",
         "<TABLE BORDER=1><TR><TH>Enter heading</TH></TR><TR><TD>Enter cell "
         "text</TD></TR></TABLE>"},
        {2, "Decrease size", "<FONT SIZE=-n Enter number between 1-7> Enter text here</FONT>"},
        {2, "Specify size", "<FONT SIZE=n Enter a number between 1-7)>Enter text</FONT>"},
        {1, "Headings", ""},
    };
    const auto entries = componentCatalogue();
    for (const auto &[depth, name, snippet] : rows) {
        const auto entry =
            std::find_if(entries.begin(), entries.end(),
                         [&](const CatalogueEntry &e) { return qstrcmp(e.name, name) == 0; });
        ASSERT_NE(entry, entries.end()) << name;
        EXPECT_EQ(entry->depth, depth) << name;
        expectInserted(name, QString::fromUtf8(snippet));
    }
    // Names match exactly.
    for (const char *unknown : {"heading 3", "Heading 3 ", ""})
        expectInserted(unknown, {});
}

} // namespace
