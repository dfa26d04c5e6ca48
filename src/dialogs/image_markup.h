#pragma once

#include <QString>

struct ImageValues {
    QString source;
    QString altText;
};

// "<IMG SRC="{source}">", with " ALT="{alt}"" before the ">" when there is an alternate text.
QString imageElement(const ImageValues &values);
