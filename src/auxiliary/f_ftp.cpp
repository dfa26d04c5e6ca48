#include "auxiliary/f_ftp.h"

#include "auxiliary/upload_commands.h"
#include "auxiliary/upload_rules.h"
#include "controls/dialog_rows.h"
#include "controls/folder_lists.h"
#include "controls/glyphs.h"
#include "controls/run_guarded.h"

#include <QAbstractFileIconProvider>
#include <QBoxLayout>
#include <QComboBox>
#include <QDir>
#include <QDropEvent>
#include <QFileSystemModel>
#include <QGridLayout>
#include <QLabel>
#include <QListView>
#include <QListWidget>
#include <QMimeData>
#include <QPushButton>
#include <QTreeView>

namespace {

const int ListWidth = 180;
const int LocalPathRole = Qt::UserRole;
const int RemotePathRole = Qt::UserRole + 1;
const int ListHeight = 200;

// Marks a drag as coming from the file list, so the upload list can refuse every other one.
const QString FileListDrag = QStringLiteral("application/x-pagewick-upload-file");

class FileListModel : public QFileSystemModel {
public:
    using QFileSystemModel::QFileSystemModel;

    QStringList mimeTypes() const override { return QFileSystemModel::mimeTypes() << FileListDrag; }

    QMimeData *mimeData(const QModelIndexList &indexes) const override
    {
        QMimeData *data = QFileSystemModel::mimeData(indexes);
        data->setData(FileListDrag, {});
        return data;
    }
};

// Our own file-type pictures, so the lists show them whatever icon theme the desktop has.
class FileTypeGlyphs : public QAbstractFileIconProvider {
public:
    QIcon icon(IconType type) const override
    {
        return glyphIcon(type == File ? Glyph::File : Glyph::Open);
    }

    QIcon icon(const QFileInfo &info) const override
    {
        if (info.isDir())
            return glyphIcon(Glyph::Open);
        const QString suffix = info.suffix().toLower();
        if (suffix.startsWith(QLatin1String("htm")))
            return glyphIcon(Glyph::DocumentIcon);
        if (ImageSuffixes.contains(suffix))
            return glyphIcon(Glyph::Image);
        return glyphIcon(Glyph::File);
    }

private:
    const QStringList ImageSuffixes{QStringLiteral("gif"), QStringLiteral("jpg"),
                                    QStringLiteral("jpeg"), QStringLiteral("png"),
                                    QStringLiteral("bmp")};
};

// The models ask from their own threads until they are gone; it lives as long as the program.
Q_GLOBAL_STATIC(FileTypeGlyphs, fileTypeGlyphs)

template <typename View> View *newList(QWidget *parent, const char *name)
{
    auto *view = new View(parent);
    nameControl(view, name);
    view->setFixedSize(ListWidth, ListHeight);
    view->setIconSize(QSize(16, 16));
    return view;
}

QPushButton *newGlyphButton(QWidget *parent, const char *name, const QString &caption, Glyph glyph)
{
    auto *button = newButton<QPushButton>(parent, name, caption);
    button->setIcon(glyphIcon(glyph));
    button->setAutoDefault(false);
    return button;
}

} // namespace

TUploadFTP::TUploadFTP(QWidget *parent)
    : TStdDialog(QStringLiteral("UploadFTP"), QStringLiteral("Upload to FTP-site"), parent)
{
    buildFolderLists();
    QLayout *buttons = buildUploadList();
    auto *grid = new QGridLayout;
    grid->addWidget(Label1, 0, 0);
    grid->addWidget(Label2, 0, 2);
    grid->addWidget(cbDrive, 1, 0);
    grid->addWidget(dlDir, 2, 0);
    grid->addWidget(flFile, 1, 1, 2, 1);
    grid->addWidget(lbFiles, 1, 2, 2, 1);
    grid->addLayout(buttons, 3, 2);
    body()->addLayout(grid);
    ChangeDirectory(QDir::currentPath());
}

void TUploadFTP::buildFolderLists()
{
    cbDrive = new QComboBox(this);
    nameControl(cbDrive, "cbDrive", QStringLiteral("Drive"));
    cbDrive->setFixedWidth(ListWidth);
    Label1 = new QLabel(QStringLiteral("Source :"), this);
    nameControl(Label1, "Label1");
    Label1->setBuddy(cbDrive);

    dlDir = newList<QTreeView>(this, "dlDir");
    m_folders = new FolderLists(*cbDrive, *dlDir, [this](const QString &path) { showFiles(path); });
    m_folders->model().setIconProvider(fileTypeGlyphs());

    m_files = new FileListModel(this);
    m_files->setFilter(QDir::Files);
    m_files->setIconProvider(fileTypeGlyphs());
    flFile = newList<QListView>(this, "flFile");
    flFile->setFixedHeight(ListHeight + cbDrive->sizeHint().height() + 6);
    flFile->setModel(m_files);
    // Rows of one height, laid out in batches: a folder of thousands of files stays responsive.
    flFile->setUniformItemSizes(true);
    flFile->setLayoutMode(QListView::Batched);
    flFile->setSelectionMode(QAbstractItemView::SingleSelection);
    flFile->setDragDropMode(QAbstractItemView::DragOnly);
    // A copy: the list must never take a drop as a move and try to remove the file.
    flFile->setDefaultDropAction(Qt::CopyAction);
}

