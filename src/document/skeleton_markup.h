#pragma once

#include <QDateTime>
#include <QLocale>
#include <QStringList>

// The maker's web site, named in generated pages.
inline constexpr const char *MakerUrl = "http://www.corvane.com/";

// "{date}, {time}" as the user's regional settings write them: the short date and the long
// time without a time-zone part.
QString regionalDate(const QDateTime &when, const QLocale &locale);
QString regionalTime(const QDateTime &when, const QLocale &locale);

// The 18 lines of a new document, indentation included.
QStringList skeletonLines(const QString &author, const QString &email, const QString &date,
                          const QString &time);
