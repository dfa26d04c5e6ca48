#include "controls/updown.h"

#include <QLineEdit>
#include <QTest>
#include <QWheelEvent>
#include <gtest/gtest.h>

namespace {

struct Steps {
    TUpDown::Range range;
    QString start;
    std::vector<int> steps;
    QStringList texts;
};

QLineEdit *edit(TUpDown &upDown)
{
    return upDown.findChild<QLineEdit *>(QStringLiteral("eBox"));
}

} // namespace

TEST(UpDown, StepsInsideItsRangeFromTheTypedNumber)
{
    const Steps rows[] = {
        {{1, 6, 1}, "1", {-1, 1, 1, 10}, {"1", "2", "3", "6"}},
        {{0, 90, 0, 10}, "0", {1, 1, 20, -1}, {"10", "20", "90", "80"}},
        {{1, 3, 1, 1, true}, "3", {1, 1, -1, -1}, {"1", "2", "1", "3"}},
        // A typed number outside the range is stepped back into it.
        {{1, 10, 1}, "12", {-1}, {"10"}},
        // A text that holds no number steps from the last position.
        {{1, 10, 4}, "abc", {1}, {"5"}},
    };
    for (const Steps &row : rows) {
        TUpDown upDown(QStringLiteral("udBox"), QStringLiteral("eBox"), row.range);
        upDown.setText(row.start);
        for (size_t i = 0; i < row.steps.size(); ++i) {
            upDown.stepBy(row.steps[i]);
            EXPECT_EQ(upDown.text(), row.texts[int(i)]) << "from " << row.start.toStdString();
        }
    }
}

TEST(UpDown, TypingIsFreeUnlessReadOnlyKeysAndWheelStepAndDisablingReachesTheBox)
{
    TUpDown free(QStringLiteral("udBox"), QStringLiteral("eBox"), {1, 10, 1});
    free.show();
    edit(free)->selectAll();
    QTest::keyClicks(edit(free), QStringLiteral("12x"));
    EXPECT_EQ(free.text(), QStringLiteral("12x"));
    free.setText(QStringLiteral("3"));
    QTest::keyClick(&free, Qt::Key_Up);
    EXPECT_EQ(free.text(), QStringLiteral("4"));
    QWheelEvent wheel(QPointF(5, 5), free.mapToGlobal(QPointF(5, 5)), QPoint(), QPoint(0, -120),
                      Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(&free, &wheel);
    EXPECT_EQ(free.text(), QStringLiteral("3"));

    TUpDown fixed(QStringLiteral("udBox"), QStringLiteral("eBox"), {1, 10, 1, 1, false, true});
    fixed.show();
    QTest::keyClicks(edit(fixed), QStringLiteral("7"));
    EXPECT_EQ(fixed.text(), QStringLiteral("1"));
    QTest::keyClick(&fixed, Qt::Key_Up);
    EXPECT_EQ(fixed.text(), QStringLiteral("2"));
    fixed.setEnabled(false);
    EXPECT_FALSE(edit(fixed)->isEnabled());
}
