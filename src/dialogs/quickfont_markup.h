#pragma once

#include <QString>
#include <QtGlobal>

struct QuickFontValues {
    QString size; // the size box's text, unchanged
    quint32 color;
    QString face;
};

// "<FONT SIZE="{size}" COLOR="{colour}" FACE="{face}">"; the user closes the element himself.
QString quickFontTag(const QuickFontValues &values);
