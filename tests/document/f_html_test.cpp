#include "controls/explbtn.h"
#include "document/f_html.h"
#include "document/file_names.h"
#include "document/trecode.h"
#include "support/document_fixture.h"
#include "support/temp_settings.h"

#include <QLabel>
#include <QMenu>
#include <QStatusBar>
#include <QTabWidget>
#include <gtest/gtest.h>

namespace {

class DocumentWindow : public TempSettingsTest {};

// MinDoc and the skip argument choose between an empty page and the skeleton, whose lines the
// markup test holds; here the author and e-mail come from the settings.
TEST_F(DocumentWindow, NewDocumentIsEmptyOrTheSkeleton)
{
    settings.store("", "Author", "Ann Lee");
    settings.store("", "EMail", "ann@example.org");
    THTML empty;
    empty.SetFileName(NoName);
    empty.NewDocument(false);
    EXPECT_EQ(empty.windowTitle(), NoName);
    EXPECT_EQ(documentText(empty), "");
    EXPECT_EQ(empty.statusText(0), "0:0");
    EXPECT_EQ(empty.statusText(1), "");

    settings.store("General", "MinDoc", true);
    THTML skipped;
    skipped.NewDocument(true);
    EXPECT_EQ(documentText(skipped), "");
    THTML skeleton;
    skeleton.NewDocument(false);
    const QStringList lines = documentText(skeleton).split('\n');
    ASSERT_EQ(lines.size(), 19);
    EXPECT_EQ(lines.at(18), ""); // every line ends with a line break
    EXPECT_EQ(lines.at(14), "      Page (C) by <A HREF=\"mailto:ann@example.org\">Ann Lee</A>.");
    EXPECT_EQ(skeleton.statusText(0), "0:18");
    EXPECT_EQ(skeleton.statusText(1), "");
    EXPECT_FALSE(skeleton.RichEdit->document()->isUndoAvailable());
}

TEST_F(DocumentWindow, EditorLookComesFromSettingsBlackOnWhiteByDefault)
{
    const auto look = [] {
        THTML document;
        document.NewDocument(false);
        const QPalette colors = document.RichEdit->palette();
        const QFont font = document.RichEdit->font();
        // Source text in a fixed-pitch font wants no kerning or ligatures, and shaping costs.
        const bool shaped = !(font.styleStrategy() & QFont::PreferNoShaping);
        return QStringList{colors.color(QPalette::Text).name(), colors.color(QPalette::Base).name(),
                           font.family(), QString::number(font.pointSize()),
                           shaped ? "shaped" : "unshaped"};
    };
    settings.store("Editor", "StdFontSize", 0); // too small: the default size
    EXPECT_EQ(look(), QStringList({"#000000", "#ffffff", "Courier New", "10", "unshaped"}));
    settings.store("Editor", "TextCol", 0x0000FF); // red
    settings.store("Editor", "BGCol", 0x00FFFF);   // yellow
    settings.store("Editor", "StdFont", "Liberation Mono");
    settings.store("Editor", "StdFontSize", 14);
    EXPECT_EQ(look(), QStringList({"#ff0000", "#ffff00", "Liberation Mono", "14", "unshaped"}));
}

TEST_F(DocumentWindow, WrongStoredTypeIsReportedAndTheSetUpGoesOnWithTheDefault)
{
    settings.store("General", "DocMaxi", "yes");
    settings.store("General", "MinDoc", 1);
    THTML document;
    document.NewDocument(false);
    ASSERT_EQ(settings.notices().size(), 1);
    EXPECT_TRUE(settings.notices().first().contains("DocMaxi"));
    EXPECT_GT(document.LineCount(), 1);
}

// The buttons, pages, menu items and status panels come from tables in the code; here that
// each table is built, and one part of each placed.
TEST_F(DocumentWindow, LayoutBuildsEveryPart)
{
    THTML document;
    EXPECT_EQ(document.Panel4->findChildren<TExplorerButton *>().size(), 9);
    EXPECT_EQ(document.findChild<TExplorerButton *>("ebComponents")->pos(), QPoint(109, 30));
    ASSERT_EQ(document.PageControl1->count(), 8);
    EXPECT_EQ(document.PageControl1->widget(7)->objectName(), "tsUserTags");
    EXPECT_EQ(document.PageControl1->currentIndex(), 0);
    ASSERT_EQ(document.pmHTML->actions().size(), 6);
    EXPECT_EQ(document.pmHTML->actions().last()->objectName(), "miPreviewDoc");
    EXPECT_EQ(document.StatusBar1->findChild<QLabel *>("StatusPanel3")->width(), 50);
}

} // namespace
