// A Pagewick that opens the file of its first argument, types its second argument at the start
// and runs until it is killed: the process whose copies a test recovers.
#include "app/f_main.h"
#include "document/recovery_store.h"
#include "document/trecode.h"
#include "settings/corvane_registry.h"
#include "settings/registry_file_store.h"

#include <QApplication>
#include <QTest>

int main(int argc, char **argv)
{
    TCorvaneRegistry::setStore(std::make_shared<RegistryFileStore>(defaultRegistryFilePath()));
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Pagewick"));
    QApplication::setOrganizationName(QStringLiteral("Corvane"));
    RecoveryStore recovery(defaultRecoveryFolder());
    RecoveryStore::setCurrent(&recovery);
    const QStringList arguments = QApplication::arguments();
    TMain frame({arguments.value(1)});
    frame.show();
    QCoreApplication::processEvents();
    if (THTML *document = frame.activeDocument())
        QTest::keyClicks(document->RichEdit, arguments.value(2));
    return app.exec();
}
