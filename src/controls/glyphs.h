#pragma once

#include <QIcon>
#include <QPixmap>

// Our own tool-bar pictures, shipped as SVG resources.
enum class Glyph {
    New,
    Open,
    Save,
    Print,
    Preview,
    Exit,
    Search,
    Replace,
    Indent,
    UnIndent,
    Copy,
    Cut,
    Paste,
    Undo,
    Components,
    LineBreak,
    TableRow,
    TableData,
    OrderedList,
    UnorderedList,
    ListItem,
    MenuList,
    DirectoryList,
    ImgGallery,
    Anchor,
    Image,
    QuickDoc,
    QuickFont,
    Party,
    ColorMixer,
    QuickForm,
    Form,
    TextArea,
    HiddenText,
    TextBox,
    CheckBox,
    RadioButton,
    DropDown,
    Submit,
    Reset,
    Insert,
    QuickTable,
    Table,
    TableCaption,
    FrameSet,
    Frame,
    NoFrames,
    ResetList,
    Upload,
    File,
    AppIcon,
    DocumentIcon
};

QIcon glyphIcon(Glyph glyph);
// The picture behind the frame's tool bar.
QPixmap toolbarBackground(int width, int height);
