#pragma once

#include <QObject>
#include <QString>
#include <functional>

class QComboBox;
class QFileSystemModel;
class QTreeView;

// A drive box and a folder tree working as one, for the windows that pick files from disk: the
// box lists the drives, picking one shows its root in the tree, and the folder picked in the
// tree (or shown by path) goes to showFolder, once each time it changes.
class FolderLists : public QObject {
public:
    FolderLists(QComboBox &drives, QTreeView &folders,
                std::function<void(const QString &)> showFolder);

    QFileSystemModel &model() const { return *m_model; }
    // Shows the folder in the tree, on the drive that holds it, and hands it on.
    void changeDirectory(const QString &path);
    // The folder last handed on.
    const QString &folder() const { return m_folder; }

private:
    void driveChanged();
    void showDriveRoot(const QString &root);
    // The tree fills in the background: brings its current folder into view once its siblings
    // are in, or they push it out again.
    void keepCurrentInView(const QString &loaded);
    void handOn(const QString &folder);

    QComboBox &m_drives;
    QTreeView &m_folders;
    QFileSystemModel *m_model;
    std::function<void(const QString &)> m_showFolder;
    QString m_folder;
};
