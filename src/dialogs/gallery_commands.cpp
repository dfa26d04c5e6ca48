#include "dialogs/gallery_commands.h"

#include "controls/message_box.h"
#include "core/insertion.h"
#include "dialogs/f_imggal.h"

void runImgGallery(TextInsertion &target, QWidget *parent)
{
    TImgGal dialog(parent);
    if (dialog.ShowModal() != mrOk)
        return;
    target.AppendLines(galleryLines(dialog.Values));
}
