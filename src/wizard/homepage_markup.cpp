#include "wizard/homepage_markup.h"

#include "core/text_lines.h"

namespace {

QString indented(int blanks, const QString &text)
{
    return QString(blanks, QLatin1Char(' ')) + text;
}

QString heading(const QString &level, const QString &text, bool centered)
{
    const QString tag = QStringLiteral("<H%1>%2</H%1>").arg(level, text);
    return indented(4, centered ? QStringLiteral("<CENTER>") + tag + QStringLiteral("</CENTER><BR>")
                                : tag + QStringLiteral("<BR>"));
}

void addPicture(QStringList &lines, const HomepageValues &values)
{
    const QString image = QStringLiteral("<IMG SRC=\"") + values.picture +
                          QStringLiteral("\" ALT=\"[picture]\">") +
                          (values.useCaption ? values.caption : QString());
    if (!values.centerPicture) {
        lines << indented(4, image);
        return;
    }
    lines << indented(4, QStringLiteral("<CENTER>")) << indented(6, image)
          << indented(4, QStringLiteral("</CENTER>"));
}

void addParagraph(QStringList &lines, QStringList paragraph)
{
    textlines::dropFinalEmptyLine(paragraph);
    lines << indented(4, QStringLiteral("<P>"));
    for (const QString &line : std::as_const(paragraph))
        lines << indented(4, line + QStringLiteral("<BR>"));
}

void addAuthor(QStringList &lines, const HomepageValues &values)
{
    lines << indented(4, QStringLiteral("<HR>")) << indented(4, QStringLiteral("<ADDRESS>"))
          << indented(6, values.name + QStringLiteral("<BR>"))
          << indented(6, QStringLiteral("<A HREF=\"mailto:") + values.email +
                             QStringLiteral("\">") + values.email + QStringLiteral("</A><BR>"))
          << indented(4, QStringLiteral("</ADDRESS>"));
}

} // namespace

QStringList homepageLines(const HomepageValues &values, const PageStamp &created)
{
    QStringList lines = {
        QStringLiteral("<!DOCTYPE HTML PUBLIC \"-//IETF//DTD HTML 3.0//EN\">"),
        QStringLiteral("<!-- Document created : ") + created.date + QStringLiteral(", ") +
            created.time + QStringLiteral(" -->"),
        QStringLiteral("<HTML>"),
        QStringLiteral("  <HEAD>"),
        QStringLiteral("    <TITLE>") + values.title + QStringLiteral("</TITLE>"),
    };
    if (values.useAuthor)
        lines << QStringLiteral("    <META NAME=\"Author\" CONTENT=\"") + values.name +
                     QStringLiteral("\">");
    lines << QStringLiteral("  </HEAD>");
    // Without a background choice the page has no BODY start tag at all.
    if (values.colorBackground)
        lines << QStringLiteral("  <BODY BGCOLOR=\"#") + values.red + values.green + values.blue +
                     QStringLiteral("\">");
    else if (values.imageBackground)
        lines << QStringLiteral("  <BODY BACKGROUND=\"") + values.backgroundImage +
                     QStringLiteral("\">");
    lines << heading(QStringLiteral("1"), values.title, values.centerHeadings);
    if (!values.secondHeading.isEmpty())
        lines << heading(QStringLiteral("2"), values.secondHeading, values.centerHeadings);
    if (values.rules)
        lines << indented(4, QStringLiteral("<HR>"));
    if (values.usePicture)
        addPicture(lines, values);
    if (values.useParagraph)
        addParagraph(lines, values.paragraph);
    if (values.rules)
        lines << indented(4, QStringLiteral("<HR>"));
    if (values.useLink)
        lines << indented(4, QStringLiteral("<A HREF=\"") + values.url + QStringLiteral("\">") +
                                 values.description + QStringLiteral("</A>"));
    if (values.useAuthor)
        addAuthor(lines, values);
    lines << indented(4, QStringLiteral("<BR><BR>"))
          << indented(4,
                      QStringLiteral("Copyright &copy; by ") + values.name + QStringLiteral("<BR>"))
          << indented(4, QStringLiteral("This homepage was created with Pagewick<BR>"))
          << QStringLiteral("  </BODY>") << QStringLiteral("</HTML>");
    return lines;
}
