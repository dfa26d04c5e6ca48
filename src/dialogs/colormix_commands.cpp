#include "dialogs/colormix_commands.h"

#include "controls/message_box.h"
#include "core/insertion.h"
#include "dialogs/f_colmix.h"

void runColorMixer(TextInsertion &target, QWidget *parent)
{
    TColorMixer dialog(parent);
    if (dialog.ShowModal() == mrOk)
        target.InsertAtCaret(dialog.Color, false, 0);
}
