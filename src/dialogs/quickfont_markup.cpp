#include "dialogs/quickfont_markup.h"

#include "core/color_value.h"

QString quickFontTag(const QuickFontValues &values)
{
    return QStringLiteral("<FONT SIZE=\"%1\" COLOR=\"%2\" FACE=\"%3\">")
        .arg(values.size, ColorToHTML(values.color), values.face);
}
