// Times the image gallery's file list on a folder of many images: from choosing the folder until
// every name is listed, and the dialog's longest pause in that time (it must never freeze).
// Usage: bench_gallery [file count, default 10000]
#include "dialogs/f_imggal.h"

#include <QAbstractItemModel>
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QListView>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <cstdio>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    const int count = argc > 1 ? std::atoi(argv[1]) : 10000;
    QTemporaryDir folder;
    for (int i = 0; i < count; ++i)
        QFile(folder.filePath(QStringLiteral("picture%1.jpg").arg(i))).open(QIODevice::WriteOnly);

    TImgGal dialog;
    dialog.show();
    // The longest gap between ticks of a fast timer is how long the dialog was deaf to the user.
    QElapsedTimer timer;
    qint64 lastTick = 0;
    qint64 longestPause = 0;
    QTimer ticker;
    QObject::connect(&ticker, &QTimer::timeout, [&] {
        longestPause = std::max(longestPause, timer.elapsed() - lastTick);
        lastTick = timer.elapsed();
    });
    ticker.start(5);
    timer.start();
    dialog.ChangeDirectory(folder.path());
    const QAbstractItemModel &files = *dialog.lbFile->model();
    while (files.rowCount(dialog.lbFile->rootIndex()) < count && timer.elapsed() < 30000)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    std::printf("%d files listed in %lld ms (%d shown); longest pause of the dialog %lld ms\n",
                count, timer.elapsed(), files.rowCount(dialog.lbFile->rootIndex()), longestPause);
    return 0;
}
