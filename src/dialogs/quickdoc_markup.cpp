#include "dialogs/quickdoc_markup.h"

QString quickDocBody(const QuickDocValues &values)
{
    QString tag = QStringLiteral("<BODY BACKGROUND=\"") + values.backImage + QLatin1Char('"');
    if (values.useColor) {
        tag += QStringLiteral(" BGCOLOR=\"%1\" TEXT=\"%2\" LINK=\"%3\" VLINK=\"%4\" ALINK=\"%5\"")
                   .arg(ColorToHTML(values.background), ColorToHTML(values.text),
                        ColorToHTML(values.link), ColorToHTML(values.visitedLink),
                        ColorToHTML(values.activeLink));
    }
    return tag + QLatin1Char('>');
}

QStringList quickDocLines(const QuickDocValues &values, const QString &author, const QString &email,
                          const PageStamp &created)
{
    return pageLines({values.title, values.description, values.mainHeading, quickDocBody(values),
                      author, email, created});
}
