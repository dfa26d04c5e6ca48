#include "document/trecode.h"

#include <QCoreApplication>
#include <QScrollBar>
#include <QSet>
#include <QTest>
#include <QTextBlock>
#include <gtest/gtest.h>

namespace {

// Pure colours, so that the inside of a glyph shows exactly its colour.
const SyntaxColours colours{0x00FF00, 0xFF0000, 0x0000FF, 0xFF00FF};
const QRgb greenText = qRgb(0, 255, 0), blueLink = qRgb(0, 0, 255), redImage = qRgb(255, 0, 0),
           magentaOther = qRgb(255, 0, 255), black = qRgb(0, 0, 0);

class EditorColouring : public ::testing::Test {
protected:
    void show(const QString &source)
    {
        edit.setPlainText(source);
        edit.applyLook("Liberation Mono", 24, 0x000000, 0xFFFFFF);
        edit.setSyntaxColours(colours);
        edit.resize(700, 400);
        edit.show();
        edit.setCursorWidth(0); // no caret in the text colour
        QCoreApplication::processEvents();
    }
    // The colours that one line shows, of those the test looks for.
    QSet<QRgb> coloursOf(int line)
    {
        QCoreApplication::processEvents();
        const QImage view = edit.viewport()->grab().toImage();
        const QTextBlock block = edit.document()->findBlockByNumber(line);
        const QRect area = edit.cursorRect(QTextCursor(block));
        QSet<QRgb> found;
        for (int y = area.top(); y <= area.bottom(); ++y) {
            for (int x = 0; x < view.width(); ++x) {
                const QRgb pixel = view.pixel(x, y) | 0xFF000000;
                if (pixel == greenText || pixel == blueLink || pixel == redImage ||
                    pixel == magentaOther || pixel == black)
                    found.insert(pixel);
            }
        }
        return found;
    }

    TSRichEdit edit;
};

} // namespace

// Display only: nothing of it reaches the text, its undo steps or the modified flag.
TEST_F(EditorColouring, ShownLinesTakeTheirColoursOrThePlainOneWhenSwitchedOff)
{
    show("<B>MM</B>\n<A HREF=x>MM</A>\n<IMG SRC=x>\nMM\nMM</B>");
    const struct {
        int line;
        QSet<QRgb> shown;
    } rows[] = {{0, {magentaOther, greenText}},
                {1, {blueLink, greenText}},
                {2, {redImage}},
                {3, {greenText}},
                {4, {greenText, magentaOther}}};
    for (const auto &row : rows)
        EXPECT_EQ(coloursOf(row.line), row.shown) << row.line;
    EXPECT_FALSE(edit.document()->isModified());
    EXPECT_FALSE(edit.document()->isUndoAvailable());

    edit.setSyntaxColours(std::nullopt);
    for (const auto &row : rows)
        EXPECT_EQ(coloursOf(row.line), QSet<QRgb>{black}) << row.line;
}

// The edit is above the view: the shown lines must not keep the state they had before it.
TEST_F(EditorColouring, ClosingACommentAboveRecoloursTheShownLines)
{
    show("<!-- MM\n" + QString("MM\n").repeated(40));
    edit.verticalScrollBar()->setValue(10);
    EXPECT_EQ(coloursOf(12), QSet<QRgb>{magentaOther});
    QTextCursor opener(edit.document()->firstBlock());
    opener.movePosition(QTextCursor::EndOfBlock);
    opener.insertText("-->");
    EXPECT_EQ(coloursOf(12), QSet<QRgb>{greenText});
    edit.document()->undo();
    EXPECT_EQ(coloursOf(12), QSet<QRgb>{magentaOther});
}

// A comment opened far above the view: the lines in between are caught up while idle, and the
// shown lines then take the comment's colour.
TEST_F(EditorColouring, CommentFarAboveReachesTheShownLinesOnceIdle)
{
    const int lines = 5000;
    show("<!-- MM\n" + QString("MM\n").repeated(lines));
    edit.verticalScrollBar()->setValue(edit.verticalScrollBar()->maximum());
    EXPECT_TRUE(QTest::qWaitFor([&] { return coloursOf(lines - 1) == QSet<QRgb>{magentaOther}; }))
        << coloursOf(lines - 1).size();
}
