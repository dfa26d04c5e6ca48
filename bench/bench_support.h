#pragma once

// What the benchmarks measure besides the wall time: memory from /proc and the process's CPU.
#include "settings/corvane_registry.h"
#include "settings/registry_file_store.h"
#include "settings/settings_schema.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <fstream>
#include <functional>
#include <string>
#include <sys/resource.h>

namespace bench {

// A table of the given number of rows, one CRLF line each (about 58 bytes a line).
inline QByteArray manyLines(int lines)
{
    QByteArray bytes;
    bytes.reserve(qsizetype(lines) * 58);
    for (int i = 0; i < lines; ++i) {
        bytes += "<TR><TD>Row ";
        bytes += QByteArray::number(100000 + i);
        bytes += "</TD><TD>cell of the table.</TD></TR>\r\n";
    }
    return bytes;
}

// Writes a file of the benchmark's own; returns its path.
inline QString writeFile(const QTemporaryDir &dir, const QString &name, const QByteArray &bytes)
{
    const QString path = dir.filePath(name);
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(bytes);
    return path;
}

// Settings in a folder of the benchmark's own, read through the program's store.
inline void useTemporarySettings(const QTemporaryDir &home)
{
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(home.path()));
    TCorvaneRegistry::setStore(std::make_shared<RegistryFileStore>(defaultRegistryFilePath()));
}

// Syntax colouring on or off for the windows opened next, stored as the preferences store it.
inline void setColouring(bool on)
{
    TCorvaneRegistry::WriteValue(HKEY_CURRENT_USER,
                                 QLatin1String(kSettingsStem) + QLatin1String("\\Editor"),
                                 QStringLiteral("SyntaxColouring"), on);
}

// A field of /proc/self/status in kB (VmRSS, VmHWM, ...).
inline long statusKb(const char *field)
{
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind(field, 0) == 0)
            return std::stol(line.substr(line.find(':') + 1));
    }
    return 0;
}

// Lowers the peak (VmHWM) to the present size, so the next peak belongs to what runs next.
inline void resetPeak()
{
    std::ofstream("/proc/self/clear_refs") << "5";
}

// User plus system time of the process: on a shared machine the wall time also holds waits.
inline double cpuMs()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const auto ms = [](const timeval &t) { return t.tv_sec * 1e3 + t.tv_usec / 1e3; };
    return ms(usage.ru_utime) + ms(usage.ru_stime);
}

// Wall and CPU time of a piece of work, with the repaint it causes.
struct Cost {
    double wallMs;
    double cpuMs;
};

inline Cost measure(const std::function<void()> &work)
{
    const double cpuStart = cpuMs();
    QElapsedTimer timer;
    timer.start();
    work();
    QCoreApplication::processEvents();
    return {timer.nsecsElapsed() / 1e6, cpuMs() - cpuStart};
}

} // namespace bench
