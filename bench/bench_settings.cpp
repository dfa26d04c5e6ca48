// Times the settings file: parsing it as it grows (to show the cost is linear), the reads a
// start-up makes (the frame, one new document, its user-tag buttons) on a 1 MB file of 20,000
// keys, and closing Preferences and User tags on a small and on that big file.
// Usage: bench_settings [largest key count, default 20000]
#include "settings/f_prefs.h"
#include "settings/registry_file.h"
#include "settings/registry_file_store.h"
#include "settings/settings_schema.h"
#include "tags/user_tags.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <cstdio>
#include <ctime>
#include <functional>

namespace {

// Wall time and, since the machine may be shared, the process's CPU time beside it.
QString milliseconds(const std::function<void()> &work)
{
    QElapsedTimer timer;
    const std::clock_t cpu = std::clock();
    timer.start();
    work();
    const double wall = timer.nsecsElapsed() / 1e6;
    return QStringLiteral("%1 ms (CPU %2 ms)")
        .arg(wall, 8, 'f', 1)
        .arg(double(std::clock() - cpu) * 1000 / CLOCKS_PER_SEC, 6, 'f', 1);
}

// Keys of other programs around the few of ours, about 52 bytes each.
QByteArray settingsFile(int keys)
{
    QByteArray bytes = "Windows Registry Editor Version 5.00\n\n";
    bytes.reserve(qsizetype(keys) * 56);
    for (int i = 0; i < keys; ++i) {
        bytes += "[HKEY_CURRENT_USER\\Software\\Other\\Key";
        bytes += QByteArray::number(i);
        bytes += "]\n\"Value\"=\"some text\"\n\n";
    }
    return bytes;
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
}

// What the frame, a new document window and its user-tag buttons read.
void startupReads()
{
    for (int reader = 0; reader < 2; ++reader)
        readSettings();
    LoadUserTags();
}

void closeDialogs(const char *what)
{
    TPrefs prefs;
    prefs.FormShow();
    const QString prefsMs = milliseconds([&prefs] { prefs.SaveSettings(); });
    LoadUserTags();
    const QString tagsMs = milliseconds([] { SaveUserTags(); });
    std::printf("close Preferences, %-24s %s\n", what, qPrintable(prefsMs));
    std::printf("close User tags,   %-24s %s\n", what, qPrintable(tagsMs));
}

} // namespace

int main(int argc, char **argv)
{
    std::setvbuf(stdout, nullptr, _IOLBF, 0);
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int largest = argc > 1 ? QByteArray(argv[1]).toInt() : 20000;
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Pagewick.reg"));

    for (int keys = largest / 16; keys <= largest; keys *= 2) {
        const QByteArray bytes = settingsFile(keys);
        const QString ms = milliseconds([&bytes] { parseRegistryFile(bytes); });
        std::printf("parse %6d keys (%5.2f MB)           %s\n", keys, bytes.size() / 1048576.0,
                    qPrintable(ms));
    }

    writeFile(path, settingsFile(largest));
    TCorvaneRegistry::setStore(std::make_shared<RegistryFileStore>(path));
    std::printf("start-up reads, %d keys              %s\n", largest,
                qPrintable(milliseconds(startupReads)));
    closeDialogs("big file");

    QFile::remove(path);
    TCorvaneRegistry::setStore(std::make_shared<RegistryFileStore>(path));
    closeDialogs("new file");
    closeDialogs("written file");
    return 0;
}
