#pragma once

#include <QString>
#include <span>

class TextInsertion;

// How a tag button looks: its caption in blue (plain, bold, italic or underlined), or a picture.
enum class TagFace { Blue, BlueBold, BlueItalic, BlueUnderline, Picture };

// AtCaret splices the text into the caret's line; RuleLine puts a whole line above it, whose
// height the user is asked for when the Netscape extensions are on.
enum class TagInsertion { AtCaret, RuleLine };

// Caret rule of an AtCaret button: to the end of the line, or this many characters behind the
// insertion column.
inline constexpr int EndOfLine = -1;

// The document window's handler a button's click runs; each handler owns its own buttons.
enum class TagHandler {
    DocStruc,
    DocFont,
    TableRow,
    TableData,
    OrderedList,
    UnOrderedList,
    ListItem,
    MenuList,
    DirectoryList,
};

struct TagButton {
    const char *page; // objectName of the tab page
    const char *name;
    TagHandler handler;
    const char *hint;
    const char *caption;
    TagFace face;
    const char *text;
    TagInsertion insertion;
    int caret;
};

// Every fixed-text tag button of the tag pages, page by page in display order.
std::span<const TagButton> tagButtons();

// The row of handler whose button is called name, or nullptr.
const TagButton *findTagButton(TagHandler handler, const QString &name);

// Writes the row's text with its caret rule.
void insertTagButton(TextInsertion &target, const TagButton &button);

// The rule line for a height typed by the user, written exactly as typed.
QString ruleTag(const QString &height);
