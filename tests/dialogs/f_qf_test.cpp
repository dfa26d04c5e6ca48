#include "controls/updown.h"
#include "dialogs/f_qf.h"
#include "settings/color_label.h"
#include "support/document_fixture.h"

#include <QAction>
#include <QColorDialog>
#include <QFontDialog>
#include <QFontInfo>
#include <QMenu>
#include <QTest>
#include <gtest/gtest.h>

namespace {

using QuickFontDialog = DocumentTest;

// Both samples' dialogs cancelled keep the defaults; a colour chosen and a size typed replace
// them; the next run starts from the defaults again.
TEST_F(QuickFontDialog, SamplesAndSizeMakeTheTagAndEveryRunStartsFromTheDefaults)
{
    open("abc", 0, 1);
    const auto doubleClick = [](const char *name) {
        return [name](QWidget *dialog) {
            QTest::mouseDClick(findControl(dialog, name), Qt::LeftButton);
        };
    };
    driver.then(doubleClick("lbFontName"))
        .then([](QWidget *w) {
            auto *fonts = qobject_cast<QFontDialog *>(w);
            ASSERT_NE(fonts, nullptr);
            EXPECT_EQ(fonts->currentFont().family(),
                      QFontInfo(QFont(QStringLiteral("Courier New"))).family());
            fonts->setCurrentFont(QFont(QStringLiteral("Liberation Serif"), 30));
            fonts->reject();
        })
        .then(doubleClick("lbFontColor"))
        .then([](QWidget *w) {
            auto *colors = qobject_cast<QColorDialog *>(w);
            ASSERT_NE(colors, nullptr);
            colors->setCurrentColor(Qt::red);
            colors->accept();
        })
        .then([](QWidget *dialog) {
            auto *upDown = qobject_cast<TUpDown *>(findControl(dialog, "UpDown1"));
            QTest::keyClick(upDown, Qt::Key_Up);
            EXPECT_EQ(upDown->text(), "3");
            setControlText(dialog, "eFontSize", "+1");
            pressButton(dialog, "bbOK");
        })
        .press("bbOK");
    click("ebQuickFont");
    document->pmHTML->findChild<QAction *>(QStringLiteral("miQuickFont"))->trigger();
    EXPECT_EQ(text(), "<FONT SIZE=\"+1\" COLOR=\"#FF0000\" FACE=\"Courier New\">\n"
                      "<FONT SIZE=\"2\" COLOR=\"#000000\" FACE=\"Courier New\">\n"
                      "abc");
}

TEST_F(QuickFontDialog, ChosenFaceNamesTheSampleWhichKeepsItsSize)
{
    TQuickFont dialog;
    driver.then([&dialog](QWidget *) { dialog.lbFontNameDblClick(); })
        .then([](QWidget *w) {
            QFont bold(QStringLiteral("Liberation Serif"), 30);
            bold.setBold(true);
            qobject_cast<QFontDialog *>(w)->setCurrentFont(bold);
            qobject_cast<QFontDialog *>(w)->accept();
        })
        .then([&dialog](QWidget *) { pressButton(&dialog, "bbCancel"); });
    dialog.ShowModal();
    EXPECT_EQ(dialog.lbFontName->text(), "Liberation Serif");
    EXPECT_TRUE(dialog.lbFontName->font().bold());
    EXPECT_EQ(dialog.lbFontName->font().pointSize(), 14);
    EXPECT_EQ(dialog.FontTag(), "<FONT SIZE=\"2\" COLOR=\"#000000\" FACE=\"Liberation Serif\">");
}

} // namespace
