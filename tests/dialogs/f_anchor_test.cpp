#include "document/trecode.h"
#include "support/document_fixture.h"

#include <QLineEdit>
#include <gtest/gtest.h>

namespace {

using AnchorDialog = DocumentTest;

// An empty link is refused with the dialog kept as typed; the element goes in at the caret with
// the caret just before "</A>"; Cancel writes nothing.
TEST_F(AnchorDialog, RefusesAnEmptyLinkThenSplicesTheElementAtTheCaret)
{
    open("abcd", 0, 2);
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
        .press("bbCancel");
    click("ebAnchor");
    EXPECT_EQ(driver.messages(), QStringList{"Fehler|No URL defined!"});
    EXPECT_EQ(text(), "ab<A HREF=\"a.htm\">Home</A>cd");
    EXPECT_EQ(document->RichEdit->caretColumn(), 22);
    click("ebAnchor");
    EXPECT_EQ(text(), "ab<A HREF=\"a.htm\">Home</A>cd");
}

} // namespace
