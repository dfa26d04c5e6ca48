#include "tags/tag_buttons_markup.h"

#include "core/insertion.h"

namespace {

using F = TagFace;
using I = TagInsertion;

const TagButton Buttons[] = {
    {"General", "ebLinebreak", "sbDocStrucClick", "Insert a line break", "", F::Picture, "<BR>",
     I::AtCaret, EndOfLine},
    {"General", "ebParagraph", "sbDocStrucClick", "Insert a paragraph", "\u00b6", F::Blue, "<P>",
     I::AtCaret, EndOfLine},
    {"General", "ebHRule", "sbDocStrucClick", "Insert a horizontal rule", "-", F::BlueBold, "<HR>",
     I::RuleLine, 0},
    {"General", "ebBold", "sbDocStrucClick", "Insert a bold tag", "B", F::BlueBold, "<B></B>",
     I::AtCaret, 3},
    {"General", "ebItalic", "sbDocStrucClick", "Insert an italic tag", "I", F::BlueItalic,
     "<I></I>", I::AtCaret, 3},
    {"General", "ebUnderline", "sbDocStrucClick", "Insert an underline tag", "U", F::BlueUnderline,
     "<U></U>", I::AtCaret, 3},
    {"tsFont", "ebPreform", "sbDocFontClick", "", "Preformatted", F::BlueBold, "<PRE></PRE>",
     I::AtCaret, 5},
    {"tsFont", "ebSub", "sbDocFontClick", "", "Subscript", F::BlueBold, "<SUB></SUB>", I::AtCaret,
     5},
    {"tsFont", "ebSuper", "sbDocFontClick", "", "Superscript", F::BlueBold, "<SUP></SUP>",
     I::AtCaret, 5},
    {"tsFont", "ebStrong", "sbDocFontClick", "", "Strong", F::BlueBold, "<STRONG></STRONG>",
     I::AtCaret, 8},
    {"tsFont", "ebEmp", "sbDocFontClick", "", "Emphasis", F::BlueBold, "<EM></EM>", I::AtCaret, 4},
    {"tsTables", "ebTR", "sbTableRowClick", "Table row", "", F::Picture, "<TR></TR>", I::AtCaret,
     4},
    {"tsTables", "ebTD", "sbTableDataClick", "Table data", "", F::Picture, "<TD></TD>", I::AtCaret,
     4},
    {"tsLists", "ebOrdlist", "sbOrderedListClick", "Ordered list", "", F::Picture, "<OL></OL>",
     I::AtCaret, 4},
    {"tsLists", "ebUnordlist", "sbUnOrderedListClick", "Unordered list", "", F::Picture,
     "<UL></UL>", I::AtCaret, 4},
    {"tsLists", "ebListitem", "sbListItemClick", "List item", "", F::Picture, "<LI>", I::AtCaret,
     4},
    {"tsLists", "ebMenu", "sbMenuListClick", "Menu list", "", F::Picture, "<MENU></MENU>",
     I::AtCaret, 6},
    {"tsLists", "ebDir", "sbDirectoryListClick", "Directory list", "", F::Picture, "<DIR></DIR>",
     I::AtCaret, 5},
};

} // namespace

std::span<const TagButton> tagButtons()
{
    return Buttons;
}

const TagButton *findTagButton(const QString &handler, const QString &name)
{
    for (const TagButton &button : Buttons) {
        if (handler == QLatin1String(button.handler) && name == QLatin1String(button.name))
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
