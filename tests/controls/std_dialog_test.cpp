#include "controls/message_box.h"
#include "controls/std_dialog.h"
#include "support/modal_driver.h"

#include <QLineEdit>
#include <QPushButton>
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
    driver.then([](QWidget *w) { pressButton(w, "bbOK"); }).answer("OK").then([](QWidget *w) {
        setControlText(w, "eValue", "42");
        pressButton(w, "bbOK");
    });
    EXPECT_EQ(dialog.ShowModal(), mrOk);
    EXPECT_TRUE(driver.allHandled());
    EXPECT_EQ(driver.messages(), QStringList{"Information|Enter a value."});
    EXPECT_EQ(dialog.eValue->text(), "42");
}

} // namespace
