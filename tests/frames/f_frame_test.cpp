#include "support/document_fixture.h"

#include <QLineEdit>
#include <gtest/gtest.h>

namespace {

using FrameDialog = DocumentTest;

// Typed and picked values reach the line; "..." fills the source from the URL builder.
TEST_F(FrameDialog, WritesTheTypedValuesAndTakesTheSourceFromTheUrlBuilder)
{
    open("abc", 0, 2);
    driver
        .then([](QWidget *dialog) {
            EXPECT_EQ(dialog->windowTitle(), "Frame");
            setControlText(dialog, "cbName", "_top");
            setControlText(dialog, "cbScrolling", "NO");
            setControlChecked(dialog, "cbNoResize", true);
            setControlText(dialog, "eSource", "a.htm");
            pressButton(dialog, "bbOK");
        })
        .then([](QWidget *dialog) {
            setControlText(dialog, "eMrgHeight", "5");
            pressButton(dialog, "sbLocateURL");
        })
        .press("BitBtn2")
        .then([](QWidget *dialog) {
            EXPECT_EQ(qobject_cast<QLineEdit *>(findControl(dialog, "eSource"))->text(), "");
            pressButton(dialog, "sbLocateURL");
        })
        .press("BitBtn1")
        .press("bbOK")
        .press("bbCancel");
    click("ebFrame");
    click("ebFrame");
    click("ebFrame");
    EXPECT_EQ(text(), "<FRAME SRC=a.htm NAME=\"_top\" SCROLLING=NO NORESIZE>\n"
                      "<FRAME SRC=http://// MARGINHEIGHT=5>\nabc");
}

} // namespace
