#include "support/document_fixture.h"
#include "support/modal_driver.h"

#include <gtest/gtest.h>

namespace {

// The source comes from the URL builder; the tag becomes its own line above the caret's line.
TEST(ImageDialog, TheGeneralPageButtonWritesALineOnOkAndNothingOnCancel)
{
    auto document = makeDocument("abc", 0, 1);
    document->show();
    ModalDriver driver;
    driver.then([](QWidget *dialog) { pressButton(dialog, "bbCancel"); })
        .then([](QWidget *dialog) {
            setControlText(dialog, "eAltText", "Logo");
            pressButton(dialog, "sbLocateImg");
        })
        .then([](QWidget *builder) {
            setControlText(builder, "eFile", "pic.gif");
            pressButton(builder, "BitBtn1");
        })
        .then([](QWidget *dialog) { pressButton(dialog, "bbOK"); });
    clickTagButton(*document, "ebImage");
    EXPECT_FALSE(document->isModified());
    clickTagButton(*document, "ebImage");
    EXPECT_EQ(documentText(*document), "<IMG SRC=\"http:////pic.gif\" ALT=\"Logo\">\nabc");
    document->approveClose();
    document.reset();
    expectDriverFinished(driver);
}

} // namespace
