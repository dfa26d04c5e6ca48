#pragma once

#include "controls/std_dialog.h"
#include "dialogs/gallery_markup.h"

class QCheckBox;
class QComboBox;
class FolderLists;
class QFileSystemModel;
class QLabel;
class QLineEdit;
class QListView;
class QListWidget;
class QPushButton;
class QTreeView;

// The image gallery dialog: images picked from folders into a list, and how the gallery's table
// is written.
class TImgGal : public TStdDialog {
    Q_OBJECT

public:
    explicit TImgGal(QWidget *parent = nullptr);

    QComboBox *cbDrive;
    QTreeView *lbDir;
    QLabel *Label1;
    QListView *lbFile;
    QComboBox *cbFilter;
    QPushButton *sbAdd;
    QPushButton *sbRemove;
    QPushButton *sbAddAll;
    QPushButton *sbRemoveAll;
    QLabel *Label2;
    QListWidget *lbImages;
    QLabel *Label3;
    QLineEdit *eTitle;
    QLabel *Label4;
    QLineEdit *eNrRow;
    QCheckBox *cbUseBorder;
    QLabel *Label5;
    QLineEdit *eBorder;
    QLabel *Label6;
    QLineEdit *eURLImg;
    QLabel *Label7;
    QLineEdit *eURLLink;
    // The gallery as chosen, filled when OK is accepted.
    GalleryValues Values;

    // Shows the folder in the directory tree (on the drive that holds it) and its files.
    void ChangeDirectory(const QString &path);
    // The folder whose files are listed.
    QString Directory() const;

    void sbAddImage();
    void sbRemoveImgage();
    void sbAddAllImages();
    void sbRemoveAllImages();
    void cbUseBorderClick();

protected:
    bool bbOKClick() override;
    void showEvent(QShowEvent *event) override;

private:
    void buildLists();
    void buildFields();
    void cbFilterChange();
    void showFiles(const QString &path);

    FolderLists *m_folders;
    QFileSystemModel *m_files;
};
