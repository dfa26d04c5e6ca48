#include "controls/message_box.h"
#include "controls/std_dialog.h"
#include "support/modal_driver.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QVBoxLayout>
#include <gtest/gtest.h>

namespace {

// Refuses OK while its edit box is empty.
class NeedsText : public TStdDialog {
public:
    NeedsText() : TStdDialog("NeedsText", "Needs text")
    {
        eValue = new QLineEdit(this);
        eValue->setObjectName("eValue");
        body()->addWidget(eValue);
    }
    QLineEdit *eValue;

protected:
    bool bbOKClick() override
    {
        if (!eValue->text().isEmpty())
            return true;
        ShowInformation(this, "Enter a value.");
        return false;
    }
};

// OK and Cancel themselves are checked with a real dialog (the rule dialog).
TEST(StdDialog, RefusedOkKeepsTheDialogOpen)
{
    NeedsText dialog;
    ModalDriver driver;
    driver.press("bbOK").answer("OK").then([](QWidget *w) {
        setControlText(w, "eValue", "42");
        pressButton(w, "bbOK");
    });
    EXPECT_EQ(dialog.ShowModal(), mrOk);
    EXPECT_EQ(driver.messages(), QStringList{"Information|Enter a value."});
    EXPECT_EQ(dialog.eValue->text(), "42");
}

TEST(StdDialog, OpensOnItsFirstFieldWithTheTextSelected)
{
    NeedsText dialog;
    dialog.eValue->setText("7");
    ModalDriver driver;
    driver.then([&](QWidget *w) {
        EXPECT_EQ(w->focusWidget(), dialog.eValue);
        EXPECT_EQ(dialog.eValue->selectedText(), "7");
        QTest::keyClicks(w->focusWidget(), "42");
        QTest::keyClick(w->focusWidget(), Qt::Key_Return);
    });
    EXPECT_EQ(dialog.ShowModal(), mrOk);
    EXPECT_EQ(dialog.eValue->text(), "42");
}

// The failures a statement reports, caught so that they do not fail this test.
QStringList failuresOf(const std::function<void()> &statement)
{
    QStringList messages;
    for (const testing::TestPartResult &result : caughtResults(statement))
        messages << QString::fromStdString(result.message());
    return messages;
}

TEST(ModalWatch, ADialogNoStepTakesFailsTheTestNamedAndIsClosed)
{
    EXPECT_EQ(failuresOf([] { ShowInformation(nullptr, "Surprise"); }),
              QStringList("Failed\nModal dialog unexpected: QMessageBox MessageBox "
                          "\"Information\": Surprise"));
    expectNoWindowLeftOpen();
}

TEST(ModalWatch, AFailingStepDoesNotLeaveItsDialogOpen)
{
    NeedsText dialog;
    const QStringList failures = failuresOf([&] {
        ModalDriver driver;
        driver.answer("OK");
        EXPECT_EQ(dialog.ShowModal(), mrCancel);
    });
    ASSERT_EQ(failures.size(), 2) << failures.join('\n').toStdString();
    EXPECT_TRUE(failures[0].contains("expected a message box, got TStdDialog"));
    EXPECT_TRUE(failures[1].endsWith("Modal dialog left open by a failing step: TStdDialog "
                                     "NeedsText \"Needs text\""));
    expectNoWindowLeftOpen();
}

TEST(ModalWatch, ADriverEndingWithADialogStillExpectedFailsTheTest)
{
    const QStringList failures = failuresOf([] { ModalDriver().answer("OK"); });
    ASSERT_EQ(failures.size(), 1);
    EXPECT_TRUE(failures[0].endsWith("1 expected dialog(s) never opened"));
}

} // namespace
