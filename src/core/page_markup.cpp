#include "core/page_markup.h"

namespace {

// Drops the time-zone fields ('t') and the blank before them from a time format,
// leaving quoted text alone.
QString withoutTimeZone(const QString &format)
{
    QString result;
    bool quoted = false;
    for (const QChar ch : format) {
        if (ch == QLatin1Char('\''))
            quoted = !quoted;
        if (!quoted && ch == QLatin1Char('t')) {
            while (result.endsWith(QLatin1Char(' ')))
                result.chop(1);
            continue;
        }
        result += ch;
    }
    return result.trimmed();
}

} // namespace

QString regionalDate(const QDateTime &when, const QLocale &locale)
{
    return locale.toString(when.date(), QLocale::ShortFormat);
}

QString regionalTime(const QDateTime &when, const QLocale &locale)
{
    return locale.toString(when.time(), withoutTimeZone(locale.timeFormat(QLocale::LongFormat)));
}

PageStamp regionalNow()
{
    const QDateTime now = QDateTime::currentDateTime();
    const QLocale locale = QLocale::system();
    return {regionalDate(now, locale), regionalTime(now, locale)};
}

QStringList pageLines(const PageTexts &texts)
{
    return {
        QStringLiteral("<!DOCTYPE HTML PUBLIC \"-//IETF//DTD HTML 3.0//EN\">"),
        QStringLiteral("<!-- Document created : ") + texts.created.date + QStringLiteral(", ") +
            texts.created.time + QStringLiteral(" -->"),
        QStringLiteral("<HTML>"),
        QStringLiteral("  <HEAD>"),
        QStringLiteral("    <TITLE>") + texts.title + QStringLiteral("</TITLE>"),
        QStringLiteral("    <META NAME=\"Author\" CONTENT=\"") + texts.author +
            QStringLiteral("\">"),
        QStringLiteral("    <META NAME=\"DESCRIPTION\" CONTENT=\"") + texts.description +
            QStringLiteral("\">"),
        QStringLiteral("  </HEAD>"),
        QStringLiteral("  ") + texts.bodyTag,
        QStringLiteral("    <H1>") + texts.mainHeading + QStringLiteral("</H1>"),
        QStringLiteral("    <HR>"),
        QStringLiteral("    <HR>"),
        QStringLiteral("    <CENTER><FONT SIZE=2>"),
        QStringLiteral("      This page was created with <A HREF=\"") + QLatin1String(MakerUrl) +
            QStringLiteral("\">Corvane's Pagewick</A>.<BR>"),
        QStringLiteral("      Page (C) by <A HREF=\"mailto:") + texts.email +
            QStringLiteral("\">") + texts.author + QStringLiteral("</A>."),
        QStringLiteral("    </FONT></CENTER>"),
        QStringLiteral("  </BODY>"),
        QStringLiteral("</HTML>"),
    };
}
