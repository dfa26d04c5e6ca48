#include "app/command_guard.h"

#include "app/command_error.h"
#include "controls/message_box.h"

void runGuarded(QWidget *parent, const std::function<void()> &command)
{
    try {
        command();
    } catch (const CommandError &error) {
        ShowError(parent, error.message());
    }
}
