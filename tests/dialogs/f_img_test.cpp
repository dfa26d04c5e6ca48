#include "support/document_fixture.h"

#include <gtest/gtest.h>

namespace {

using ImageDialog = DocumentTest;

// The source comes from the URL builder; the tag becomes its own line above the caret's line.
TEST_F(ImageDialog, TheGeneralPageButtonWritesALineOnOkAndNothingOnCancel)
{
    open("abc", 0, 1);
    driver.press("bbCancel")
        .then([](QWidget *dialog) {
            setControlText(dialog, "eAltText", "Logo");
            pressButton(dialog, "sbLocateImg");
        })
        .then([](QWidget *builder) {
            setControlText(builder, "eFile", "pic.gif");
            pressButton(builder, "BitBtn1");
        })
        .press("bbOK");
    click("ebImage");
    EXPECT_FALSE(document->isModified());
    click("ebImage");
    EXPECT_EQ(text(), "<IMG SRC=\"http:////pic.gif\" ALT=\"Logo\">\nabc");
}

} // namespace
