#include "app/command_guard.h"
#include "app/f_main.h"
#include "document/document_file.h"

#include <QApplication>

int main(int argc, char **argv)
{
    ignoreFileSizeSignal();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Pagewick"));
    QApplication::setOrganizationName(QStringLiteral("Corvane"));
    TMain frame(QApplication::arguments().mid(1));
    showRegistryNotices(&frame);
    frame.show();
    return app.exec();
}
