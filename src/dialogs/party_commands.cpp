#include "dialogs/party_commands.h"

#include "controls/message_box.h"
#include "core/insertion.h"
#include "dialogs/f_party.h"

void InsertPartyText(TextInsertion &target, const PartyValues &values)
{
    target.InsertLines(partyLines(values));
}

void runParty(TextInsertion &target, QWidget *parent)
{
    TParty dialog(parent);
    if (dialog.ShowModal() == mrOk)
        InsertPartyText(target, dialog.Party);
}
