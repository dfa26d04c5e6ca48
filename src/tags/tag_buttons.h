#pragma once

#include <QRect>
#include <QString>
#include <functional>

class QObject;
class QTabWidget;
class TExplorerButton;
class QWidget;
class TextInsertion;
enum class TagHandler;

// Puts the fixed-text tag buttons on their pages; bind connects each new button to the handler
// of its row.
void buildTagButtons(QTabWidget *pages,
                     const std::function<void(TExplorerButton *button, TagHandler handler)> &bind);

// Puts the button called name that opens a dialog on its page, with its hint and face.
TExplorerButton *addDialogButton(QTabWidget *pages, const char *name);

// Where a button sits on its tag page. The pages keep slots for the dialog buttons too, in
// display order, so every button finds its place whenever it is added.
QRect tagButtonSlot(const QString &name);

// Runs the row of handler whose button is Sender; anything else does nothing. The rule asks
// for its height in a dialog over dialogParent when the Netscape extensions are on.
void tagButtonClick(TextInsertion &target, TagHandler handler, const QObject *Sender,
                    QWidget *dialogParent);
