// The document window's tag commands: each a one-line forwarder to the command of its subsystem,
// run guarded so that an error is reported and the window goes on.
#include "document/f_html.h"

#include "controls/explbtn.h"
#include "controls/run_guarded.h"
#include "dialogs/anchor_commands.h"
#include "dialogs/colormix_commands.h"
#include "dialogs/gallery_commands.h"
#include "dialogs/heading_commands.h"
#include "dialogs/image_commands.h"
#include "dialogs/party_commands.h"
#include "dialogs/quickdoc_commands.h"
#include "dialogs/quickfont_commands.h"
#include "document/preview_commands.h"
#include "forms/form_commands.h"
#include "frames/frames_commands.h"
#include "tables/table_commands.h"
#include "tags/f_comps.h"
#include "tags/snippets_markup.h"
#include "tags/tag_buttons.h"
#include "tags/tag_buttons_markup.h"

#include <QMenu>

namespace {

using TagClick = void (THTML::*)(QObject *Sender);

// A switch rather than a list: a handler added to TagHandler but not bound here is a compiler
// warning.
TagClick clickOf(TagHandler handler)
{
    switch (handler) {
    case TagHandler::DocStruc:
        return &THTML::sbDocStrucClick;
    case TagHandler::DocFont:
        return &THTML::sbDocFontClick;
    case TagHandler::TableRow:
        return &THTML::sbTableRowClick;
    case TagHandler::TableData:
        return &THTML::sbTableDataClick;
    case TagHandler::OrderedList:
        return &THTML::sbOrderedListClick;
    case TagHandler::UnOrderedList:
        return &THTML::sbUnOrderedListClick;
    case TagHandler::ListItem:
        return &THTML::sbListItemClick;
    case TagHandler::MenuList:
        return &THTML::sbMenuListClick;
    case TagHandler::DirectoryList:
        return &THTML::sbDirectoryListClick;
    }
    Q_UNREACHABLE();
    return nullptr;
}

using DialogClick = void (THTML::*)();

struct DialogCommand {
    const char *name;
    DialogClick click;
};

// The tag-page buttons that open a dialog, in the order of their pages.
const DialogCommand DialogButtons[] = {
    {"ebQuickDoc", &THTML::sbQuickDocClick},   {"ebHeading", &THTML::sbHeadingClick},
    {"ebAnchor", &THTML::sbAnchorClick},       {"ebImage", &THTML::sbImageClick},
    {"ebQuickFont", &THTML::sbQuickFontClick}, {"ebTableEdit", &THTML::sbTableEditorClick},
    {"ebTable", &THTML::sbTableClick},         {"ebTableCaption", &THTML::sbTableCaptionClick},
    {"ebQuickForm", &THTML::sbQuickFormClick}, {"ebForm", &THTML::sbFormClick},
    {"ebText", &THTML::sbTextAreaClick},       {"ebHidden", &THTML::sbHiddenTextClick},
    {"ebBox", &THTML::sbTextBoxClick},         {"ebCB", &THTML::sbCheckBoxClick},
    {"ebRB", &THTML::sbRadioButtonClick},      {"ebDrop", &THTML::sbDropDownClick},
    {"ebSubmit", &THTML::sbSubmitClick},       {"ebReset", &THTML::sbResetClick},
    {"ebFrameset", &THTML::sbFrameSetClick},   {"ebFrame", &THTML::sbFrameClick},
    {"ebNoframes", &THTML::sbNoFramesClick},   {"ebParty", &THTML::sbPartyClick},
    {"ebColorMix", &THTML::sbColorMixerClick}, {"ebImgGallery", &THTML::sbImgGalleryClick},
};

struct PopupItem {
    const char *name;
    const char *caption;
    DialogClick click; // null until its dialog is built: the item shows disabled
};

const PopupItem PopupItems[] = {
    {"miQuickDoc", "Quick &Document", &THTML::sbQuickDocClick},
    {"miQuickFont", "Quick &Font", &THTML::sbQuickFontClick},
    {"miQuickTable", "Quick &Table", &THTML::sbTableEditorClick},
    {"miQuickForm", "Quick F&orm", &THTML::sbQuickFormClick},
    {"miImgGallery", "Image &Gallery...", &THTML::sbImgGalleryClick},
    {"miPreviewDoc", "Pre&view in browser", &THTML::sbPreviewClick},
};

} // namespace

void THTML::bindTagButtons()
{
    buildTagButtons(PageControl1, [this](TExplorerButton *button, TagHandler handler) {
        connect(button, &QAbstractButton::clicked, this,
                [this, button, click = clickOf(handler)] { (this->*click)(button); });
    });
    for (const DialogCommand &command : DialogButtons) {
        connect(addDialogButton(PageControl1, command.name), &QAbstractButton::clicked, this,
                [this, click = command.click] { (this->*click)(); });
    }
}

