#include "controls/folder_lists.h"

#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QStorageInfo>
#include <QTreeView>

namespace {

// Fills a drive box with the mounted volumes that hold folders, each item's data its root path,
// and the home folder when no volume is rooted there.
void fillDriveBox(QComboBox &drives)
{
    for (const QStorageInfo &volume : QStorageInfo::mountedVolumes()) {
        const QString root = volume.rootPath();
        // Bind-mounted single files are mount points too, but hold no folders.
        if (!volume.isValid() || !volume.isReady() || !QFileInfo(root).isDir() ||
            drives.findData(root) >= 0)
            continue;
        QString text = QDir::toNativeSeparators(root);
        if (!volume.name().isEmpty())
            text += QStringLiteral(" [%1]").arg(volume.name());
        drives.addItem(text, root);
    }
    const QString home = QDir::homePath();
    if (drives.findData(home) < 0) {
        drives.addItem(QStringLiteral("Home folder"), home);
        drives.setItemData(drives.count() - 1, QDir::toNativeSeparators(home), Qt::ToolTipRole);
    }
}

// The drive item whose root holds path most closely; -1 when none does.
int driveOf(const QComboBox &drives, const QString &path)
{
    int best = -1;
    qsizetype bestLength = -1;
    for (int i = 0; i < drives.count(); ++i) {
        QString root = drives.itemData(i).toString();
        if (!root.endsWith(QLatin1Char('/')))
            root += QLatin1Char('/');
        if ((path + QLatin1Char('/')).startsWith(root) && root.size() > bestLength) {
            best = i;
            bestLength = root.size();
        }
    }
    return best;
}

} // namespace

FolderLists::FolderLists(QComboBox &drives, QTreeView &folders,
                         std::function<void(const QString &)> showFolder)
    : QObject(&folders), m_drives(drives), m_folders(folders), m_model(new QFileSystemModel(this)),
      m_showFolder(std::move(showFolder))
{
    fillDriveBox(drives);
    m_model->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot | QDir::Drives);
    folders.setModel(m_model);
    folders.setHeaderHidden(true);
    for (int column = 1; column < m_model->columnCount(); ++column)
        folders.hideColumn(column);
    connect(&drives, &QComboBox::activated, this, &FolderLists::driveChanged);
    connect(m_model, &QFileSystemModel::directoryLoaded, this, &FolderLists::keepCurrentInView);
    connect(folders.selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex &current) {
                if (current.isValid())
                    handOn(m_model->filePath(current));
            });
}

void FolderLists::changeDirectory(const QString &path)
{
    const QString folder = QDir::cleanPath(QDir(path).absolutePath());
    const int drive = driveOf(m_drives, folder);
    if (drive >= 0) {
        m_drives.setCurrentIndex(drive);
        showDriveRoot(m_drives.itemData(drive).toString());
    }
    const QModelIndex index = m_model->index(folder);
    if (index.isValid() && index != m_folders.rootIndex()) {
        m_folders.setCurrentIndex(index);
        m_folders.scrollTo(index);
    }
    handOn(folder);
}

void FolderLists::driveChanged()
{
    const QString root = m_drives.currentData().toString();
    showDriveRoot(root);
    handOn(root);
}

// Picking a folder in the tree and showing it by path both hand it on; the window hears it once.
void FolderLists::handOn(const QString &folder)
{
    if (folder == m_folder)
        return;
    m_folder = folder;
    m_showFolder(folder);
}

void FolderLists::showDriveRoot(const QString &root)
{
    m_model->setRootPath(root);
    m_folders.setRootIndex(m_model->index(root));
    m_folders.setCurrentIndex({});
}

void FolderLists::keepCurrentInView(const QString &loaded)
{
    const QModelIndex current = m_folders.currentIndex();
    if (current.isValid() && m_model->filePath(current.parent()) == loaded)
        m_folders.scrollTo(current);
}
