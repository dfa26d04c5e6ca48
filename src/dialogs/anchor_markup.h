#pragma once

#include <QString>

struct AnchorValues {
    QString link;
    QString description;
    QString target;
    QString name;
};

// "<A HREF="{link}"", then " TARGET="{target}"" and " NAME="{name}"" when not empty, then
// ">{description}</A>".
QString anchorElement(const AnchorValues &values);
