#pragma once

class QWidget;
class TextInsertion;

// Asks for an image and writes its tag as a line of its own above the caret's line.
void runImage(TextInsertion &target, QWidget *parent);
