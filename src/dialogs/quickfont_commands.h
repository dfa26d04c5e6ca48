#pragma once

class QWidget;
class TextInsertion;

// Asks for a font and writes its FONT start tag as a line of its own above the caret's line.
void runQuickFont(TextInsertion &target, QWidget *parent);
