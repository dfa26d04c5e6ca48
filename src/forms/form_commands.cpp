#include "forms/form_commands.h"

#include "controls/message_box.h"
#include "core/insertion.h"
#include "forms/f_field.h"
#include "forms/f_frm.h"
#include "forms/f_quform.h"

void runFormHeader(TextInsertion &target, QWidget *parent)
{
    TFormHeader dialog(parent);
    if (dialog.ShowModal() == mrOk)
        target.InsertLine(formHeaderLine(dialog.Values));
}

void runFormField(FormField field, TextInsertion &target, QWidget *parent)
{
    TFieldDialog dialog(field, parent);
    if (dialog.ShowModal() != mrOk)
        return;
    target.InsertLines(fieldLines(field, dialog.Values));
}

void runQuickForm(TextInsertion &target, QWidget *parent)
{
    TFormHeader header(parent);
    if (header.ShowModal() != mrOk)
        return;
    TQuickForm form(parent);
    const QStringList fields = form.ShowModal() == mrOk ? form.Lines() : QStringList();
    target.InsertLines(quickFormLines(header.Values, fields));
}
