#pragma once

class QWidget;
class TextInsertion;

// Each asks for its table or caption and writes it as lines of their own above the caret's line,
// as one undo step.
void runQuickTable(TextInsertion &target, QWidget *parent);
void runTable(TextInsertion &target, QWidget *parent);
void runTableCaption(TextInsertion &target, QWidget *parent);
