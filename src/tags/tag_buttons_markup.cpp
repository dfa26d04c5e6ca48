#include "tags/tag_buttons_markup.h"

#include "core/insertion.h"

namespace {

using F = TagFace;
using I = TagInsertion;
using H = TagHandler;

const TagButton Buttons[] = {
    {"General", "ebLinebreak", H::DocStruc, "Insert a line break", "", F::Picture, "<BR>",
     I::AtCaret, EndOfLine},
    {"General", "ebParagraph", H::DocStruc, "Insert a paragraph", "\u00b6", F::Blue, "<P>",
     I::AtCaret, EndOfLine},
    {"General", "ebHRule", H::DocStruc, "Insert a horizontal rule", "-", F::BlueBold, "<HR>",
     I::RuleLine, 0},
    {"General", "ebBold", H::DocStruc, "Insert a bold tag", "B", F::BlueBold, "<B></B>", I::AtCaret,
     3},
    {"General", "ebItalic", H::DocStruc, "Insert an italic tag", "I", F::BlueItalic, "<I></I>",
     I::AtCaret, 3},
    {"General", "ebUnderline", H::DocStruc, "Insert an underline tag", "U", F::BlueUnderline,
     "<U></U>", I::AtCaret, 3},
    {"tsFont", "ebPreform", H::DocFont, "", "Preformatted", F::BlueBold, "<PRE></PRE>", I::AtCaret,
     5},
    {"tsFont", "ebSub", H::DocFont, "", "Subscript", F::BlueBold, "<SUB></SUB>", I::AtCaret, 5},
    {"tsFont", "ebSuper", H::DocFont, "", "Superscript", F::BlueBold, "<SUP></SUP>", I::AtCaret, 5},
    {"tsFont", "ebStrong", H::DocFont, "", "Strong", F::BlueBold, "<STRONG></STRONG>", I::AtCaret,
     8},
    {"tsFont", "ebEmp", H::DocFont, "", "Emphasis", F::BlueBold, "<EM></EM>", I::AtCaret, 4},
    {"tsTables", "ebTR", H::TableRow, "Table row", "", F::Picture, "<TR></TR>", I::AtCaret, 4},
    {"tsTables", "ebTD", H::TableData, "Table data", "", F::Picture, "<TD></TD>", I::AtCaret, 4},
    {"tsLists", "ebOrdlist", H::OrderedList, "Ordered list", "", F::Picture, "<OL></OL>",
     I::AtCaret, 4},
    {"tsLists", "ebUnordlist", H::UnOrderedList, "Unordered list", "", F::Picture, "<UL></UL>",
     I::AtCaret, 4},
    {"tsLists", "ebListitem", H::ListItem, "List item", "", F::Picture, "<LI>", I::AtCaret, 4},
    {"tsLists", "ebMenu", H::MenuList, "Menu list", "", F::Picture, "<MENU></MENU>", I::AtCaret, 6},
    {"tsLists", "ebDir", H::DirectoryList, "Directory list", "", F::Picture, "<DIR></DIR>",
     I::AtCaret, 5},
};

} // namespace

std::span<const TagButton> tagButtons()
{
    return Buttons;
}

const TagButton *findTagButton(TagHandler handler, const QString &name)
{
    for (const TagButton &button : Buttons) {
        if (button.handler == handler && name == QLatin1String(button.name))
            return &button;
    }
    return nullptr;
}

void insertTagButton(TextInsertion &target, const TagButton &button)
{
    const QString text = QString::fromUtf8(button.text);
    if (button.insertion == TagInsertion::RuleLine)
        target.InsertLine(text);
    else
        target.InsertAtCaret(text, button.caret != EndOfLine, button.caret);
}

QString ruleTag(const QString &height)
{
    return QStringLiteral("<HR SIZE=") + height + QLatin1Char('>');
}
