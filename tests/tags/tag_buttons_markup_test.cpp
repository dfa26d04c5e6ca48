#include "core/memory_text.h"
#include "tags/tag_buttons_markup.h"

#include <gtest/gtest.h>

namespace {

// "abcdef" with the caret after "abc", afterwards.
struct Expected {
    const char *name;
    const char *line;
    int column;
};

const Expected AtCaretRows[] = {
    {"ebLinebreak", "abc<BR>def", 10},
    {"ebParagraph", "abc<P>def", 9},
    {"ebBold", "abc<B></B>def", 6},
    {"ebItalic", "abc<I></I>def", 6},
    {"ebUnderline", "abc<U></U>def", 6},
    {"ebPreform", "abc<PRE></PRE>def", 8},
    {"ebSub", "abc<SUB></SUB>def", 8},
    {"ebSuper", "abc<SUP></SUP>def", 8},
    {"ebStrong", "abc<STRONG></STRONG>def", 11},
    {"ebEmp", "abc<EM></EM>def", 7},
    {"ebTR", "abc<TR></TR>def", 7},
    {"ebTD", "abc<TD></TD>def", 7},
    {"ebOrdlist", "abc<OL></OL>def", 7},
    {"ebUnordlist", "abc<UL></UL>def", 7},
    {"ebListitem", "abc<LI>def", 7},
    {"ebMenu", "abc<MENU></MENU>def", 9},
    {"ebDir", "abc<DIR></DIR>def", 8},
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
    ASSERT_EQ(tagButtons().size(), std::size(AtCaretRows) + 1);
    for (const Expected &expected : AtCaretRows) {
        MemoryText text("abcdef", 0, 3);
        EXPECT_EQ(row(expected.name).insertion, TagInsertion::AtCaret) << expected.name;
        insertTagButton(text, row(expected.name));
        EXPECT_EQ(text.text(), expected.line) << expected.name;
        EXPECT_EQ(text.caretColumn(), expected.column) << expected.name;
    }
}

TEST(TagButtonTable, PlainRuleIsALineAboveTheCaretLineAndAHeightIsWrittenAsTyped)
{
    MemoryText text("abcdef", 0, 3);
    insertTagButton(text, row("ebHRule"));
    EXPECT_EQ(text.text(), "<HR>\nabcdef");
    EXPECT_EQ(text.caretBlock(), 1);
    EXPECT_EQ(text.caretColumn(), 0);

    EXPECT_EQ(ruleTag("1"), "<HR SIZE=1>");
    EXPECT_EQ(ruleTag(""), "<HR SIZE=>");
    EXPECT_EQ(ruleTag(" 2 px\""), "<HR SIZE= 2 px\">");
}

} // namespace
