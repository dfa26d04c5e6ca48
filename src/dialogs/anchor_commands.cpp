#include "dialogs/anchor_commands.h"

#include "controls/message_box.h"
#include "core/insertion.h"
#include "dialogs/f_anchor.h"

void runAnchor(TextInsertion &target, QWidget *parent)
{
    TAnchor dialog(parent);
    if (dialog.ShowModal() == mrOk)
        target.InsertAtCaret(dialog.Anchor, true, int(dialog.Anchor.size()) - 4);
}
