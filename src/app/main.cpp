#include "app/command_guard.h"
#include "app/f_main.h"
#include "document/document_file.h"
#include "document/memory_reuse.h"

#include <QApplication>

int main(int argc, char **argv)
{
    ignoreFileSizeSignal();
    reuseFreedMemory();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Pagewick"));
    QApplication::setOrganizationName(QStringLiteral("Corvane"));
    TMain frame(QApplication::arguments().mid(1));
    showRegistryNotices(&frame);
    frame.show();
    return app.exec();
}
