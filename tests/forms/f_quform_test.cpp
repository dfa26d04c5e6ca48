#include "document/trecode.h"
#include "support/document_fixture.h"

#include <QAction>
#include <QComboBox>
#include <QFontInfo>
#include <QListWidget>
#include <QMenu>
#include <gtest/gtest.h>

namespace {

using QuickForm = DocumentTest;

ModalDriver::Handler header(const char *action)
{
    return [action](QWidget *dialog) {
        setControlText(dialog, "eAction", action);
        pressButton(dialog, "bbOK");
    };
}

// Picks a kind in the QuickForm dialog and presses Insert.
ModalDriver::Handler insert(const char *kind)
{
    return [kind](QWidget *dialog) {
        setControlText(dialog, "cbItems", kind);
        pressButton(dialog, "bbInsert");
    };
}

ModalDriver::Handler field(const QString &name, const QString &value = {})
{
    return [name, value](QWidget *dialog) {
        setControlText(dialog, "eName", name);
        if (!value.isNull())
            setControlText(dialog, "eValue", value);
        pressButton(dialog, "bbOK");
    };
}

// The pop-up item runs it too; a kind that is not one of the list is refused; a cancelled field
// adds nothing; the whole form is one undo step.
TEST_F(QuickForm, CollectsFieldsInOrderAndWritesThemIndentedInsideTheForm)
{
    open("abc", 0, 1);
    driver.then(header("go.cgi"))
        .then([](QWidget *dialog) {
            EXPECT_EQ(QFontInfo(findControl(dialog, "lbItems")->font()).fixedPitch(), true);
            pressButton(dialog, "bbInsert");
        })
        .answer("OK")
        .then(insert("text"))
        .answer("OK")
        .then(insert("text box"))
        .then(field("a"))
        .then(insert("drop-down list"))
        .press("bbCancel")
        .then(insert("reset-button"))
        .then(field("r", "Clear"))
        .then(insert("drop-down list"))
        .then(field("c"))
        .press("bbOK");
    QAction *item = document->pmHTML->findChild<QAction *>("miQuickForm");
    ASSERT_TRUE(item->isEnabled());
    item->trigger();
    EXPECT_EQ(driver.messages(),
              QStringList({"Fehler|No item selected !!", "Fehler|No item selected !!"}));
    EXPECT_EQ(text(), "<FORM ACTION=\"go.cgi\" METHOD=\"\" ENCTYPE=\"\">\n"
                      "  <INPUT TYPE=\"TEXT\" NAME=\"a\" VALUE=\"\" SIZE= MAXLENGTH=><BR>\n"
                      "  <INPUT TYPE=\"Reset\" NAME=\"r\" VALUE=\"Clear\">\n"
                      "  <SELECT NAME=\"c\">\n    <OPTION>\n  </SELECT><BR>\n</FORM>\nabc");
    document->RichEdit->undo();
    EXPECT_EQ(text(), "abc");
}

// Cancel in the header writes nothing; Cancel in QuickForm still writes the empty form; more
// than twenty fields are all written.
TEST_F(QuickForm, CancelLeavesAnEmptyFormAndTwentyOneFieldsAreAllWritten)
{
    open("abc");
    driver.press("bbCancel").then(header("")).then(insert("checkbox")).then(field("x"));
    driver.press("bbCancel").then(header("m"));
    for (int i = 0; i < 21; ++i)
        driver.then(insert("radio-button")).then(field("r", QString::number(i)));
    driver.press("bbOK");
    click("ebQuickForm");
    EXPECT_EQ(text(), "abc");
    click("ebQuickForm");
    EXPECT_EQ(text(), "<FORM ACTION=\"\" METHOD=\"\" ENCTYPE=\"\">\n</FORM>\nabc");
    click("ebQuickForm");
    const QStringList lines = text().split('\n');
    ASSERT_EQ(lines.size(), 26);
    EXPECT_EQ(lines[23], "  <INPUT TYPE=\"RADIO\" NAME=\"r\" VALUE=\"20\"><BR>");
    EXPECT_EQ(lines[24], "</FORM>");
}

} // namespace
