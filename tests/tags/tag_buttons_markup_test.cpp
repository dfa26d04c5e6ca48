#include "core/memory_text.h"
#include "tags/tag_buttons_markup.h"

#include <gtest/gtest.h>

namespace {

struct Expected {
    const char *name;
    const char *line;  // "abcdef" with the caret after "abc", afterwards
    int column;        // caret column afterwards
    const char *alone; // an empty document afterwards
    int aloneColumn;
};

const Expected AtCaretRows[] = {
    {"ebLinebreak", "abc<BR>def", 10, "<BR>", 4},
    {"ebParagraph", "abc<P>def", 9, "<P>", 3},
    {"ebBold", "abc<B></B>def", 6, "<B></B>", 3},
    {"ebItalic", "abc<I></I>def", 6, "<I></I>", 3},
    {"ebUnderline", "abc<U></U>def", 6, "<U></U>", 3},
    {"ebPreform", "abc<PRE></PRE>def", 8, "<PRE></PRE>", 5},
    {"ebSub", "abc<SUB></SUB>def", 8, "<SUB></SUB>", 5},
    {"ebSuper", "abc<SUP></SUP>def", 8, "<SUP></SUP>", 5},
    {"ebStrong", "abc<STRONG></STRONG>def", 11, "<STRONG></STRONG>", 8},
    {"ebEmp", "abc<EM></EM>def", 7, "<EM></EM>", 4},
    {"ebTR", "abc<TR></TR>def", 7, "<TR></TR>", 4},
    {"ebTD", "abc<TD></TD>def", 7, "<TD></TD>", 4},
    {"ebOrdlist", "abc<OL></OL>def", 7, "<OL></OL>", 4},
    {"ebUnordlist", "abc<UL></UL>def", 7, "<UL></UL>", 4},
    {"ebListitem", "abc<LI>def", 7, "<LI>", 4},
    {"ebMenu", "abc<MENU></MENU>def", 9, "<MENU></MENU>", 6},
    {"ebDir", "abc<DIR></DIR>def", 8, "<DIR></DIR>", 5},
};

const TagButton &row(const char *name)
{
    for (const TagButton &button : tagButtons()) {
        if (qstrcmp(button.name, name) == 0)
            return button;
    }
    throw std::runtime_error(std::string("no row ") + name);
}

TEST(TagButtonTable, EveryAtCaretRowInTheMiddleOfALine)
{
    for (const Expected &expected : AtCaretRows) {
        MemoryText text("abcdef", 0, 3);
        insertTagButton(text, row(expected.name));
        EXPECT_EQ(text.text(), expected.line) << expected.name;
        EXPECT_EQ(text.caretBlock(), 0) << expected.name;
        EXPECT_EQ(text.caretColumn(), expected.column) << expected.name;
    }
}

TEST(TagButtonTable, EveryAtCaretRowInAnEmptyDocument)
{
    for (const Expected &expected : AtCaretRows) {
        MemoryText text;
        insertTagButton(text, row(expected.name));
        EXPECT_EQ(text.text(), expected.alone) << expected.name;
        EXPECT_EQ(text.caretColumn(), expected.aloneColumn) << expected.name;
    }
}

TEST(TagButtonTable, HoldsExactlyTheRuleAndTheAtCaretRows)
{
    ASSERT_EQ(tagButtons().size(), std::size(AtCaretRows) + 1);
    for (const TagButton &button : tagButtons()) {
        const bool rule = qstrcmp(button.name, "ebHRule") == 0;
        EXPECT_EQ(button.insertion == TagInsertion::RuleLine, rule) << button.name;
    }
}

TEST(TagButtonTable, PlainRuleIsALineAboveTheCaretLine)
{
    MemoryText text("abcdef", 0, 3);
    insertTagButton(text, row("ebHRule"));
    EXPECT_EQ(text.text(), "<HR>\nabcdef");
    EXPECT_EQ(text.caretBlock(), 1);
    EXPECT_EQ(text.caretColumn(), 0);

    MemoryText empty;
    insertTagButton(empty, row("ebHRule"));
    EXPECT_EQ(empty.text(), "<HR>\n");
}

TEST(TagButtonTable, RuleHeightIsWrittenAsTyped)
{
    EXPECT_EQ(ruleTag("1"), "<HR SIZE=1>");
    EXPECT_EQ(ruleTag(""), "<HR SIZE=>");
    EXPECT_EQ(ruleTag(" 2 px\""), "<HR SIZE= 2 px\">");
}

TEST(TagButtonTable, HandlersOwnTheirButtonsOnly)
{
    const char *const structure[] = {"ebLinebreak", "ebParagraph", "ebHRule",
                                     "ebBold",      "ebItalic",    "ebUnderline"};
    for (const char *name : structure) {
        EXPECT_NE(findTagButton(TagHandler::DocStruc, name), nullptr) << name;
        EXPECT_EQ(findTagButton(TagHandler::DocFont, name), nullptr) << name;
    }
    for (const char *name : {"ebPreform", "ebSub", "ebSuper", "ebStrong", "ebEmp"})
        EXPECT_NE(findTagButton(TagHandler::DocFont, name), nullptr) << name;
    EXPECT_EQ(findTagButton(TagHandler::DocStruc, "ebPreform"), nullptr);
    EXPECT_EQ(findTagButton(TagHandler::TableRow, "ebTD"), nullptr);
    const TagButton *data = findTagButton(TagHandler::TableData, "ebTD");
    ASSERT_NE(data, nullptr);
    EXPECT_EQ(data->text, std::string("<TD></TD>"));
    EXPECT_EQ(findTagButton(TagHandler::DocStruc, "ebbold"), nullptr);
}

} // namespace
