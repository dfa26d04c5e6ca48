#pragma once

#include "controls/std_dialog.h"
#include "tables/table_markup.h"
#include "tables/table_rows.h"

class ColorLabel;
class QLineEdit;
class QPushButton;
class TStringGrid;
class TUpDown;

// QuickTable: the table's settings and its cells typed into a grid.
class TTableEdit : public TStdDialog {
    Q_OBJECT

public:
    explicit TTableEdit(QWidget *parent = nullptr);

    QLineEdit *eNrCols;
    TUpDown *udCols;
    QLineEdit *eNrRows;
    TUpDown *udRows;
    QLineEdit *eCellPadding;
    TUpDown *udPadding;
    QLineEdit *eCellSpacing;
    TUpDown *udSpacing;
    QLineEdit *eBorderWidth;
    TUpDown *udWidth;
    QLineEdit *eCaption;
    QLineEdit *eCellCol;
    ColorLabel *eColor;
    QPushButton *sbChooseCol;
    TStringGrid *sgTable;

    // Sizes the grid from the typed count of the box that changed; a text that is no count
    // is reported and the grid keeps its size and cells.
    void TableChange(QLineEdit *Sender);
    void sbChooseColClick();
    TTableData GetTableData() const;

private:
    ColorRow m_color;
    // Set only by a colour picked through sbChooseCol: a typed colour colours nothing.
    bool m_colorChosen = false;
};
