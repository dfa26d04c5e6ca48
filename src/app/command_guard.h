#pragma once

#include <functional>

class QWidget;

// Runs a command; a CommandError it raises ends the command and is shown in the error box,
// after which the program goes on.
void runGuarded(QWidget *parent, const std::function<void()> &command);

// Notices of the settings store (such as where a damaged settings file was kept) are shown to
// the user in a warning box over window.
void showRegistryNotices(QWidget *window);
