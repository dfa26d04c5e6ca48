#include "tables/table_commands.h"

#include "controls/message_box.h"
#include "core/insertion.h"
#include "tables/f_tabed.h"

void runQuickTable(TextInsertion &target, QWidget *parent)
{
    TTableEdit dialog(parent);
    if (dialog.ShowModal() != mrOk)
        return;
    const QStringList lines = quickTableLines(dialog.GetTableData());
    target.OneStep([&] {
        for (const QString &line : lines)
            target.InsertLine(line);
    });
}
