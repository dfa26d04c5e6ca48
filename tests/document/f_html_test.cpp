#include "document/f_html.h"
#include "document/file_names.h"
#include "document/trecode.h"
#include "settings/corvane_registry.h"
#include "support/document_fixture.h"
#include "support/temp_settings.h"

#include <QLabel>
#include <QMenu>
#include <QStatusBar>
#include <QTabWidget>
#include <QToolButton>
#include <gtest/gtest.h>

namespace {

const QString General = QStringLiteral("Software\\Corvane\\Pagewick\\Settings\\General");
const QString Editor = QStringLiteral("Software\\Corvane\\Pagewick\\Settings\\Editor");
const QString Stem = QStringLiteral("Software\\Corvane\\Pagewick\\Settings\\");

void store(const QString &key, const QString &name, const QVariant &value)
{
    TCorvaneRegistry::WriteValue(HKEY_CURRENT_USER, key, name, value);
}

class DocumentWindow : public TempSettingsTest {};

// MinDoc and the skip argument choose between an empty page and the skeleton, whose lines the
// markup test holds; here the author and e-mail come from the settings.
TEST_F(DocumentWindow, NewDocumentIsEmptyOrTheSkeleton)
{
    store(Stem, "Author", "Ann Lee");
    store(Stem, "EMail", "ann@example.org");
    THTML empty;
    empty.SetFileName(NoName);
    empty.NewDocument(false);
    EXPECT_EQ(empty.windowTitle(), NoName);
    EXPECT_EQ(documentText(empty), "");
    EXPECT_EQ(empty.statusText(0), "0:0");
    EXPECT_EQ(empty.statusText(1), "");

    store(General, "MinDoc", true);
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
        return QStringList{colors.color(QPalette::Text).name(), colors.color(QPalette::Base).name(),
                           font.family(), QString::number(font.pointSize())};
    };
    store(Editor, "StdFontSize", 0); // too small: the default size
    EXPECT_EQ(look(), QStringList({"#000000", "#ffffff", "Courier New", "10"}));
    store(Editor, "TextCol", 0x0000FF); // red
    store(Editor, "BGCol", 0x00FFFF);   // yellow
    store(Editor, "StdFont", "Liberation Mono");
    store(Editor, "StdFontSize", 14);
    EXPECT_EQ(look(), QStringList({"#ff0000", "#ffff00", "Liberation Mono", "14"}));
}

TEST_F(DocumentWindow, WrongStoredTypeIsReportedAndTheSetUpGoesOnWithTheDefault)
{
    store(General, "DocMaxi", "yes");
    store(General, "MinDoc", 1);
    THTML document;
    document.NewDocument(false);
    ASSERT_EQ(settings.notices().size(), 1);
    EXPECT_TRUE(settings.notices().first().contains("DocMaxi"));
    EXPECT_GT(document.LineCount(), 1);
}

TEST_F(DocumentWindow, LayoutNamesEveryPart)
{
    THTML document;
    for (const char *name : {"ebSearch", "ebReplace", "ebIndent", "ebUnIndent", "ebCopy", "ebCut",
                             "ebPase", "ebUndo", "ebComponents"}) {
        auto *button = document.findChild<QToolButton *>(name);
        ASSERT_NE(button, nullptr) << name;
        EXPECT_EQ(button->size(), QSize(25, 25));
        EXPECT_TRUE(button->isEnabled()) << name;
        EXPECT_FALSE(button->icon().isNull()) << name;
    }
    EXPECT_EQ(document.findChild<QToolButton *>("ebPase")->pos(), QPoint(51, 30));
    EXPECT_EQ(document.findChild<QToolButton *>("ebComponents")->pos(), QPoint(109, 30));

    QStringList pages;
    for (int i = 0; i < document.PageControl1->count(); ++i)
        pages << document.PageControl1->widget(i)->objectName() + "=" +
                     document.PageControl1->tabText(i);
    EXPECT_EQ(pages, QStringList({"General=General", "tsFont=Fonts", "tsTables=Tables",
                                  "tsForms=Forms", "tsLists=Lists", "tsFrames=Frames",
                                  "tsSpecial=Special", "tsUserTags=User-Tags"}));
    EXPECT_EQ(document.PageControl1->currentIndex(), 0);
    EXPECT_EQ(document.RichEdit->objectName(), "RichEdit");

    QStringList items;
    for (QAction *action : document.pmHTML->actions())
        items << action->objectName() + "=" + action->text();
    EXPECT_EQ(items, QStringList({"miQuickDoc=Quick &Document", "miQuickFont=Quick &Font",
                                  "miQuickTable=Quick &Table", "miQuickForm=Quick F&orm",
                                  "miImgGallery=Image &Gallery..."}));

    QList<int> widths;
    for (int i = 0; i < 4; ++i)
        widths << document.StatusBar1->findChild<QLabel *>(QStringLiteral("StatusPanel%1").arg(i))
                      ->width();
    EXPECT_EQ(widths, QList<int>({80, 80, 80, 50}));
}

} // namespace
