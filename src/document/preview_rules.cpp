#include "document/preview_rules.h"

#include "document/file_names.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>

PreviewPlan previewPlan(const PreviewInput &input)
{
    PreviewPlan plan;
    if (input.fileName == NoName) {
        plan.shownFile = QDir(input.tempFolder)
                             .filePath(QStringLiteral("pagewick-preview-%1.htm").arg(input.token));
        plan.writeCopy = true;
    } else if (input.modified) {
        // Always .htm: the browser renders it whatever the original is called.
        const QFileInfo file(input.fileName);
        plan.shownFile = file.dir().filePath(
            QStringLiteral(".%1.preview-%2.htm").arg(file.fileName(), input.token));
        plan.writeCopy = true;
    } else {
        plan.shownFile = input.fileName;
    }
    // A located program path may hold blanks unquoted; anything else is a command line to split.
    const QStringList command =
        input.browserIsFile ? QStringList{input.browser} : QProcess::splitCommand(input.browser);
    if (!command.isEmpty()) {
        plan.program = command.constFirst();
        plan.arguments = command.mid(1);
        plan.arguments << QDir::toNativeSeparators(plan.shownFile);
    }
    return plan;
}
