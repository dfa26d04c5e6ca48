#pragma once

#include <QString>

class QComboBox;
class QFileSystemModel;
class QTreeView;

// The drive box and folder tree of the windows that pick files from disk.

// Fills a drive box with the mounted volumes that hold folders, each item's data its root path,
// and the home folder when no volume is rooted there.
void fillDriveBox(QComboBox &drives);

// The drive item whose root holds path most closely; -1 when none does.
int driveOf(const QComboBox &drives, const QString &path);

// The folder tree fills in the background: brings its current folder into view once its
// siblings are in, or they push it out again.
void keepCurrentFolderInView(QTreeView &folders, QFileSystemModel &model);
