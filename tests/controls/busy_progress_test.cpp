#include "controls/busy_progress.h"

#include <QGuiApplication>
#include <QProgressDialog>
#include <QWidget>
#include <gtest/gtest.h>

namespace {

// A busy cursor for the whole work; a modal progress window only from ShownFrom bytes on.
TEST(BusyProgress, BusyCursorAlwaysAndAProgressWindowForBigWork)
{
    QWidget parent;
    for (const qint64 total : {BusyProgress::ShownFrom - 1, 10 * BusyProgress::ShownFrom}) {
        {
            BusyProgress busy(&parent, "Opening big.htm ...", total);
            ASSERT_NE(QGuiApplication::overrideCursor(), nullptr);
            EXPECT_EQ(QGuiApplication::overrideCursor()->shape(), Qt::WaitCursor);
            auto *dialog = parent.findChild<QProgressDialog *>("Progress");
            ASSERT_EQ(dialog != nullptr, total >= BusyProgress::ShownFrom) << total;
            if (dialog) {
                EXPECT_EQ(dialog->windowModality(), Qt::ApplicationModal);
                EXPECT_EQ(dialog->labelText(), "Opening big.htm ...");
                busy.advance(total / 2);
                EXPECT_EQ(dialog->value(), 500);
                busy.advance(total * 2); // more than announced: stays full, not beyond
                EXPECT_EQ(dialog->value(), 1000);
            }
        }
        EXPECT_EQ(parent.findChild<QProgressDialog *>(), nullptr);
        EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
    }
}

} // namespace