void THTML::addPopupItems()
{
    for (const PopupItem &item : PopupItems) {
        QAction *action = pmHTML->addAction(QString::fromUtf8(item.caption));
        action->setObjectName(QLatin1String(item.name));
        action->setEnabled(item.click != nullptr);
        if (item.click)
            connect(action, &QAction::triggered, this,
                    [this, click = item.click] { (this->*click)(); });
    }
}

void THTML::runTagButton(TagHandler handler, QObject *Sender)
{
    runGuarded(this, [&] { tagButtonClick(*this, handler, Sender, this); });
}

void THTML::sbDocStrucClick(QObject *Sender)
{
    runTagButton(TagHandler::DocStruc, Sender);
}

void THTML::sbDocFontClick(QObject *Sender)
{
    runTagButton(TagHandler::DocFont, Sender);
}

void THTML::sbTableRowClick(QObject *Sender)
{
    runTagButton(TagHandler::TableRow, Sender);
}

void THTML::sbTableDataClick(QObject *Sender)
{
    runTagButton(TagHandler::TableData, Sender);
}

void THTML::sbOrderedListClick(QObject *Sender)
{
    runTagButton(TagHandler::OrderedList, Sender);
}

void THTML::sbUnOrderedListClick(QObject *Sender)
{
    runTagButton(TagHandler::UnOrderedList, Sender);
}

void THTML::sbListItemClick(QObject *Sender)
{
    runTagButton(TagHandler::ListItem, Sender);
}

void THTML::sbMenuListClick(QObject *Sender)
{
    runTagButton(TagHandler::MenuList, Sender);
}

void THTML::sbDirectoryListClick(QObject *Sender)
{
    runTagButton(TagHandler::DirectoryList, Sender);
}

void THTML::sbUserClick(int Tag)
{
    runGuarded(this, [&] { insertUserTag(*this, Tag); });
}

void THTML::sbComponentsClick()
{
    openComponentCatalogue();
}

void THTML::sbPreviewClick()
{
    runGuarded(this, [this] { previewDocument(*this); });
}

void THTML::InsComponent(const QString &name)
{
    insertComponent(*this, name);
}

void THTML::runDialog(void (*command)(TextInsertion &target, QWidget *parent))
{
    runGuarded(this, [&] { command(*this, this); });
}

void THTML::sbHeadingClick()
{
    runDialog(runHeading);
}

void THTML::sbImgGalleryClick()
{
    runDialog(runImgGallery);
}

void THTML::sbAnchorClick()
{
    runDialog(runAnchor);
}

void THTML::sbImageClick()
{
    runDialog(runImage);
}

void THTML::sbQuickDocClick()
{
    runDialog(runQuickDoc);
}

void THTML::sbQuickFontClick()
{
    runDialog(runQuickFont);
}

void THTML::sbPartyClick()
{
    runDialog(runParty);
}

void THTML::sbColorMixerClick()
{
    runDialog(runColorMixer);
}

void THTML::sbQuickFormClick()
{
    runDialog(runQuickForm);
}

void THTML::sbFormClick()
{
    runDialog(runFormHeader);
}

void THTML::sbTextAreaClick()
{
    runDialog(runField<FormField::TextArea>);
}

void THTML::sbHiddenTextClick()
{
    runDialog(runField<FormField::HiddenText>);
}

void THTML::sbTextBoxClick()
{
    runDialog(runField<FormField::TextBox>);
}

void THTML::sbCheckBoxClick()
{
    runDialog(runField<FormField::CheckBox>);
}

void THTML::sbRadioButtonClick()
{
    runDialog(runField<FormField::RadioButton>);
}

void THTML::sbDropDownClick()
{
    runDialog(runField<FormField::DropDown>);
}

void THTML::sbSubmitClick()
{
    runDialog(runField<FormField::Submit>);
}

void THTML::sbResetClick()
{
    runDialog(runField<FormField::Reset>);
}

void THTML::sbTableEditorClick()
{
    runDialog(runQuickTable);
}

void THTML::sbTableClick()
{
    runDialog(runTable);
}

void THTML::sbTableCaptionClick()
{
    runDialog(runTableCaption);
}

void THTML::sbFrameSetClick()
{
    runDialog(runFrameSet);
}

void THTML::sbFrameClick()
{
    runDialog(runFrame);
}

void THTML::sbNoFramesClick()
{
    runDialog(runNoFrames);
}
