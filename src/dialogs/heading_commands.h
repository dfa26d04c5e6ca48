#pragma once

class QWidget;
class TextInsertion;

// Asks for a heading and writes it as a line of its own above the caret's line.
void runHeading(TextInsertion &target, QWidget *parent);
