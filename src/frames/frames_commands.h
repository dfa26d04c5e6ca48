#pragma once

class QWidget;
class TextInsertion;

// Each asks in its dialog and writes the frame markup above the caret's line; Cancel writes
// nothing.
void runFrameSet(TextInsertion &target, QWidget *parent);
void runFrame(TextInsertion &target, QWidget *parent);
// The no-frames block, as one undo step.
void runNoFrames(TextInsertion &target, QWidget *parent);
