#include "document/skeleton_markup.h"

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

QStringList skeletonLines(const QString &author, const QString &email, const QString &date,
                          const QString &time)
{
    return {
        QStringLiteral("<!DOCTYPE HTML PUBLIC \"-//IETF//DTD HTML 3.0//EN\">"),
        QStringLiteral("<!-- Document created : %1, %2 -->").arg(date, time),
        QStringLiteral("<HTML>"),
        QStringLiteral("  <HEAD>"),
        QStringLiteral("    <TITLE>enter the document title here</TITLE>"),
        QStringLiteral("    <META NAME=\"Author\" CONTENT=\"") + author + QStringLiteral("\">"),
        QStringLiteral("    <META NAME=\"DESCRIPTION\" CONTENT=\"enter the document description "
                       "here\">"),
        QStringLiteral("  </HEAD>"),
        QStringLiteral("  <BODY>"),
        QStringLiteral("    <H1>enter the main heading here</H1>"),
        QStringLiteral("    <HR>"),
        QStringLiteral("    <HR>"),
        QStringLiteral("    <CENTER><FONT SIZE=2>"),
        QStringLiteral("      This page was created with <A HREF=\"") + QLatin1String(MakerUrl) +
            QStringLiteral("\">Corvane's Pagewick</A>.<BR>"),
        QStringLiteral("      Page (C) by <A HREF=\"mailto:") + email + QStringLiteral("\">") +
            author + QStringLiteral("</A>."),
        QStringLiteral("    </FONT></CENTER>"),
        QStringLiteral("  </BODY>"),
        QStringLiteral("</HTML>"),
    };
}
