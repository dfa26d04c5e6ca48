#include "app/f_main.h"
#include "app/registry_notices.h"
#include "document/document_file.h"
#include "document/memory_reuse.h"
#include "document/recovery_store.h"
#include "settings/corvane_registry.h"
#include "settings/registry_file_store.h"

#include <QApplication>

int main(int argc, char **argv)
{
    ignoreFileSizeSignal();
    reuseFreedMemory();
    TCorvaneRegistry::setStore(std::make_shared<RegistryFileStore>(defaultRegistryFilePath()));
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Pagewick"));
    QApplication::setOrganizationName(QStringLiteral("Corvane"));
    RecoveryStore recovery(defaultRecoveryFolder());
    RecoveryStore::setCurrent(&recovery);
    TMain frame(QApplication::arguments().mid(1));
    showRegistryNotices(&frame);
    frame.show();
    return app.exec();
}
