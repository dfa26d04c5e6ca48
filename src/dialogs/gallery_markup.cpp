#include "dialogs/gallery_markup.h"

#include <algorithm>

namespace {

QString cellLine(const GalleryValues &values, const QString &image)
{
    const QString picture =
        QStringLiteral("<IMG SRC=\"") + values.imageUrl + image + QStringLiteral("\">");
    if (values.linkUrl.isEmpty())
        return QStringLiteral("    <TD>") + picture + QStringLiteral("</TD>");
    return QStringLiteral("    <TD><A HREF=\"") + values.linkUrl + QStringLiteral("\">") + picture +
           QStringLiteral("</A></TD>");
}

} // namespace

QStringList galleryLines(const GalleryValues &values)
{
    QStringList lines{QStringLiteral("<H1>") + values.title + QStringLiteral("</H1>"),
                      QStringLiteral("<TABLE BORDER=") +
                          (values.useBorder ? values.border : QStringLiteral("0")) +
                          QLatin1Char('>')};
    int column = 1;
    for (const QString &image : values.images) {
        if (column == values.perRow + 1) {
            lines.append(QStringLiteral("  </TR>"));
            column = 1;
        }
        if (column == 1)
            lines.append(QStringLiteral("  <TR>"));
        lines.append(cellLine(values, image));
        ++column;
    }
    if (!values.images.isEmpty())
        lines.append(QStringLiteral("  </TR>"));
    lines.append(QStringLiteral("</TABLE>"));
    return lines;
}

std::optional<int> galleryRowCount(const QString &text)
{
    bool ok = false;
    const int count = text.toInt(&ok);
    if (!ok || count < 1 || count > 255)
        return std::nullopt;
    return count;
}

QStringList maskFilters(const QString &mask)
{
    QStringList filters = mask.split(QLatin1Char(';'), Qt::SkipEmptyParts);
    std::replace(filters.begin(), filters.end(), QStringLiteral("*.*"), QStringLiteral("*"));
    return filters;
}
