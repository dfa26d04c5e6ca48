#include "controls/explbtn.h"
#include "document/f_html.h"
#include "document/file_names.h"
#include "document/trecode.h"
#include "support/document_fixture.h"
#include "support/test_files.h"
#include "tags/component_drag.h"
#include "tags/f_comps.h"
#include "tags/snippets_markup.h"

#include <QApplication>
#include <QDrag>
#include <QMimeData>
#include <QPushButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

namespace {

QList<TComps *> openCatalogues()
{
    QList<TComps *> found;
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        if (auto *comps = qobject_cast<TComps *>(widget); comps && comps->isVisible())
            found.append(comps);
    }
    return found;
}

class Catalogue : public DocumentTest {
protected:
    void TearDown() override
    {
        for (TComps *comps : openCatalogues())
            comps->close();
        DocumentTest::TearDown();
    }

    QTreeWidgetItem *entry(TComps *comps, const QString &name)
    {
        const auto items =
            comps->oComponents->findItems(name, Qt::MatchExactly | Qt::MatchRecursive);
        return items.isEmpty() ? nullptr : items.first();
    }

    // Presses the mouse on an entry and moves it by distance with the buttons held;
    // returns the drag the tree started, if any.
    QDrag *dragEntry(TComps *comps, const QString &name, Qt::MouseButton button, int distance)
    {
        QTreeWidgetItem *item = entry(comps, name);
        for (QTreeWidgetItem *up = item->parent(); up; up = up->parent())
            up->setExpanded(true);
        comps->oComponents->scrollToItem(item);
        QWidget *viewport = comps->oComponents->viewport();
        const auto send = [&](QEvent::Type type, QPoint at, Qt::MouseButton changed,
                              Qt::MouseButtons held) {
            QMouseEvent event(type, at, viewport->mapToGlobal(at), changed, held, Qt::NoModifier);
            QApplication::sendEvent(viewport, &event);
        };
        const QPoint at = comps->oComponents->visualItemRect(item).center();
        const QPoint to = at + QPoint(distance, 0);
        send(QEvent::MouseButtonPress, at, button, button);
        send(QEvent::MouseMove, to, Qt::NoButton, button);
        QDrag *drag = comps->oComponents->findChild<QDrag *>();
        send(QEvent::MouseButtonRelease, to, button, Qt::NoButton);
        return drag;
    }

    // Delivers data to the editor as a drag entering, moving and dropping at point;
    // returns whether the editor accepted the drop.
    bool dropOnEditor(THTML &target, const QMimeData *data, QPoint point = {5, 5})
    {
        QWidget *viewport = target.RichEdit->viewport();
        QDragEnterEvent enter(point, Qt::CopyAction, data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(viewport, &enter);
        QDragMoveEvent move(point, Qt::CopyAction, data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(viewport, &move);
        if (!move.isAccepted())
            return false;
        QDropEvent drop(point, Qt::CopyAction, data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(viewport, &drop);
        return drop.isAccepted();
    }
};

TEST_F(Catalogue, WindowFaceAndTheCloseButtonFreesIt)
{
    QPointer<TComps> comps = openComponentCatalogue();
    EXPECT_EQ(comps->windowTitle(), "Components");
    EXPECT_TRUE(comps->windowFlags() & Qt::WindowStaysOnTopHint);

    QTest::mouseClick(comps->bbOK, Qt::LeftButton);
    processEvents();
    EXPECT_TRUE(comps.isNull());
}

TEST_F(Catalogue, TwoClicksGiveTwoWindowsAtTheSamePlaceThatOutliveTheDocument)
{
    open("abcdef", 0, 3);
    auto *button = document->findChild<TExplorerButton *>("ebComponents");
    ASSERT_TRUE(button->Enabled());
    QTest::mouseClick(button, Qt::LeftButton);
    QTest::mouseClick(button, Qt::LeftButton);
    const QList<TComps *> windows = openCatalogues();
    ASSERT_EQ(windows.size(), 2);
    const int screenWidth = windows[0]->screen()->geometry().width();
    for (TComps *comps : windows) {
        EXPECT_EQ(comps->x(), screenWidth - comps->width() - 10);
        EXPECT_EQ(comps->y(), 145);
    }
    EXPECT_NE(windows[0], windows[1]);
    EXPECT_EQ(text(), "abcdef");

    document->approveClose();
    document.reset();
    processEvents();
    EXPECT_EQ(openCatalogues().size(), 2);
}

TEST_F(Catalogue, LeftDragOfHeading3OntoTheEditorInsertsAtTheCaret)
{
    open("abcdef", 0, 3);
    TComps *comps = openComponentCatalogue();
    // Only a left drag past the threshold starts a drag.
    const int far = QApplication::startDragDistance() + 2;
    EXPECT_EQ(dragEntry(comps, "Heading 3", Qt::RightButton, far), nullptr);
    EXPECT_EQ(dragEntry(comps, "Heading 3", Qt::LeftButton, far - 3), nullptr);
    processEvents();
    QDrag *drag = dragEntry(comps, "Heading 3", Qt::LeftButton, far);
    ASSERT_NE(drag, nullptr);
    EXPECT_EQ(componentEntry(drag->mimeData()), "Heading 3");
    // The drop lands far from the caret; the snippet still goes to the caret.
    EXPECT_TRUE(dropOnEditor(*document, drag->mimeData(), QPoint(200, 100)));
    EXPECT_EQ(text(), "abc<H3>Enter Heading here</H3>def");
    EXPECT_EQ(document->RichEdit->Row(), 0);
    EXPECT_EQ(document->RichEdit->Col(), 33);
    EXPECT_EQ(document->statusText(1), "modified...");
}

TEST_F(Catalogue, AGroupDropChangesNothingAndOtherDragsAreLeftToTheEditor)
{
    open("abcdef", 0, 3);
    std::unique_ptr<QMimeData> group(componentMimeData("Headings"));
    EXPECT_TRUE(dropOnEditor(*document, group.get()));
    QMimeData other;
    other.setData("application/x-other", "Heading 3");
    EXPECT_FALSE(dropOnEditor(*document, &other));
    EXPECT_EQ(text(), "abcdef");
    EXPECT_EQ(document->RichEdit->Col(), 3);
    EXPECT_FALSE(document->isModified());
}

TEST_F(Catalogue, ShowCompOpensTheCatalogueForNewAndLoadedDocuments)
{
    settings.store("General", "ShowComp", true);
    document = std::make_unique<THTML>();
    document->SetFileName(NoName);
    document->NewDocument(false);
    EXPECT_EQ(openCatalogues().size(), 1);

    QTemporaryDir dir;
    const QString path = dir.filePath("page.htm");
    writeBytes(path, "<P>\r\n");
    THTML loaded;
    loaded.SetFileName(path);
    loaded.LoadDocument();
    EXPECT_EQ(openCatalogues().size(), 2);

    settings.store("General", "ShowComp", false);
    THTML plain;
    plain.NewDocument(false);
    EXPECT_EQ(openCatalogues().size(), 2);
}

} // namespace
