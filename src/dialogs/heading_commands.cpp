#include "dialogs/heading_commands.h"

#include "controls/message_box.h"
#include "core/insertion.h"
#include "dialogs/f_head.h"

void runHeading(TextInsertion &target, QWidget *parent)
{
    THeading dialog(parent);
    if (dialog.ShowModal() == mrOk)
        target.InsertLine(dialog.Heading);
}
