#include "dialogs/f_qudoc.h"
#include "document/trecode.h"
#include "settings/color_label.h"
#include "settings/corvane_registry.h"
#include "support/document_fixture.h"

#include <QAction>
#include <QColorDialog>
#include <QMenu>
#include <QTest>
#include <gtest/gtest.h>

namespace {

using QuickDocDialog = DocumentTest;

ModalDriver::Handler chooseColor(QColor color, QColor expectedStart)
{
    return [=](QWidget *widget) {
        auto *dialog = qobject_cast<QColorDialog *>(widget);
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(dialog->currentColor(), expectedStart);
        dialog->setCurrentColor(color);
        dialog->accept();
    };
}

// The background goes to all five swatches, a text colour only to its own; the colour dialog
// opens on the colour last chosen in it.
TEST_F(QuickDocDialog, BackgroundColoursEverySwatchATextColourOnlyItsOwn)
{
    TQuickDoc dialog;
    driver.then(chooseColor(Qt::black, Qt::white)).then(chooseColor(Qt::red, Qt::black));
    QTest::mouseDClick(dialog.lbBGColor, Qt::LeftButton);
    QTest::mouseDClick(dialog.lbLinkCol, Qt::LeftButton);
    for (const ColorLabel *swatch : {dialog.lbBGColor, dialog.lbTextCol, dialog.lbLinkCol,
                                     dialog.lbActiveLinkCol, dialog.lbVisitedLinkCol})
        EXPECT_EQ(swatch->backColor(), 0u) << swatch->objectName().toStdString();
    EXPECT_EQ(dialog.lbLinkCol->fontColor(), 0xFFu);
    EXPECT_EQ(dialog.lbVisitedLinkCol->fontColor(), 0x800080u);
}

using QuickDocCommand = DocumentTest;

// No and Cancel change nothing; OK replaces the whole text in one undo step, the author from the
// settings.
TEST_F(QuickDocCommand, AsksThenReplacesTheWholeTextAsOneUndoStep)
{
    TCorvaneRegistry::WriteValue(HKEY_CURRENT_USER, "Software\\Corvane\\Pagewick\\Settings\\",
                                 "Author", "Ann");
    open("abc\ndef", 0, 1);
    driver.answer("&Nein").answer("&Ja").press("bbCancel").answer("&Ja").then([](QWidget *dialog) {
        setControlText(dialog, "eTitle", "Home");
        setControlChecked(dialog, "cbUseColor", true);
        pressButton(dialog, "bbOK");
    });
    click("ebQuickDoc");
    QAction *item = document->pmHTML->findChild<QAction *>("miQuickDoc");
    ASSERT_TRUE(item && item->isEnabled());
    item->trigger();
    EXPECT_FALSE(document->isModified());
    click("ebQuickDoc");
    EXPECT_EQ(driver.messages().value(0), "Warnung|Current content will be deleted!! Continue ?");
    const QStringList lines = text().split('\n');
    EXPECT_EQ(lines.value(4), "    <TITLE>Home</TITLE>");
    EXPECT_TRUE(lines.value(8).startsWith("  <BODY BACKGROUND=\"\" BGCOLOR=\"#FFFFFF\""));
    EXPECT_EQ(lines.value(14), "      Page (C) by <A HREF=\"mailto:\">Ann</A>.");
    document->RichEdit->undo();
    EXPECT_EQ(text(), "abc\ndef");
}

} // namespace
