#include "document/skeleton_markup.h"

QStringList skeletonLines(const QString &author, const QString &email, const QString &date,
                          const QString &time)
{
    return pageLines({QStringLiteral("enter the document title here"),
                      QStringLiteral("enter the document description here"),
                      QStringLiteral("enter the main heading here"),
                      QStringLiteral("<BODY>"),
                      author,
                      email,
                      {date, time}});
}
