#pragma once

class QWidget;

// Notices of the settings store (such as where a damaged settings file was kept) are shown to
// the user in a warning box over window.
void showRegistryNotices(QWidget *window);
