#pragma once

#include <QRect>
#include <QString>

class QObject;
class QTabWidget;
class QWidget;
class TextInsertion;

// Puts the fixed-text tag buttons on their pages; each click runs the button's handler on
// handlers, given the button as its Sender argument.
void buildTagButtons(QTabWidget *pages, QObject *handlers);

// Where a button sits on its tag page. The pages keep slots for the dialog buttons too, in
// display order, so every button finds its place whenever it is added.
QRect tagButtonSlot(const QString &name);

// Runs the row of handler whose button is Sender; anything else does nothing. The rule asks
// for its height in a dialog over dialogParent when the Netscape extensions are on.
void tagButtonClick(TextInsertion &target, const QString &handler, const QObject *Sender,
                    QWidget *dialogParent);
