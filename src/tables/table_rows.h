#pragma once

#include <QString>

class ColorLabel;
class DialogRows;
class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

// The colour row both table dialogs have: a free-text box, a swatch and a "..." button.
struct ColorRow {
    QLabel *label;
    QLineEdit *edit;
    ColorLabel *swatch;
    QPushButton *button;
};

// Adds the row under its caption, whose &-key focuses the box.
ColorRow addColorRow(DialogRows &rows, const QString &caption, const char *editName,
                     const char *swatchName, const char *buttonName);

// Opens the colour dialog (from black each time); a colour picked goes into the box as its HTML
// text and onto the swatch. Returns whether one was picked.
bool pickColor(const ColorRow &row, QWidget *parent);
