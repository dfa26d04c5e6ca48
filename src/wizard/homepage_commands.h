#pragma once

#include <functional>

class QWidget;
class TextInsertion;

// Runs the homepage wizard, then writes the home page into the document newDocument makes (none:
// it could not be made, and said so), as one undo step. However the wizard was closed, with
// Finish or its close box, the page is written from what its boxes hold.
void runHomepageWizard(QWidget *parent, const std::function<TextInsertion *()> &newDocument);
