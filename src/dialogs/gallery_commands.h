#pragma once

class QWidget;
class TextInsertion;

// Asks for the gallery's images and appends its heading and table after the last line, as one
// undo step.
void runImgGallery(TextInsertion &target, QWidget *parent);
