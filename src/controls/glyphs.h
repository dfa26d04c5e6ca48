#pragma once

#include <QIcon>
#include <QPixmap>

// Our own tool-bar pictures, drawn in code so they scale cleanly.
enum class Glyph {
    New, Open, Save, Print, Exit,
    Search, Replace, Indent, UnIndent, Copy, Cut, Paste, Undo, Components,
    LineBreak, TableRow, TableData, OrderedList, UnorderedList, ListItem, MenuList, DirectoryList,
    AppIcon, DocumentIcon
};

QIcon glyphIcon(Glyph glyph);
QPixmap glyphPixmap(Glyph glyph, int size);
// The picture behind the frame's tool bar.
QPixmap toolbarBackground(int width, int height);
