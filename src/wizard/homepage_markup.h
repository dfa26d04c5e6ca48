#pragma once

#include "core/page_markup.h"

#include <QStringList>

// What the homepage wizard's boxes hold when it closes, whether their controls are enabled or
// not; texts are written as typed. The start values are the wizard's opening state.
struct HomepageValues {
    QString title;
    QString secondHeading; // left out when empty
    bool centerHeadings = true;
    bool rules = true;
    bool colorBackground = false;
    QString red = QStringLiteral("FF"), green = QStringLiteral("FF"), blue = QStringLiteral("FF");
    bool imageBackground = false;
    QString backgroundImage;
    bool usePicture = false;
    QString picture;
    bool useCaption = false;
    QString caption;
    bool centerPicture = false;
    bool useParagraph = false;
    // The lines the paragraph box displays, wrapped lines apart; a final empty line is the
    // one after the last line break and is not written.
    QStringList paragraph;
    bool useLink = false;
    QString url;
    QString description;
    bool useAuthor = false;
    QString name; // also signs the copyright line
    QString email;
};

// The whole home page, line by line, indentation included.
QStringList homepageLines(const HomepageValues &values, const PageStamp &created);
