#include "dialogs/image_markup.h"

QString imageElement(const ImageValues &values)
{
    QString element = QStringLiteral("<IMG SRC=\"") + values.source + QLatin1Char('"');
    if (!values.altText.isEmpty())
        element += QStringLiteral(" ALT=\"") + values.altText + QLatin1Char('"');
    return element + QLatin1Char('>');
}
