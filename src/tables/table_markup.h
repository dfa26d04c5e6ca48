#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// What QuickTable writes: the settings as typed and the grid's cells, row by row (each row holds
// one text per column of the grid).
struct TTableData {
    QString Border = QStringLiteral("1");
    QString Padding = QStringLiteral("0");
    QString Spacing = QStringLiteral("0");
    QString Caption;
    // Only a colour picked through the colour button colours the cells; the text is the colour
    // box's as it stands at OK.
    bool ColorChosen = false;
    QString Color;
    QList<QStringList> Cells;
};

// The table as consecutive lines: start tag, caption line when given, one TR block per row with
// one TD line per cell, end tag.
QStringList quickTableLines(const TTableData &data);

// The largest column or row count a QuickTable grid takes.
constexpr int MaxGridCount = 255;

// The grid count a typed text asks for: below 1 gives 1. Text that is not a whole number, or a
// count above MaxGridCount, raises a CommandError naming what (such as "columns").
int gridCount(const QString &typed, const QString &what);

struct TableValues {
    bool border = true;
    QString borderWidth = QStringLiteral("1");
    QString align;
    QString colSpec;
    QString padding;
    QString spacing;
    QString width;
    QString height;
    QString color;
};

// One empty TABLE element on one line with the attributes that are given.
QString tableLine(const TableValues &values);

struct CaptionValues {
    QString align = QStringLiteral("top");
    QString caption;
};

// One CAPTION element, its ALIGN only when given.
QString captionLine(const CaptionValues &values);
