#include "tables/table_commands.h"

#include "controls/message_box.h"
#include "core/insertion.h"
#include "tables/f_tabed.h"
#include "tables/f_table.h"
#include "tables/f_tcap.h"
#include "tables/table_markup.h"

void runQuickTable(TextInsertion &target, QWidget *parent)
{
    TTableEdit dialog(parent);
    if (dialog.ShowModal() != mrOk)
        return;
    target.InsertLines(quickTableLines(dialog.GetTableData()));
}

void runTable(TextInsertion &target, QWidget *parent)
{
    TTab dialog(parent);
    if (dialog.ShowModal() == mrOk)
        target.InsertLine(dialog.TableTag);
}

void runTableCaption(TextInsertion &target, QWidget *parent)
{
    TTabCaption dialog(parent);
    if (dialog.ShowModal() == mrOk)
        target.InsertLine(dialog.CaptionTag);
}
