#include "dialogs/quickdoc_commands.h"

#include "controls/message_box.h"
#include "core/insertion.h"
#include "dialogs/f_qudoc.h"
#include "settings/settings_schema.h"

void runQuickDoc(TextInsertion &target, QWidget *parent)
{
    if (MessageDlg(parent, QStringLiteral("Current content will be deleted!! Continue ?"),
                   MessageType::Warning, mbYes | mbNo) != mrYes)
        return;
    TQuickDoc dialog(parent);
    if (dialog.ShowModal() != mrOk)
        return;
    const SettingsFields settings = readSettings();
    const QStringList lines =
        quickDocLines(dialog.Values, settings.Author, settings.EMail, regionalNow());
    target.OneStep([&] {
        target.ClearText();
        target.AppendLines(lines);
    });
}
