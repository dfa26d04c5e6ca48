#pragma once

class QWidget;
class TextInsertion;
struct TTableData;

// Each asks for its table or caption and writes it as lines of their own above the caret's line,
// as one undo step.
void runQuickTable(TextInsertion &target, QWidget *parent);
void runTable(TextInsertion &target, QWidget *parent);
void runTableCaption(TextInsertion &target, QWidget *parent);

// Writes a QuickTable's lines above the caret's line as one undo step.
void insertQuickTable(TextInsertion &target, const TTableData &data);
