#include "controls/run_guarded.h"

#include "controls/message_box.h"
#include "core/command_error.h"

#include <QWidget>
#include <new>

void runGuarded(QWidget *parent, const std::function<void()> &command)
{
    try {
        command();
    } catch (const CommandError &error) {
        ShowError(parent, error.message());
    } catch (const std::bad_alloc &) {
        ShowError(parent, QStringLiteral("There is not enough memory to complete the command."));
    } catch (const std::exception &error) {
        ShowError(parent, QString::fromLocal8Bit(error.what()));
    }
}
