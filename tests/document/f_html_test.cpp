#include "document/f_html.h"
#include "document/file_names.h"
#include "document/trecode.h"
#include "settings/corvane_registry.h"
#include "support/document_fixture.h"
#include "support/modal_driver.h"
#include "support/temp_settings.h"

#include <QLabel>
#include <QMenu>
#include <QStatusBar>
#include <QTabWidget>
#include <QTest>
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

TEST_F(DocumentWindow, NewDocumentWithoutSkeletonIsEmptyAndUnmodified)
{
    THTML document;
    document.SetFileName(NoName);
    document.NewDocument(false);
    EXPECT_EQ(document.windowTitle(), NoName);
    EXPECT_EQ(documentText(document), "");
    EXPECT_EQ(document.statusText(0), "0:0");
    EXPECT_EQ(document.statusText(1), "");
}

TEST_F(DocumentWindow, SkeletonHasEighteenLinesAndCaretOnLine18)
{
    store(General, "MinDoc", true);
    store(Stem, "Author", "Ann Lee");
    store(Stem, "EMail", "ann@example.org");
    THTML document;
    document.NewDocument(false);
    const QStringList lines = documentText(document).split('\n');
    ASSERT_EQ(lines.size(), 19);
    EXPECT_EQ(lines.at(18), ""); // every line ends with a line break
    EXPECT_EQ(lines.at(0), "<!DOCTYPE HTML PUBLIC \"-//IETF//DTD HTML 3.0//EN\">");
    EXPECT_TRUE(lines.at(1).startsWith("<!-- Document created : "));
    EXPECT_EQ(lines.at(5), "    <META NAME=\"Author\" CONTENT=\"Ann Lee\">");
    EXPECT_EQ(lines.at(14), "      Page (C) by <A HREF=\"mailto:ann@example.org\">Ann Lee</A>.");
    EXPECT_EQ(lines.at(17), "</HTML>");
    EXPECT_EQ(document.LineCount(), 18);
    EXPECT_EQ(document.statusText(0), "0:18");
    EXPECT_EQ(document.statusText(1), "");
    EXPECT_FALSE(document.RichEdit->document()->isUndoAvailable());
}

TEST_F(DocumentWindow, SkipSkeletonLeavesTheTextEmpty)
{
    store(General, "MinDoc", true);
    THTML document;
    document.NewDocument(true);
    EXPECT_EQ(documentText(document), "");
}

TEST_F(DocumentWindow, TypingShowsModifiedMark)
{
    THTML document;
    document.NewDocument(false);
    document.show();
    QTest::keyClicks(document.RichEdit, "ab");
    EXPECT_EQ(document.statusText(0), "2:0");
    EXPECT_EQ(document.statusText(1), "modified...");
    document.setModified(false);
    EXPECT_EQ(document.statusText(1), "");
    document.approveClose();
}

TEST_F(DocumentWindow, EditorLookComesFromSettings)
{
    store(Editor, "TextCol", 0x0000FF);      // red
    store(Editor, "BGCol", 0x00FFFF);        // yellow
    store(Editor, "StdFont", "Liberation Mono");
    store(Editor, "StdFontSize", 14);
    THTML document;
    document.NewDocument(false);
    const QPalette colors = document.RichEdit->palette();
    EXPECT_EQ(colors.color(QPalette::Text), QColor(255, 0, 0));
    EXPECT_EQ(colors.color(QPalette::Base), QColor(255, 255, 0));
    EXPECT_EQ(document.RichEdit->font().family(), "Liberation Mono");
    EXPECT_EQ(document.RichEdit->font().pointSize(), 14);
}

TEST_F(DocumentWindow, EmptyStoreGivesBlackOnWhiteAndTinySizesFallBack)
{
    store(Editor, "StdFontSize", 0);
    THTML document;
    document.NewDocument(false);
    const QPalette colors = document.RichEdit->palette();
    EXPECT_EQ(colors.color(QPalette::Text), QColor(0, 0, 0));
    EXPECT_EQ(colors.color(QPalette::Base), QColor(255, 255, 255));
    EXPECT_EQ(document.RichEdit->font().pointSize(), 10);
    EXPECT_EQ(document.RichEdit->font().family(), "Courier New");
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
        EXPECT_FALSE(button->accessibleName().isEmpty()) << name;
        EXPECT_FALSE(button->icon().isNull()) << name;
    }
    EXPECT_EQ(document.findChild<QToolButton *>("ebPase")->pos(), QPoint(51, 30));
    EXPECT_EQ(document.findChild<QToolButton *>("ebComponents")->pos(), QPoint(109, 30));

    const QStringList pages = {"General", "tsFont", "tsTables", "tsForms",
                               "tsLists", "tsFrames", "tsSpecial", "tsUserTags"};
    const QStringList captions = {"General", "Fonts", "Tables", "Forms",
                                  "Lists", "Frames", "Special", "User-Tags"};
    ASSERT_EQ(document.PageControl1->count(), 8);
    for (int i = 0; i < 8; ++i) {
        EXPECT_EQ(document.PageControl1->widget(i)->objectName(), pages.at(i));
        EXPECT_EQ(document.PageControl1->tabText(i), captions.at(i));
    }
    EXPECT_EQ(document.PageControl1->currentIndex(), 0);
    EXPECT_EQ(document.RichEdit->objectName(), "RichEdit");

    QStringList items;
    for (QAction *action : document.pmHTML->actions())
        items << action->objectName() + "=" + action->text();
    EXPECT_EQ(items, QStringList({"miQuickDoc=Quick &Document", "miQuickFont=Quick &Font",
                                  "miQuickTable=Quick &Table", "miQuickForm=Quick F&orm"}));

    QList<int> widths;
    for (int i = 0; i < 4; ++i)
        widths << document.StatusBar1->findChild<QLabel *>(QStringLiteral("StatusPanel%1").arg(i))->width();
    EXPECT_EQ(widths, QList<int>({80, 80, 80, 50}));
}

TEST_F(DocumentWindow, CloseQuestionNoAndCancel)
{
    auto document = makeDocument("text");
    document->setWindowTitle("page.htm");
    document->InsertAtCaret("x", false, 0);

    ModalDriver driver;
    driver.answer("Abbrechen");
    EXPECT_FALSE(document->FormCloseQuery());
    driver.answer("&Nein");
    EXPECT_TRUE(document->FormCloseQuery());
    EXPECT_TRUE(driver.allHandled());
    EXPECT_EQ(driver.messages().value(0), "Bestätigen|page.htm is not yet saved! Save ?");
    EXPECT_TRUE(driver.unexpected().isEmpty());
}

TEST_F(DocumentWindow, UnmodifiedWindowClosesWithoutAsking)
{
    auto document = makeDocument("text");
    ModalDriver driver;
    EXPECT_TRUE(document->FormCloseQuery());
    EXPECT_TRUE(driver.unexpected().isEmpty());
}

} // namespace
