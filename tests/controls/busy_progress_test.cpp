#include "controls/busy_progress.h"

#include <QGuiApplication>
#include <QProgressDialog>
#include <QWidget>
#include <gtest/gtest.h>

namespace {

TEST(BusyProgress, BusyCursorForItsWholeLife)
{
    QWidget parent;
    {
        BusyProgress busy(&parent, "Saving", 0);
        ASSERT_NE(QGuiApplication::overrideCursor(), nullptr);
        EXPECT_EQ(QGuiApplication::overrideCursor()->shape(), Qt::WaitCursor);
        EXPECT_EQ(parent.findChild<QProgressDialog *>(), nullptr);
    }
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

TEST(BusyProgress, BigWorkGetsAModalProgressWindowThatFollowsTheWork)
{
    QWidget parent;
    const qint64 total = 10 * BusyProgress::ShownFrom;
    {
        BusyProgress busy(&parent, "Opening big.htm ...", total);
        auto *dialog = parent.findChild<QProgressDialog *>("Progress");
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(dialog->windowModality(), Qt::ApplicationModal);
        EXPECT_EQ(dialog->labelText(), "Opening big.htm ...");
        busy.advance(total / 2);
        EXPECT_EQ(dialog->value(), 500);
        busy.advance(total * 2); // more than announced: stays full, not beyond
        EXPECT_EQ(dialog->value(), 1000);
    }
    EXPECT_EQ(parent.findChild<QProgressDialog *>(), nullptr);
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

TEST(BusyProgress, SmallWorkShowsNoWindow)
{
    QWidget parent;
    BusyProgress busy(&parent, "Opening", BusyProgress::ShownFrom - 1);
    EXPECT_EQ(parent.findChild<QProgressDialog *>(), nullptr);
}

} // namespace
