#include "support/test_environment.h"

#include "settings/corvane_registry.h"
#include "settings/registry_file_store.h"

#include <QDir>
#include <QTemporaryDir>

void isolateTestEnvironment()
{
    static QTemporaryDir home(QDir::tempPath() + "/pagewick-test-XXXXXX");
    const QByteArray path = QFile::encodeName(home.path());
    qputenv("HOME", path);
    qputenv("XDG_CONFIG_HOME", path + "/.config");
    qputenv("XDG_STATE_HOME", path + "/.local/state");
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    TCorvaneRegistry::setStore(std::make_shared<RegistryFileStore>(defaultRegistryFilePath()));
}
