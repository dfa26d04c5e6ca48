#pragma once

#include <QString>
#include <QStringList>
#include <optional>

struct GalleryValues {
    QStringList images; // file names, in gallery order
    QString title;
    int perRow = 4; // 1 to 255
    bool useBorder = true;
    QString border;   // written unchanged when useBorder is set
    QString imageUrl; // put before every file name
    QString linkUrl;  // no links when empty
};

// The heading, then a table of the images perRow to a row, each cell linked when a link URL is
// given.
QStringList galleryLines(const GalleryValues &values);

// The number of images in a row as typed: a whole number from 1 to 255, or nothing. The row
// counter is held in one byte and needs at least one image per row.
std::optional<int> galleryRowCount(const QString &text);

// The file list's name filters for a mask such as "*.jpg;*.gif". "*.*" means every file, as it
// does where the mask comes from, dotless names included.
QStringList maskFilters(const QString &mask);
