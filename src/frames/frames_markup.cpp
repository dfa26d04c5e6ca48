#include "frames/frames_markup.h"

QString frameSetLine(const FrameSetValues &values)
{
    const QString attribute = values.rows ? QStringLiteral("ROWS") : QStringLiteral("Cols");
    return QStringLiteral("<FRAMESET %1=\"%2\">")
        .arg(attribute, values.sizes.join(QLatin1Char(',')));
}

QString frameLine(const FrameValues &values)
{
    QString line = QStringLiteral("<FRAME SRC=") + values.source;
    if (!values.name.isEmpty())
        line += QStringLiteral(" NAME=\"") + values.name + QLatin1Char('"');
    if (!values.marginWidth.isEmpty())
        line += QStringLiteral(" MARGINWIDTH=") + values.marginWidth;
    if (!values.marginHeight.isEmpty())
        line += QStringLiteral(" MARGINHEIGHT=") + values.marginHeight;
    if (!values.scrolling.isEmpty())
        line += QStringLiteral(" SCROLLING=") + values.scrolling;
    if (values.noResize)
        line += QStringLiteral(" NORESIZE");
    return line + QLatin1Char('>');
}

QString noFramesMessage()
{
    return QStringLiteral("<H1><BLINK>Frame-Warning</BLINK></H1>\n"
                          "This site needs a <I>Frame</I>-capable Browser.\n"
                          "You can download <A HREF=\"http://home.netscape.com/\">Netscape "
                          "Navigator</A> to view this site.");
}

QStringList noFramesLines(const QString &message)
{
    QStringList messageLines = message.split(QLatin1Char('\n'));
    if (messageLines.constLast().isEmpty())
        messageLines.removeLast();
    QStringList lines{QStringLiteral("<NOFRAMES>")};
    lines.reserve(messageLines.size() + 2);
    for (const QString &line : std::as_const(messageLines))
        lines.append(QStringLiteral("  ") + line);
    lines.append(QStringLiteral("</NOFRAMES>"));
    return lines;
}
