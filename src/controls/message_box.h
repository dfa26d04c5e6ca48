#pragma once

#include <QString>

class QWidget;

// Modal results as the commands compare them.
enum ModalResult { mrNone = 0, mrOk = 1, mrCancel = 2, mrYes = 6, mrNo = 7 };

enum class MessageType { Information, Confirmation, Warning, Error };

// Which buttons a box offers.
enum MessageButton { mbOK = 1, mbYes = 2, mbNo = 4, mbCancel = 8 };

// The standard message box: type sets icon and title ("Information", "Bestätigen", "Warnung",
// "Fehler"); returns the modal result of the button pressed (Escape gives Cancel, or OK when
// there is no Cancel button).
int MessageDlg(QWidget *parent, const QString &text, MessageType type, int buttons);

void ShowInformation(QWidget *parent, const QString &text);
void ShowError(QWidget *parent, const QString &text);
