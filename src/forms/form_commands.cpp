#include "forms/form_commands.h"

#include "controls/message_box.h"
#include "core/insertion.h"
#include "forms/f_field.h"
#include "forms/f_frm.h"

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
    const QStringList lines = fieldLines(field, dialog.Values);
    target.OneStep([&] {
        for (const QString &line : lines)
            target.InsertLine(line);
    });
}
