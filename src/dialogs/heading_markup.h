#pragma once

#include <QString>

struct HeadingValues {
    QString size; // the level box's text; its first character is the level
    QString text;
};

// "<H{level}>{text}</H{level}>".
QString headingLine(const HeadingValues &values);
