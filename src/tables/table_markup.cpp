#include "tables/table_markup.h"

#include "core/command_error.h"

namespace {

// Only the letters a to z: accented letters stay as typed.
QString asciiUpper(QString text)
{
    for (QChar &c : text) {
        if (c >= QLatin1Char('a') && c <= QLatin1Char('z'))
            c = QChar(c.unicode() - 'a' + 'A');
    }
    return text;
}

} // namespace

QStringList quickTableLines(const TTableData &data)
{
    QStringList lines;
    lines << QStringLiteral("<TABLE BORDER=%1 CELLPADDING=%2 CELLSPACING=%3>")
                 .arg(data.Border, data.Padding, data.Spacing);
    if (!data.Caption.isEmpty())
        lines << QStringLiteral("  <CAPTION>") + data.Caption + QStringLiteral("</CAPTION>");
    const QString cellStart =
        data.ColorChosen ? QStringLiteral("    <TD BGCOLOR=") + data.Color + QLatin1Char('>')
                         : QStringLiteral("    <TD>");
    for (const QStringList &row : data.Cells) {
        lines << QStringLiteral("  <TR>");
        for (const QString &cell : row)
            lines << cellStart + cell + QStringLiteral("</TD>");
        lines << QStringLiteral("  </TR>");
    }
    lines << QStringLiteral("</TABLE>");
    return lines;
}

int gridCount(const QString &typed, const QString &what)
{
    bool isNumber = false;
    const qlonglong count = typed.toLongLong(&isNumber);
    if (!isNumber)
        throw CommandError(QStringLiteral("\"%1\" is not a whole number of %2.").arg(typed, what));
    if (count > MaxGridCount)
        throw CommandError(QStringLiteral("A table can have at most %1 %2; %3 is too many.")
                               .arg(QString::number(MaxGridCount), what, typed));
    return count < 1 ? 1 : int(count);
}

QString tableLine(const TableValues &values)
{
    QString line = QStringLiteral("<TABLE");
    const auto add = [&line](const char *attribute, const QString &value, bool quoted = false) {
        if (value.isEmpty())
            return;
        const QString shown = quoted ? QLatin1Char('"') + value + QLatin1Char('"') : value;
        line += QLatin1Char(' ') + QLatin1String(attribute) + QLatin1Char('=') + shown;
    };
    if (values.border)
        line += QStringLiteral(" BORDER=") + values.borderWidth;
    add("ALIGN", asciiUpper(values.align));
    add("COLSPEC", values.colSpec, true);
    add("CELLPADDING", values.padding);
    add("CELLSPACING", values.spacing);
    add("WIDTH", values.width);
    add("HEIGHT", values.height);
    add("BGCOLOR", values.color, true);
    return line + QStringLiteral("></TABLE>");
}

QString captionLine(const CaptionValues &values)
{
    QString line = QStringLiteral("<CAPTION");
    if (!values.align.isEmpty())
        line += QStringLiteral(" ALIGN=") + asciiUpper(values.align);
    return line + QLatin1Char('>') + values.caption + QStringLiteral("</CAPTION>");
}
