#include "dialogs/f_url.h"
#include "dialogs/url_button.h"
#include "support/modal_driver.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace {

TEST(UrlBuilder, OpensBuiltAndRebuildsOnEveryChange)
{
    TURLBuilder dialog;
    EXPECT_EQ(dialog.eURL->text(), "http:////");
    EXPECT_FALSE(dialog.eURL->isEnabled());
    dialog.cbURL->setCurrentIndex(3);
    QTest::keyClicks(dialog.eServer, "ann@example.org");
    EXPECT_EQ(dialog.URL, "mailto:ann@example.org//");
    dialog.cbURL->setEditText("my:");
    EXPECT_EQ(dialog.eURL->text(), "my:ann@example.org//");
}

// The "..." button: OK copies the URL into its field, Cancel leaves what the field holds.
TEST(UrlBuilder, DotsButtonFillsItsFieldOnOkOnly)
{
    QWidget owner;
    DialogRows rows(&owner);
    owner.setLayout(rows.layout());
    const DialogRows::ButtonRow row = addUrlRow(rows, QStringLiteral("&Link :"), "eLink", "sbLink",
                                                QStringLiteral("Start the URL builder"));
    QLineEdit *field = row.edit;
    QPushButton *button = row.button;
    field->setText(QStringLiteral("old"));
    EXPECT_EQ(button->accessibleName(), "Start the URL builder");
    ModalDriver driver;
    const auto fill = [](const char *pressed) {
        return [pressed](QWidget *dialog) {
            setControlText(dialog, "eServer", "host");
            setControlText(dialog, "eFile", "a.htm");
            pressButton(dialog, pressed);
        };
    };
    driver.then(fill("BitBtn2")).then(fill("BitBtn1"));
    button->click();
    EXPECT_EQ(field->text(), "old");
    button->click();
    EXPECT_EQ(field->text(), "http://host//a.htm");
    expectDriverFinished(driver);
}

} // namespace
