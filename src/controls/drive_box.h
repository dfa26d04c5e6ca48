#pragma once

#include <QString>

class QComboBox;

// Fills a drive box with the mounted volumes that hold folders, each item's data its root path,
// and the home folder when no volume is rooted there.
void fillDriveBox(QComboBox &drives);

// The drive item whose root holds path most closely; -1 when none does.
int driveOf(const QComboBox &drives, const QString &path);
