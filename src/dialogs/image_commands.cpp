#include "dialogs/image_commands.h"

#include "controls/message_box.h"
#include "core/insertion.h"
#include "dialogs/f_img.h"

void runImage(TextInsertion &target, QWidget *parent)
{
    TImg dialog(parent);
    if (dialog.ShowModal() == mrOk)
        target.InsertLine(dialog.Image);
}
