#include "support/test_environment.h"

#include <QDir>
#include <QTemporaryDir>

void isolateTestEnvironment()
{
    static QTemporaryDir home(QDir::tempPath() + "/pagewick-test-XXXXXX");
    const QByteArray path = QFile::encodeName(home.path());
    qputenv("HOME", path);
    qputenv("XDG_CONFIG_HOME", path + "/.config");
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
}
