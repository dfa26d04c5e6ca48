#include "document/trecode.h"
#include "support/document_fixture.h"
#include "support/modal_driver.h"

#include <QLineEdit>
#include <gtest/gtest.h>

namespace {

// An empty link is refused with the dialog kept as typed; the element goes in at the caret with
// the caret just before "</A>"; Cancel writes nothing.
TEST(AnchorDialog, RefusesAnEmptyLinkThenSplicesTheElementAtTheCaret)
{
    auto document = makeDocument("abcd", 0, 2);
    document->show();
    ModalDriver driver;
    driver
        .then([](QWidget *dialog) {
            setControlText(dialog, "eDesc", "Home");
            pressButton(dialog, "bbOK");
        })
        .answer("OK")
        .then([](QWidget *dialog) {
            EXPECT_EQ(qobject_cast<QLineEdit *>(findControl(dialog, "eDesc"))->text(), "Home");
            setControlText(dialog, "eLink", "a.htm");
            pressButton(dialog, "bbOK");
        })
        .then([](QWidget *dialog) { pressButton(dialog, "bbCancel"); });
    clickTagButton(*document, "ebAnchor");
    EXPECT_EQ(driver.messages(), QStringList{"Fehler|No URL defined!"});
    EXPECT_EQ(documentText(*document), "ab<A HREF=\"a.htm\">Home</A>cd");
    EXPECT_EQ(document->RichEdit->caretColumn(), 22);
    clickTagButton(*document, "ebAnchor");
    EXPECT_EQ(documentText(*document), "ab<A HREF=\"a.htm\">Home</A>cd");
    document->approveClose();
    document.reset();
    expectDriverFinished(driver);
}

} // namespace
