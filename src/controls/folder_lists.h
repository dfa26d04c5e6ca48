#pragma once

#include <QObject>
#include <QString>
#include <functional>

class QComboBox;
class QFileSystemModel;
class QTreeView;

// The drive box and folder tree of the windows that pick files from disk.

// Fills a drive box with the mounted volumes that hold folders, each item's data its root path,
// and the home folder when no volume is rooted there.
void fillDriveBox(QComboBox &drives);

// The drive item whose root holds path most closely; -1 when none does.
int driveOf(const QComboBox &drives, const QString &path);

// A drive box and a folder tree working as one: the box lists the drives, picking one shows its
// root in the tree, and the folder picked in the tree (or shown by path) goes to showFolder.
class FolderLists : public QObject {
public:
    FolderLists(QComboBox &drives, QTreeView &folders,
                std::function<void(const QString &)> showFolder);

    QFileSystemModel &model() const { return *m_model; }
    // Shows the folder in the tree, on the drive that holds it, and hands it on.
    void changeDirectory(const QString &path);

private:
    void driveChanged();
    void showDriveRoot(const QString &root);
    // The tree fills in the background: brings its current folder into view once its siblings
    // are in, or they push it out again.
    void keepCurrentInView(const QString &loaded);

    QComboBox &m_drives;
    QTreeView &m_folders;
    QFileSystemModel *m_model;
    std::function<void(const QString &)> m_showFolder;
};
