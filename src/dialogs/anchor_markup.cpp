#include "dialogs/anchor_markup.h"

QString anchorElement(const AnchorValues &values)
{
    QString element = QStringLiteral("<A HREF=\"") + values.link + QLatin1Char('"');
    if (!values.target.isEmpty())
        element += QStringLiteral(" TARGET=\"") + values.target + QLatin1Char('"');
    if (!values.name.isEmpty())
        element += QStringLiteral(" NAME=\"") + values.name + QLatin1Char('"');
    return element + QLatin1Char('>') + values.description + QStringLiteral("</A>");
}
