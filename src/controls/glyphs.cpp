#include "controls/glyphs.h"

#include <QPainter>
#include <QSvgRenderer>

#include <iterator>

namespace {

// File names under :/glyphs/, in the order of Glyph.
constexpr const char *Names[] = {
    "new",         "open",          "save",       "print",      "preview",       "exit",
    "search",      "replace",       "indent",     "unindent",   "copy",          "cut",
    "paste",       "undo",          "components", "linebreak",  "tablerow",      "tabledata",
    "orderedlist", "unorderedlist", "listitem",   "menulist",   "directorylist", "imggallery",
    "anchor",      "image",         "quickdoc",   "quickfont",  "party",         "colormixer",
    "quickform",   "form",          "textarea",   "hiddentext", "textbox",       "checkbox",
    "radiobutton", "dropdown",      "submit",     "reset",      "insert",        "quicktable",
    "table",       "tablecaption",  "frameset",   "frame",      "noframes",      "resetlist",
    "upload",      "file",          "app",        "document",
};
static_assert(std::size(Names) == std::size_t(Glyph::DocumentIcon) + 1);

} // namespace

QIcon glyphIcon(Glyph glyph)
{
    return QIcon(QStringLiteral(":/glyphs/%1.svg").arg(QLatin1String(Names[int(glyph)])));
}

QPixmap toolbarBackground(int width, int height)
{
    QPixmap pixmap(width, height);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    QSvgRenderer(QStringLiteral(":/glyphs/toolbar.svg")).render(&painter);
    return pixmap;
}
