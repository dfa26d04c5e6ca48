#include "support/document_fixture.h"

#include <gtest/gtest.h>

namespace {

using NoFramesDialog = DocumentTest;

// The default message on OK, an emptied one, and each block one undo step.
TEST_F(NoFramesDialog, WritesTheMessageAsOneUndoStepAndNothingOnCancel)
{
    open("abc", 0, 1);
    driver.press("bbCancel")
        .then([](QWidget *dialog) {
            EXPECT_EQ(dialog->windowTitle(), "NoFrames");
            EXPECT_LT(dialog->minimumWidth(), dialog->maximumWidth());
            setControlText(dialog, "mMessage", "");
            pressButton(dialog, "bbOK");
        })
        .press("bbOK")
        .then([](QWidget *dialog) {
            setControlText(dialog, "mMessage", "a\u00a0b\n\n");
            pressButton(dialog, "bbOK");
        });
    for (int i = 0; i < 4; ++i)
        click("ebNoframes");
    const QString block = "<NOFRAMES>\n  a\u00a0b\n  \n</NOFRAMES>\n";
    EXPECT_TRUE(text().startsWith("<NOFRAMES>\n</NOFRAMES>\n<NOFRAMES>\n  <H1><BLINK>"));
    EXPECT_EQ(text().count('\n'), 11);
    EXPECT_TRUE(text().endsWith(block + "abc"));
    document->sbUndoClick();
    EXPECT_EQ(text().count('\n'), 7);
}

} // namespace
