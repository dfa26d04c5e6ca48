#pragma once

#include "core/color_value.h"
#include "core/page_markup.h"

// The page QuickDocument writes; the colours start as the dialog's swatches do.
struct QuickDocValues {
    QString title;
    QString description;
    QString mainHeading;
    QString backImage;
    bool useColor = false;
    quint32 background = colorValue(255, 255, 255);
    quint32 text = colorValue(0, 0, 0);
    quint32 link = colorValue(0, 0, 255);
    quint32 activeLink = colorValue(0, 128, 0);
    quint32 visitedLink = colorValue(128, 0, 128);
};

// The opening BODY tag: the background image always, the five colours when they are used.
QString quickDocBody(const QuickDocValues &values);

// The 18 lines that replace the document, with the author and e-mail from the settings.
QStringList quickDocLines(const QuickDocValues &values, const QString &author, const QString &email,
                          const PageStamp &created);
