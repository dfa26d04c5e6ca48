#include "tags/tag_buttons.h"

#include "controls/glyphs.h"
#include "controls/message_box.h"
#include "controls/toolbar_button.h"
#include "core/insertion.h"
#include "dialogs/f_hr.h"
#include "settings/settings_schema.h"
#include "tags/tag_buttons_markup.h"

#include <QTabWidget>

namespace {

struct Slot {
    const char *page;
    const char *name;
    int width;
};

// Left to right on each page; the buttons of the dialog commands have their places here too.
const Slot Slots[] = {
    {"General", "ebQuickDoc", 25},
    {"General", "ebHeading", 25},
    {"General", "ebLinebreak", 25},
    {"General", "ebParagraph", 25},
    {"General", "ebHRule", 25},
    {"General", "ebBold", 25},
    {"General", "ebItalic", 25},
    {"General", "ebUnderline", 25},
    {"General", "ebAnchor", 25},
    {"General", "ebImage", 25},
    {"tsFont", "ebQuickFont", 25},
    {"tsFont", "ebPreform", 92},
    {"tsFont", "ebSub", 76},
    {"tsFont", "ebSuper", 86},
    {"tsFont", "ebStrong", 60},
    {"tsFont", "ebEmp", 76},
    {"tsTables", "ebTableEdit", 25},
    {"tsTables", "ebTable", 25},
    {"tsTables", "ebTableCaption", 25},
    {"tsTables", "ebTR", 25},
    {"tsTables", "ebTD", 25},
    {"tsForms", "ebQuickForm", 25},
    {"tsForms", "ebForm", 25},
    {"tsForms", "ebText", 25},
    {"tsForms", "ebHidden", 25},
    {"tsForms", "ebBox", 25},
    {"tsForms", "ebCB", 25},
    {"tsForms", "ebRB", 25},
    {"tsForms", "ebDrop", 25},
    {"tsForms", "ebSubmit", 25},
    {"tsForms", "ebReset", 25},
    {"tsLists", "ebOrdlist", 25},
    {"tsLists", "ebUnordlist", 25},
    {"tsLists", "ebListitem", 25},
    {"tsLists", "ebMenu", 25},
    {"tsLists", "ebDir", 25},
    {"tsFrames", "ebFrameset", 25},
    {"tsFrames", "ebFrame", 25},
    {"tsFrames", "ebNoframes", 25},
    {"tsSpecial", "ebParty", 25},
    {"tsSpecial", "ebColorMix", 25},
    {"tsSpecial", "ebImgGallery", 25},
};

// The buttons that open a dialog: their hint, and their caption or picture.
struct DialogFace {
    const char *name;
    const char *hint;
    const char *caption;
    TagFace face;
};

const DialogFace DialogFaces[] = {
    {"ebHeading", "Insert a heading", "H", TagFace::BlueBold},
    {"ebImgGallery", "Image gallery", "", TagFace::Picture},
    {"ebAnchor", "Insert an anchor", "", TagFace::Picture},
    {"ebImage", "Insert an image tag", "", TagFace::Picture},
    {"ebQuickDoc", "QuickDocument", "", TagFace::Picture},
    {"ebQuickFont", "QuickFont", "", TagFace::Picture},
    {"ebParty", "Party !!", "", TagFace::Picture},
    {"ebColorMix", "Color-Mixer", "", TagFace::Picture},
    {"ebQuickForm", "QuickForm", "", TagFace::Picture},
    {"ebForm", "Form", "", TagFace::Picture},
    {"ebText", "Text", "", TagFace::Picture},
    {"ebHidden", "Hidden text", "", TagFace::Picture},
    {"ebBox", "Textbox", "", TagFace::Picture},
    {"ebCB", "Checkbox", "", TagFace::Picture},
    {"ebRB", "Radiobutton", "", TagFace::Picture},
    {"ebDrop", "Dropdown list", "", TagFace::Picture},
    {"ebSubmit", "Submit", "", TagFace::Picture},
    {"ebReset", "Reset", "", TagFace::Picture},
    {"ebTableEdit", "QuickTable", "", TagFace::Picture},
    {"ebTable", "Table", "", TagFace::Picture},
    {"ebTableCaption", "Table caption", "", TagFace::Picture},
    {"ebFrameset", "Frame-Set", "", TagFace::Picture},
    {"ebFrame", "Frame", "", TagFace::Picture},
    {"ebNoframes", "No Frames !!", "", TagFace::Picture},
};

const int ButtonHeight = 25;
const int Spacing = 2;
const QColor Blue(0, 0, 0xff);

struct PictureFace {
    const char *name;
    Glyph glyph;
};

const PictureFace Pictures[] = {
    {"ebLinebreak", Glyph::LineBreak},
    {"ebTR", Glyph::TableRow},
    {"ebTD", Glyph::TableData},
    {"ebOrdlist", Glyph::OrderedList},
    {"ebUnordlist", Glyph::UnorderedList},
    {"ebListitem", Glyph::ListItem},
    {"ebMenu", Glyph::MenuList},
    {"ebDir", Glyph::DirectoryList},
    {"ebImgGallery", Glyph::ImgGallery},
    {"ebAnchor", Glyph::Anchor},
    {"ebImage", Glyph::Image},
    {"ebQuickDoc", Glyph::QuickDoc},
    {"ebQuickFont", Glyph::QuickFont},
    {"ebParty", Glyph::Party},
    {"ebColorMix", Glyph::ColorMixer},
    {"ebQuickForm", Glyph::QuickForm},
    {"ebForm", Glyph::Form},
    {"ebText", Glyph::TextArea},
    {"ebHidden", Glyph::HiddenText},
    {"ebBox", Glyph::TextBox},
    {"ebCB", Glyph::CheckBox},
    {"ebRB", Glyph::RadioButton},
    {"ebDrop", Glyph::DropDown},
    {"ebSubmit", Glyph::Submit},
    {"ebReset", Glyph::Reset},
    {"ebTableEdit", Glyph::QuickTable},
    {"ebTable", Glyph::Table},
    {"ebTableCaption", Glyph::TableCaption},
    {"ebFrameset", Glyph::FrameSet},
    {"ebFrame", Glyph::Frame},
    {"ebNoframes", Glyph::NoFrames},
};

Glyph pictureOf(const char *name)
{
    for (const PictureFace &picture : Pictures) {
        if (qstrcmp(picture.name, name) == 0)
            return picture.glyph;
    }
    Q_UNREACHABLE();
}

TExplorerButton *placeButton(QTabWidget *pages, const char *pageName, const char *name,
                             const char *hint, const char *caption, TagFace face)
{
    QWidget *page = pages->findChild<QWidget *>(QLatin1String(pageName));
    const QRect slot = tagButtonSlot(QLatin1String(name));
    if (face == TagFace::Picture)
        return createPictureButton(page, name, slot, QString::fromUtf8(hint), pictureOf(name), 18);
    return createCaptionButton(page, name, slot, QString::fromUtf8(hint),
                               QString::fromUtf8(caption),
                               {face == TagFace::BlueBold, face == TagFace::BlueItalic,
                                face == TagFace::BlueUnderline, Blue});
}

const char *pageOf(const char *name)
{
    for (const Slot &slot : Slots) {
        if (qstrcmp(slot.name, name) == 0)
            return slot.page;
    }
    Q_UNREACHABLE();
}

void runRule(TextInsertion &target, const TagButton &row, QWidget *dialogParent)
{
    if (!readSettings().UseNetscapeExt) {
        insertTagButton(target, row);
        return;
    }
    THR dialog(dialogParent);
    if (dialog.ShowModal() == mrOk)
        target.InsertLine(ruleTag(dialog.Height));
}

} // namespace

