#include "app/f_main.h"
#include "core/memory_text.h"
#include "document/file_names.h"
#include "document/trecode.h"
#include "support/document_fixture.h"
#include "wizard/f_hpwiz.h"
#include "wizard/homepage_commands.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QColorDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <gtest/gtest.h>

namespace {

using Wizard = TempSettingsTest;

// Brings the page holding a control to the front, as a user clicks its tab first.
void turnTo(QWidget *wizard, const char *name)
{
    auto *page = findControl(wizard, name)->parentWidget();
    wizard->findChild<QTabWidget *>("pcHPWizard")->setCurrentWidget(page);
}

// The tabs in order; Next and Back go one page on or back.
TEST_F(Wizard, PagesInOrderNextAndBackStepThroughThem)
{
    THPWiz wizard;
    wizard.show();
    QStringList tabs;
    for (int page = 0; page < wizard.pcHPWizard->count(); ++page)
        tabs << wizard.pcHPWizard->widget(page)->objectName() + ':' +
                    wizard.pcHPWizard->tabText(page);
    EXPECT_EQ(tabs.join(' '), "tsTitle:Title tsBackground:Background tsPicture:Picture "
                              "tsParagraph:Paragraph tsLink:Link tsContact:Author Information "
                              "tsFinished:Finished");
    EXPECT_EQ(wizard.pcHPWizard->currentIndex(), 0);
    for (int page = 1; page <= 6; ++page) {
        pressButton(&wizard, QString("bbNext%1").arg(page));
        EXPECT_EQ(wizard.pcHPWizard->currentIndex(), page);
    }
    for (int page = 6; page >= 1; --page) {
        pressButton(&wizard, QString("bbBack%1").arg(page));
        EXPECT_EQ(wizard.pcHPWizard->currentIndex(), page - 1);
    }
}

// Each click in turn, with the controls it leaves enabled and disabled.
TEST_F(Wizard, EveryChoiceEnablesItsOwnControls)
{
    THPWiz wizard;
    const struct {
        const char *click; // null: the opening state
        bool checked;
        const char *enabled;
        const char *disabled;
    } rows[] = {
        {nullptr, false, "eTitle eSecHead cbUsePic cbUseParagraph cbUseLink cbUseAuthor",
         "lbColR eColR eColG lbColB eColB sbChooseCol eBGImage sbLocateBGImg lbImage eImage "
         "sbLocateImg cbUseCaption lbImgCaption eImgCaption cbCenterPic mParagraph lbURL eURL "
         "sbLocateURL lbDesc eDesc lbName eName lbEMail eEMail"},
        {"rbColorBG", true, "lbColR eColR lbColG eColG eColB sbChooseCol",
         "eBGImage sbLocateBGImg"},
        {"rbImage", true, "eBGImage sbLocateBGImg", "lbColR eColR eColG lbColB eColB sbChooseCol"},
        {"rbColorBG", true, "eColR sbChooseCol", "eBGImage sbLocateBGImg"},
        {"rbNoBG", true, "", "eColR lbColG eColB sbChooseCol eBGImage sbLocateBGImg"},
        {"cbUsePic", true, "lbImage eImage sbLocateImg cbUseCaption cbCenterPic",
         "lbImgCaption eImgCaption"},
        {"cbUseCaption", true, "lbImgCaption eImgCaption", ""},
        {"cbUsePic", false, "",
         "lbImage eImage sbLocateImg cbUseCaption lbImgCaption eImgCaption cbCenterPic"},
        // The caption stays ticked, and its box follows it again.
        {"cbUsePic", true, "cbUseCaption lbImgCaption eImgCaption cbCenterPic", ""},
        {"cbUseCaption", false, "cbCenterPic", "lbImgCaption eImgCaption"},
        {"cbUseParagraph", true, "mParagraph", ""},
        {"cbUseParagraph", false, "", "mParagraph"},
        {"cbUseLink", true, "lbURL eURL sbLocateURL lbDesc eDesc", ""},
        {"cbUseAuthor", true, "lbName eName lbEMail eEMail", ""},
        {"cbUseAuthor", false, "", "lbName eName lbEMail eEMail"},
    };
    wizard.eColR->setText("7F");
    for (const auto &row : rows) {
        if (row.click) {
            turnTo(&wizard, row.click);
            setControlChecked(&wizard, row.click, row.checked);
        }
        const std::string step = row.click ? row.click : "opening";
        for (const QString &name : QString(row.enabled).split(' ', Qt::SkipEmptyParts))
            EXPECT_TRUE(findControl(&wizard, name)->isEnabled())
                << step << " " << name.toStdString();
        for (const QString &name : QString(row.disabled).split(' ', Qt::SkipEmptyParts))
            EXPECT_FALSE(findControl(&wizard, name)->isEnabled())
                << step << " " << name.toStdString();
    }
    EXPECT_EQ(wizard.eColR->text(), "7F");
}

// The sample headings follow the centring, the sample rules the rules; the centring box names
// the caption once there is one; the colour chooser writes red, green and blue in hex.
TEST_F(Wizard, SampleHeadingsCentreCaptionNamingAndColourParts)
{
    THPWiz wizard;
    EXPECT_TRUE(wizard.lbSampleTitle->alignment() & Qt::AlignHCenter);
    setControlChecked(&wizard, "cbCenterHead", false);
    setControlChecked(&wizard, "cbRules", false);
    for (QLabel *label : {wizard.lbSampleTitle, wizard.lbSampleSecHead})
        EXPECT_TRUE(label->alignment() & Qt::AlignLeft);
    EXPECT_TRUE(wizard.lnRule1->isHidden() && wizard.lnRule2->isHidden());
    setControlChecked(&wizard, "cbRules", true);
    EXPECT_FALSE(wizard.lnRule1->isHidden() || wizard.lnRule2->isHidden());

    wizard.cbUseCaption->setChecked(true);
    EXPECT_EQ(wizard.cbCenterPic->text(), "C&enter picture and caption");

    ModalDriver driver;
    for (const auto &[chosen, start] : {std::pair(QColor(255, 0, 0), QColor(Qt::black)),
                                        {QColor(0x12, 0x34, 0xAB), QColor(255, 0, 0)}}) {
        driver.then([chosen, start](QWidget *dialog) {
            auto *colors = qobject_cast<QColorDialog *>(dialog);
            ASSERT_NE(colors, nullptr);
            EXPECT_EQ(colors->currentColor(), start);
            colors->setCurrentColor(chosen);
            colors->accept();
        });
    }
    wizard.sbChooseColClick();
    EXPECT_EQ(wizard.eColR->text() + wizard.eColG->text() + wizard.eColB->text(), "FF0000");
    wizard.sbChooseColClick();
    EXPECT_EQ(wizard.eColR->text() + wizard.eColG->text() + wizard.eColB->text(), "1234AB");
    expectDriverFinished(driver);
}

// Coming back from the URL builder refills name and e-mail from the settings; Finish writes the
// page as one undo step.
TEST_F(Wizard, ReturningFromTheUrlBuilderRefillsNameAndEMail)
{
    TempSettings::store("", "Author", "Ann");
    TempSettings::store("", "EMail", "ann@a.b");
    ModalDriver driver;
    driver
        .then([](QWidget *wizard) {
            EXPECT_EQ(qobject_cast<QLineEdit *>(findControl(wizard, "eName"))->text(), "Ann");
            turnTo(wizard, "cbUseAuthor");
            setControlChecked(wizard, "cbUseAuthor", true);
            setControlText(wizard, "eName", "Bob");
            setControlText(wizard, "eEMail", "bob@c.d");
            turnTo(wizard, "cbUseLink");
            setControlChecked(wizard, "cbUseLink", true);
            pressButton(wizard, "sbLocateURL");
        })
        .press("BitBtn1")
        .then([](QWidget *wizard) {
            // A desktop gives the focus back to the wizard; the offscreen platform needs asking.
            wizard->activateWindow();
            processEvents();
            for (const auto &[box, text] : {std::pair("eName", "Ann"), {"eEMail", "ann@a.b"}})
                EXPECT_EQ(qobject_cast<QLineEdit *>(findControl(wizard, box))->text(), text);
            pressButton(wizard, "bbFinish");
        });
    MemoryText page;
    runHomepageWizard(nullptr, [&] { return &page; });
    const QStringList lines = page.text().split('\n');
    EXPECT_EQ(lines.value(5), "    <META NAME=\"Author\" CONTENT=\"Ann\">");
    EXPECT_EQ(lines.value(10), "    <A HREF=\"http:////\"></A>");
    EXPECT_EQ(lines.value(14), "      <A HREF=\"mailto:ann@a.b\">ann@a.b</A><BR>");
    expectDriverFinished(driver);
}

// The Tools menu item: the close box still gives the page, in a new untitled document without
// the skeleton, the paragraph as the box shows it.
TEST_F(Wizard, ClosedWithItsCloseBoxTheWizardStillWritesThePage)
{
    TempSettings::store("General", "MinDoc", true);
    const QString words = QString("word ").repeated(40);
    ModalDriver driver;
    driver.then([&](QWidget *wizard) {
        setControlText(wizard, "eTitle", "Home");
        turnTo(wizard, "cbUseParagraph");
        setControlChecked(wizard, "cbUseParagraph", true);
        qobject_cast<QPlainTextEdit *>(findControl(wizard, "mParagraph"))
            ->setPlainText(words + "\n\nend\n");
        wizard->close();
    });
    TMain frame;
    frame.show();
    QAction *item = frame.findChild<QAction *>("miHPWiz");
    ASSERT_TRUE(item->isEnabled());
    item->trigger();
    THTML *document = frame.activeDocument();
    ASSERT_NE(document, nullptr);
    EXPECT_EQ(document->windowTitle(), NoName);
    const QStringList lines = documentText(*document).split('\n');
    EXPECT_EQ(lines.value(4), "    <TITLE>Home</TITLE>");
    EXPECT_EQ(lines.value(8), "    <P>");
    const int wrapped = lines.indexOf("    <BR>") - 9;
    EXPECT_GT(wrapped, 1);
    EXPECT_EQ(lines.mid(9, wrapped).join("").remove("<BR>").remove(' '),
              QString(words).remove(' '));
    EXPECT_EQ(lines.value(10 + wrapped), "    end<BR>");
    EXPECT_EQ(lines.value(11 + wrapped), "    <HR>");
    document->RichEdit->undo();
    EXPECT_EQ(documentText(*document), "");
    document->approveClose();
    frame.close();
    expectDriverFinished(driver);
}

} // namespace
