#pragma once

#include "controls/std_dialog.h"

class FolderLists;
class QComboBox;
class QFileSystemModel;
class QLayout;
class QLabel;
class QListView;
class QListWidget;
class QMimeData;
class QPushButton;
class QTreeView;

// The upload window: files dragged from a folder's file list into the list of files to upload.
class TUploadFTP : public TStdDialog {
    Q_OBJECT

public:
    explicit TUploadFTP(QWidget *parent = nullptr);

    QLabel *Label1;
    QComboBox *cbDrive;
    QTreeView *dlDir;
    QListView *flFile;
    QLabel *Label2;
    QListWidget *lbFiles;
    QPushButton *sbResetList;
    QPushButton *sbUploadFiles;

    // The collected paths, in the order they were dropped.
    QStringList files() const;
    // Where each of them goes below the server's folder: its path relative to the folder shown
    // when the list's first file was added, or its bare name when it lies elsewhere.
    QStringList remotePaths() const;
    // Shows the folder in the folder list (on the drive that holds it) and its files.
    void ChangeDirectory(const QString &path);
    // The folder whose files are listed, as the folder list gives it.
    QString Directory() const;

    // Only a drag from the file list is taken.
    bool lbFilesDragOver(const QMimeData *data) const;
    // Appends the folder and the file selected in the file list (not the one under the mouse).
    void lbFilesDragDrop();
    void sbResetClick();
    // Sends the listed files to the server of the FTP settings.
    void sbUploadFilesClick();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildFolderLists();
    // Returns the row of its buttons.
    QLayout *buildUploadList();
    void showFiles(const QString &folder);
    // Each listed file's path of this role, in list order.
    QStringList listed(int role) const;

    FolderLists *m_folders;
    QFileSystemModel *m_files;
    // The folder the list's remote paths are relative to.
    QString m_base;
};
