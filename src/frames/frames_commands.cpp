#include "frames/frames_commands.h"

#include "controls/message_box.h"
#include "core/insertion.h"
#include "frames/f_frame.h"
#include "frames/f_frset.h"
#include "frames/f_nofrm.h"
#include "frames/frames_markup.h"

void runFrameSet(TextInsertion &target, QWidget *parent)
{
    TFrameSet dialog(parent);
    if (dialog.ShowModal() == mrOk)
        target.InsertLine(dialog.FrameSet);
}

void runFrame(TextInsertion &target, QWidget *parent)
{
    TFrame dialog(parent);
    if (dialog.ShowModal() == mrOk)
        target.InsertLine(dialog.Frame);
}

void runNoFrames(TextInsertion &target, QWidget *parent)
{
    TNoFrames dialog(parent);
    if (dialog.ShowModal() != mrOk)
        return;
    target.InsertLines(noFramesLines(dialog.MessageLines()));
}
