#pragma once

#include <QString>
#include <array>
#include <functional>

class TExplorerButton;
class QWidget;
class TextInsertion;

using UserTagButtons = std::array<TExplorerButton *, 9>;

// The nine buttons sbUser1 to sbUser9 on a document window's "User-Tags" page; a click on
// button n calls click(n).
UserTagButtons createUserTagButtons(QWidget *page, const std::function<void(int)> &click);

// Reloads the table and shows record n's title and hint on button n.
void refreshUserTagButtons(const UserTagButtons &buttons);

// Tag n as stored right now (not as the table holds it), with the caret between its halves.
void insertUserTag(TextInsertion &text, int n);

// The manager; after OK, the notice that open windows change their buttons later.
void runUserTagManager(QWidget *parent);
