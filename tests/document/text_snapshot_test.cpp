#include "document/text_snapshot.h"

#include <QRandomGenerator>
#include <QTextCursor>
#include <QTextDocument>
#include <gtest/gtest.h>

namespace {

// The raw text, one separator per line break, no-break spaces kept, after any edit.
TEST(TextSnapshot, FollowsEditsUndoAndReplacementOfTheWholeText)
{
    QTextDocument document;
    document.documentLayout(); // as an editor's: a document announces its changes through it
    document.setPlainText("first line\nsecond line\nthird");
    TextSnapshot &snapshot = TextSnapshot::of(document);
    EXPECT_EQ(&TextSnapshot::of(document), &snapshot);
    QRandomGenerator random(11);
    const QString pieces[] = {"x", "\n", "yz\nw", "", "\u2028", "\u00A0"};
    for (int round = 0; round < 400; ++round) {
        // A few edits between two reads, sometimes none.
        const int edits = int(random.bounded(4));
        for (int i = 0; i < edits; ++i) {
            const int length = document.characterCount() - 1;
            QTextCursor cursor(&document);
            const int from = int(random.bounded(length + 1));
            cursor.setPosition(from);
            cursor.setPosition(from + int(random.bounded(qMin(length - from, 5) + 1)),
                               QTextCursor::KeepAnchor);
            const int what = int(random.bounded(6));
            switch (what) {
            case 0:
                document.undo();
                break;
            case 1:
                if (random.bounded(20) == 0)
                    document.setPlainText("new\ntext");
                break;
            default:
                cursor.insertText(pieces[random.bounded(6)]);
            }
        }
        ASSERT_EQ(snapshot.text().toString().toStdString(), document.toRawText().toStdString())
            << "round " << round;
    }
}

// The first copy taken in slices, the document edited between them, before or behind the part
// already copied.
TEST(TextSnapshot, FirstCopyInSlicesFollowsEditsMadeMeanwhile)
{
    for (const quint32 seed : {1u, 2u, 3u, 4u, 5u}) {
        SCOPED_TRACE(seed);
        QTextDocument document;
        document.documentLayout();
        document.setPlainText(QString("line of text\n").repeated(200));
        TextSnapshot &snapshot = TextSnapshot::of(document);
        snapshot.prepare();
        QRandomGenerator random(seed);
        while (!snapshot.copyMore(random.bounded(1, 1000))) {
            if (random.bounded(4) != 0)
                continue;
            QTextCursor cursor(&document);
            cursor.setPosition(int(random.bounded(document.characterCount())));
            cursor.movePosition(QTextCursor::Right, QTextCursor::KeepAnchor,
                                int(random.bounded(3)));
            cursor.insertText(random.bounded(2) ? "ab\ncd" : "");
        }
        ASSERT_EQ(snapshot.text().toString().toStdString(), document.toRawText().toStdString());
    }
}

} // namespace
