#include "dialogs/quickfont_commands.h"

#include "controls/message_box.h"
#include "core/insertion.h"
#include "dialogs/f_qf.h"

void runQuickFont(TextInsertion &target, QWidget *parent)
{
    TQuickFont dialog(parent);
    if (dialog.ShowModal() == mrOk)
        target.InsertLine(dialog.FontTag());
}