QLayout *TUploadFTP::buildUploadList()
{

    lbFiles = new QListWidget(this);
    nameControl(lbFiles, "lbFiles");
    lbFiles->setFixedSize(ListWidth * 3 / 2, flFile->height());
    lbFiles->setAcceptDrops(true);
    lbFiles->viewport()->installEventFilter(this);
    Label2 = new QLabel(QStringLiteral("Files to upload :"), this);
    nameControl(Label2, "Label2");
    Label2->setBuddy(lbFiles);
    sbResetList =
        newGlyphButton(this, "sbResetList", QStringLiteral("&Reset list"), Glyph::ResetList);
    sbUploadFiles =
        newGlyphButton(this, "sbUploadFiles", QStringLiteral("&Upload files"), Glyph::Upload);

    connect(sbResetList, &QPushButton::clicked, this, &TUploadFTP::sbResetClick);
    connect(sbUploadFiles, &QPushButton::clicked, this, &TUploadFTP::sbUploadFilesClick);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(sbResetList);
    buttons->addWidget(sbUploadFiles);
    return buttons;
}

QStringList TUploadFTP::listed(int role) const
{
    QStringList paths;
    for (int row = 0; row < lbFiles->count(); ++row)
        paths.append(lbFiles->item(row)->data(role).toString());
    return paths;
}

QStringList TUploadFTP::files() const
{
    return listed(LocalPathRole);
}

QStringList TUploadFTP::remotePaths() const
{
    return listed(RemotePathRole);
}

void TUploadFTP::ChangeDirectory(const QString &path)
{
    m_folders->changeDirectory(path);
}

QString TUploadFTP::Directory() const
{
    return QDir::toNativeSeparators(m_folders->folder());
}

void TUploadFTP::showFiles(const QString &folder)
{
    flFile->setRootIndex(m_files->setRootPath(folder));
}

bool TUploadFTP::lbFilesDragOver(const QMimeData *data) const
{
    return data && data->hasFormat(FileListDrag);
}

void TUploadFTP::lbFilesDragDrop()
{
    const QModelIndex current = flFile->currentIndex();
    // Only a file of the folder shown: a folder that is gone leaves the last one's files listed.
    if (!current.isValid() || !flFile->selectionModel()->isSelected(current) ||
        m_files->filePath(current.parent()) != m_folders->folder())
        return;
    if (lbFiles->count() == 0)
        m_base = m_folders->folder();
    const QString local = uploadPath(Directory(), m_files->fileName(current), QDir::separator());
    const QString remote = remotePath(QDir::fromNativeSeparators(local), m_base);
    // The remote path on a line of its own, so a long local path never hides it.
    auto *item = new QListWidgetItem(local + QStringLiteral("\n    \u2192 ") + remote, lbFiles);
    item->setData(LocalPathRole, local);
    item->setData(RemotePathRole, remote);
    item->setToolTip(local + QStringLiteral("\ngoes to ") + remote);
}

void TUploadFTP::sbResetClick()
{
    lbFiles->clear();
}

void TUploadFTP::sbUploadFilesClick()
{
    runGuarded(this, [this] {
        QList<UploadFile> uploads;
        for (int row = 0; row < lbFiles->count(); ++row) {
            const QListWidgetItem &item = *lbFiles->item(row);
            uploads.append(
                {item.data(LocalPathRole).toString(), item.data(RemotePathRole).toString()});
        }
        runUpload(this, uploads);
    });
}

bool TUploadFTP::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != lbFiles->viewport())
        return TStdDialog::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::DragEnter:
    case QEvent::DragMove: {
        auto *drag = static_cast<QDragMoveEvent *>(event);
        if (lbFilesDragOver(drag->mimeData())) {
            drag->setDropAction(Qt::CopyAction);
            drag->accept();
        } else
            drag->ignore();
        return true;
    }
    case QEvent::Drop: {
        auto *drop = static_cast<QDropEvent *>(event);
        if (!lbFilesDragOver(drop->mimeData())) {
            drop->ignore();
            return true;
        }
        lbFilesDragDrop();
        drop->setDropAction(Qt::CopyAction);
        drop->accept();
        return true;
    }
    default:
        return TStdDialog::eventFilter(watched, event);
    }
}
