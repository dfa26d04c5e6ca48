#include "dialogs/heading_markup.h"

QString headingLine(const HeadingValues &values)
{
    const QString level = values.size.left(1);
    return QStringLiteral("<H%1>%2</H%1>").arg(level, values.text);
}
