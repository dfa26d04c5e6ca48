#pragma once

#include "forms/form_markup.h"

class QWidget;
class TextInsertion;

// Asks for a form's header and writes the empty form as a line above the caret's line.
void runFormHeader(TextInsertion &target, QWidget *parent);

// Asks for a form's header, then collects its fields in QuickForm, and writes the form start
// line, the fields indented by two blanks and "</FORM>"; Cancel in QuickForm leaves an empty form.
void runQuickForm(TextInsertion &target, QWidget *parent);

// Asks for one field in its dialog and writes its element above the caret's line.
void runFormField(FormField field, TextInsertion &target, QWidget *parent);

// runFormField for one kind, in the shape of every dialog command.
template <FormField field> void runField(TextInsertion &target, QWidget *parent)
{
    runFormField(field, target, parent);
}
