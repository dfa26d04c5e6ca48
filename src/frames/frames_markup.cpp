#include "frames/frames_markup.h"

#include "core/text_lines.h"

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

QStringList noFramesMessage()
{
    return {QStringLiteral("<H1><BLINK>Frame-Warning</BLINK></H1>"),
            QStringLiteral("This site needs a <I>Frame</I>-capable Browser."),
            QStringLiteral("You can download <A HREF=\"http://home.netscape.com/\">Netscape "
                           "Navigator</A> to view this site.")};
}

QStringList noFramesLines(QStringList message)
{
    textlines::dropFinalEmptyLine(message);
    for (QString &line : message)
        line.prepend(QStringLiteral("  "));
    message.prepend(QStringLiteral("<NOFRAMES>"));
    message.append(QStringLiteral("</NOFRAMES>"));
    return message;
}
