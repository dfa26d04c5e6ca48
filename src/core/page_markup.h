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

// When a generated page says it was created.
struct PageStamp {
    QString date;
    QString time;
};
// Now, in the system's regional formats.
PageStamp regionalNow();

// What a generated page is made of besides its fixed lines.
struct PageTexts {
    QString title;
    QString description;
    QString mainHeading;
    QString bodyTag; // the whole opening BODY tag
    QString author;
    QString email;
    PageStamp created;
};

// The 18 lines of a whole page, indentation included; values are written as they are.
QStringList pageLines(const PageTexts &texts);
