#include "controls/folder_lists.h"

#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QStorageInfo>
#include <QTreeView>

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

void keepCurrentFolderInView(QTreeView &folders, QFileSystemModel &model)
{
    QObject::connect(&model, &QFileSystemModel::directoryLoaded, &folders,
                     [&folders, &model](const QString &path) {
                         const QModelIndex current = folders.currentIndex();
                         if (current.isValid() && model.filePath(current.parent()) == path)
                             folders.scrollTo(current);
                     });
}
