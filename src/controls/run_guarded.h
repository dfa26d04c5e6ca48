#pragma once

#include <functional>

class QWidget;

// Runs a command; an error it raises (a CommandError, or any other std::exception) ends the
// command and is shown in the error box, after which the program goes on. Every command entry
// point (menu item, button, drop, start-up read) runs through here: no exception may leave a
// slot or event handler.
void runGuarded(QWidget *parent, const std::function<void()> &command);
