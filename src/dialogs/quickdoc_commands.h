#pragma once

class QWidget;
class TextInsertion;

// After a warning, replaces the whole text with a page built from the QuickDocument dialog, as
// one undo step.
void runQuickDoc(TextInsertion &target, QWidget *parent);