QRect tagButtonSlot(const QString &name)
{
    int left = 0;
    const char *page = "";
    for (const Slot &slot : Slots) {
        if (qstrcmp(slot.page, page) != 0) {
            page = slot.page;
            left = 0;
        }
        if (name == QLatin1String(slot.name))
            return QRect(left, 0, slot.width, ButtonHeight);
        left += slot.width + Spacing;
    }
    return {};
}

void buildTagButtons(QTabWidget *pages,
                     const std::function<void(TExplorerButton *button, TagHandler handler)> &bind)
{
    for (const TagButton &row : tagButtons())
        bind(placeButton(pages, row.page, row.name, row.hint, row.caption, row.face), row.handler);
}

TExplorerButton *addDialogButton(QTabWidget *pages, const char *name)
{
    for (const DialogFace &row : DialogFaces) {
        if (qstrcmp(row.name, name) == 0)
            return placeButton(pages, pageOf(name), name, row.hint, row.caption, row.face);
    }
    Q_UNREACHABLE();
}

void tagButtonClick(TextInsertion &target, TagHandler handler, const QObject *Sender,
                    QWidget *dialogParent)
{
    if (!Sender)
        return;
    const TagButton *row = findTagButton(handler, Sender->objectName());
    if (!row)
        return;
    if (row->insertion == TagInsertion::RuleLine)
        runRule(target, *row, dialogParent);
    else
        insertTagButton(target, *row);
}
