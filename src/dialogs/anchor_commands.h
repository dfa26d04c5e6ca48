#pragma once

class QWidget;
class TextInsertion;

// Asks for an anchor and splices it in at the caret, the caret left just before "</A>".
void runAnchor(TextInsertion &target, QWidget *parent);
