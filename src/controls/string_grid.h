#pragma once

#include <QHash>
#include <QPoint>
#include <QStringList>
#include <QTableWidget>

// An editable text grid as a user of spreadsheets expects it: no header rows or columns, every
// cell takes typing, the editor stays open on the current cell, Tab and the arrow keys move
// between cells (Left and Right once the caret stands at the edge of the cell's text).
class TStringGrid : public QTableWidget {
    Q_OBJECT

public:
    TStringGrid(const char *name, QWidget *parent = nullptr);

    QString Cell(int column, int row) const;
    void setCell(int column, int row, const QString &text);
    // The texts of the current size, row by row.
    QList<QStringList> Rows() const;
    // Resizes the grid. Cells that fall outside are put aside and come back when the grid grows
    // over them again: retyping a count digit by digit passes through smaller sizes.
    void setCellCount(int columns, int rows);

protected:
    // Coming into the grid opens the current cell's editor, ready for typing.
    void focusInEvent(QFocusEvent *event) override;

private:
    QHash<QPoint, QString> m_putAside; // by column and row
};
