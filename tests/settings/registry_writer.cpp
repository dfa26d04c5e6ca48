// Writes COUNT values PREFIX0.. into the registry file at PATH, for the two-process test.
#include "settings/corvane_registry.h"
#include "settings/registry_file_store.h"

#include <QCoreApplication>
#include <QStringList>
#include <cstdio>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 4) {
        std::fprintf(stderr, "usage: registry_writer PATH PREFIX COUNT\n");
        return 2;
    }
    TCorvaneRegistry::setStore(std::make_shared<RegistryFileStore>(args.at(1)));
    try {
        for (int i = 0; i < args.at(3).toInt(); ++i)
            TCorvaneRegistry::WriteValue(HKEY_CURRENT_USER, QStringLiteral("Software\\Race"),
                                         args.at(2) + QString::number(i), i);
    } catch (const RegistryError &error) {
        std::fprintf(stderr, "%s\n", qPrintable(error.message()));
        return 1;
    }
    return 0;
}
