#pragma once

class QWidget;
class TextInsertion;

// Mixes a colour and writes its "#RRGGBB" at the caret; the caret goes to the end of the line.
void runColorMixer(TextInsertion &target, QWidget *parent);
