#include "document/f_html.h"
#include "document/trecode.h"
#include "settings/corvane_registry.h"
#include "support/document_fixture.h"
#include "support/modal_driver.h"
#include "support/temp_settings.h"
#include "tags/tag_buttons.h"

#include <QLineEdit>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

namespace {

const QString Netscape = QStringLiteral("Software\\Corvane\\Pagewick\\Settings\\Netscape");

struct Face {
    const char *page;
    const char *name;
    const char *tip;
    const char *caption;
    const char *accessible;
};

const Face Faces[] = {
    {"General", "ebLinebreak", "Insert a line break", "", "Insert a line break"},
    {"General", "ebParagraph", "Insert a paragraph", "\u00b6", "Insert a paragraph"},
    {"General", "ebHRule", "Insert a horizontal rule", "-", "Insert a horizontal rule"},
    {"General", "ebBold", "Insert a bold tag", "B", "Insert a bold tag"},
    {"General", "ebItalic", "Insert an italic tag", "I", "Insert an italic tag"},
    {"General", "ebUnderline", "Insert an underline tag", "U", "Insert an underline tag"},
    {"tsFont", "ebPreform", "", "Preformatted", "Preformatted"},
    {"tsFont", "ebSub", "", "Subscript", "Subscript"},
    {"tsFont", "ebSuper", "", "Superscript", "Superscript"},
    {"tsFont", "ebStrong", "", "Strong", "Strong"},
    {"tsFont", "ebEmp", "", "Emphasis", "Emphasis"},
    {"tsTables", "ebTR", "Table row", "", "Table row"},
    {"tsTables", "ebTD", "Table data", "", "Table data"},
    {"tsLists", "ebOrdlist", "Ordered list", "", "Ordered list"},
    {"tsLists", "ebUnordlist", "Unordered list", "", "Unordered list"},
    {"tsLists", "ebListitem", "List item", "", "List item"},
    {"tsLists", "ebMenu", "Menu list", "", "Menu list"},
    {"tsLists", "ebDir", "Directory list", "", "Directory list"},
};

// A shown document window; click() presses a tag button as the user would, on its page.
class TagButtons : public TempSettingsTest {
protected:
    void open(const QString &text, int line, int column)
    {
        document = makeDocument(text, line, column);
        document->show();
    }
    void click(const char *name)
    {
        auto *button = document->findChild<QToolButton *>(name);
        ASSERT_NE(button, nullptr) << name;
        document->PageControl1->setCurrentWidget(button->parentWidget());
        QTest::mouseClick(button, Qt::LeftButton);
    }
    void TearDown() override
    {
        if (document)
            document->approveClose();
        document.reset();
        processEvents();
    }
    void useNetscape(bool on)
    {
        TCorvaneRegistry::WriteValue(HKEY_CURRENT_USER, Netscape, "UseNetscapeExt", on);
    }

    std::unique_ptr<THTML> document;
};

struct Click {
    const char *name;
    const char *line;
    int column;
};

const Click Clicks[] = {
    {"ebLinebreak", "abc<BR>def", 10},
    {"ebParagraph", "abc<P>def", 9},
    {"ebBold", "abc<B></B>def", 6},
    {"ebItalic", "abc<I></I>def", 6},
    {"ebUnderline", "abc<U></U>def", 6},
    {"ebPreform", "abc<PRE></PRE>def", 8},
    {"ebSub", "abc<SUB></SUB>def", 8},
    {"ebSuper", "abc<SUP></SUP>def", 8},
    {"ebStrong", "abc<STRONG></STRONG>def", 11},
    {"ebEmp", "abc<EM></EM>def", 7},
    {"ebTR", "abc<TR></TR>def", 7},
    {"ebTD", "abc<TD></TD>def", 7},
    {"ebOrdlist", "abc<OL></OL>def", 7},
    {"ebUnordlist", "abc<UL></UL>def", 7},
    {"ebListitem", "abc<LI>def", 7},
    {"ebMenu", "abc<MENU></MENU>def", 9},
    {"ebDir", "abc<DIR></DIR>def", 8},
};

TEST_F(TagButtons, EveryButtonWritesItsTextAsOneUndoStep)
{
    for (const Click &expected : Clicks) {
        open("x\nabcdef", 1, 3);
        click(expected.name);
        EXPECT_EQ(documentText(*document), QString("x\n") + expected.line) << expected.name;
        EXPECT_EQ(document->RichEdit->Row(), 1) << expected.name;
        EXPECT_EQ(document->RichEdit->Col(), expected.column) << expected.name;
        EXPECT_EQ(document->statusText(1), "modified...") << expected.name;
        document->RichEdit->undo();
        EXPECT_EQ(documentText(*document), "x\nabcdef") << expected.name;
        TearDown();
    }
}

TEST_F(TagButtons, FacesOnTheirPages)
{
    open("", 0, 0);
    for (const Face &face : Faces) {
        auto *button = document->findChild<QToolButton *>(face.name);
        ASSERT_NE(button, nullptr) << face.name;
        EXPECT_EQ(button->parentWidget()->objectName(), face.page) << face.name;
        EXPECT_EQ(button->toolTip(), face.tip) << face.name;
        EXPECT_EQ(button->text(), QString::fromUtf8(face.caption)) << face.name;
        EXPECT_EQ(button->accessibleName(), face.accessible) << face.name;
        EXPECT_TRUE(button->autoRaise()) << face.name;
        EXPECT_EQ(button->height(), 25) << face.name;
        EXPECT_TRUE(button->text().isEmpty() != button->icon().isNull()) << face.name;
        if (!button->text().isEmpty()) {
            EXPECT_EQ(button->palette().color(QPalette::ButtonText), QColor(Qt::blue)) << face.name;
        }
    }
    for (const char *name : {"ebPreform", "ebSub", "ebSuper", "ebStrong", "ebEmp", "ebBold"})
        EXPECT_TRUE(document->findChild<QToolButton *>(name)->font().bold()) << name;
    EXPECT_TRUE(document->findChild<QToolButton *>("ebItalic")->font().italic());
    EXPECT_TRUE(document->findChild<QToolButton *>("ebUnderline")->font().underline());
    EXPECT_FALSE(document->findChild<QToolButton *>("ebParagraph")->font().bold());
}

TEST_F(TagButtons, ButtonsFitTheirPagesInOrderWithRoomForTheDialogButtons)
{
    open("", 0, 0);
    const char *const order[][11] = {
        {"ebQuickDoc", "ebHeading", "ebLinebreak", "ebParagraph", "ebHRule", "ebBold", "ebItalic",
         "ebUnderline", "ebAnchor", "ebImage", nullptr},
        {"ebQuickFont", "ebPreform", "ebSub", "ebSuper", "ebStrong", "ebEmp", nullptr},
        {"ebTableEdit", "ebTable", "ebTableCaption", "ebTR", "ebTD", nullptr},
        {"ebOrdlist", "ebUnordlist", "ebListitem", "ebMenu", "ebDir", nullptr},
    };
    const int pageWidth = document->PageControl1->currentWidget()->width();
    for (const auto &run : order) {
        for (int i = 0; run[i]; ++i) {
            const QRect slot = tagButtonSlot(run[i]);
            EXPECT_TRUE(slot.isValid()) << run[i];
            EXPECT_LE(slot.right(), pageWidth) << run[i];
            if (i > 0) {
                EXPECT_GT(slot.left(), tagButtonSlot(run[i - 1]).right()) << run[i];
            }
        }
    }
    EXPECT_EQ(tagButtonSlot("ebQuickDoc").left(), 0);
    EXPECT_EQ(tagButtonSlot("ebTableEdit").left(), 0);
    EXPECT_FALSE(tagButtonSlot("ebNothing").isValid());
    for (const Face &face : Faces)
        EXPECT_EQ(document->findChild<QToolButton *>(face.name)->geometry(),
                  tagButtonSlot(face.name))
            << face.name;
}

TEST_F(TagButtons, EmptyDocument)
{
    open("", 0, 0);
    click("ebStrong");
    EXPECT_EQ(documentText(*document), "<STRONG></STRONG>");
    EXPECT_EQ(document->RichEdit->Col(), 8);
    open("", 0, 0);
    click("ebLinebreak");
    EXPECT_EQ(documentText(*document), "<BR>");
    EXPECT_EQ(document->RichEdit->Col(), 4);
}

TEST_F(TagButtons, ASelectionIsNotWrapped)
{
    open("abcdef", 0, 1);
    QTextCursor cursor = document->RichEdit->textCursor();
    cursor.setPosition(4, QTextCursor::KeepAnchor);
    document->RichEdit->setTextCursor(cursor);
    click("ebBold");
    EXPECT_EQ(documentText(*document), "a<B></B>bcdef");
    EXPECT_EQ(document->RichEdit->Col(), 4);
}

TEST_F(TagButtons, DispatchersIgnoreOtherButtons)
{
    open("abcdef", 0, 3);
    document->sbDocStrucClick(document->findChild<QToolButton *>("ebPreform"));
    document->sbDocFontClick(document->findChild<QToolButton *>("ebBold"));
    document->sbTableRowClick(document->findChild<QToolButton *>("ebTD"));
    document->sbDocStrucClick(nullptr);
    EXPECT_EQ(documentText(*document), "abcdef");
    document->sbDocFontClick(document->findChild<QToolButton *>("ebSub"));
    EXPECT_EQ(documentText(*document), "abc<SUB></SUB>def");
}

TEST_F(TagButtons, RuleWithoutNetscapeExtensionsIsALineAboveAtOnce)
{
    useNetscape(false);
    open("abcdef", 0, 3);
    ModalDriver driver;
    click("ebHRule");
    processEvents();
    EXPECT_TRUE(driver.unexpected().isEmpty());
    EXPECT_EQ(documentText(*document), "<HR>\nabcdef");
    EXPECT_EQ(document->RichEdit->Row(), 1);
    EXPECT_EQ(document->RichEdit->Col(), 0);
}

TEST_F(TagButtons, RuleAsksForTheHeightWithNetscapeExtensions)
{
    useNetscape(true);
    open("abcdef", 0, 3);
    QString shown;
    ModalDriver driver;
    driver.then([&](QWidget *dialog) {
        shown = dialog->windowTitle() + "|" + dialog->findChild<QLineEdit *>("eHRHeight")->text();
        pressButton(dialog, "bbOK");
    });
    click("ebHRule");
    EXPECT_TRUE(driver.allHandled());
    EXPECT_EQ(shown, "Horizontal Rule|1");
    EXPECT_EQ(documentText(*document), "<HR SIZE=1>\nabcdef");
    EXPECT_EQ(document->RichEdit->Row(), 1);
}

TEST_F(TagButtons, RuleHeightTypedOrEmptyOrCancelled)
{
    useNetscape(true);
    open("abcdef", 0, 3);
    ModalDriver driver;
    driver
        .then([](QWidget *dialog) {
            setControlText(dialog, "eHRHeight", "");
            pressButton(dialog, "bbOK");
        })
        .then([](QWidget *dialog) {
            setControlText(dialog, "eHRHeight", "5%");
            pressButton(dialog, "bbOK");
        })
        .then([](QWidget *dialog) {
            setControlText(dialog, "eHRHeight", "9");
            pressButton(dialog, "bbCancel");
        });
    click("ebHRule");
    click("ebHRule");
    click("ebHRule");
    EXPECT_TRUE(driver.allHandled());
    EXPECT_EQ(documentText(*document), "<HR SIZE=>\n<HR SIZE=5%>\nabcdef");
}

TEST_F(TagButtons, CancelledRuleLeavesTheDocumentUnmodified)
{
    useNetscape(true);
    open("abcdef", 0, 3);
    ModalDriver driver;
    driver.then([](QWidget *dialog) { pressButton(dialog, "bbCancel"); });
    click("ebHRule");
    EXPECT_TRUE(driver.allHandled());
    EXPECT_EQ(documentText(*document), "abcdef");
    EXPECT_FALSE(document->isModified());
}

TEST_F(TagButtons, RuleReadsTheSettingOnEveryClick)
{
    useNetscape(false);
    open("abcdef", 0, 3);
    ModalDriver driver;
    click("ebHRule");
    useNetscape(true);
    driver.then([](QWidget *dialog) { pressButton(dialog, "bbOK"); });
    click("ebHRule");
    useNetscape(false);
    click("ebHRule");
    EXPECT_TRUE(driver.allHandled());
    EXPECT_TRUE(driver.unexpected().isEmpty());
    EXPECT_EQ(documentText(*document), "<HR>\n<HR SIZE=1>\n<HR>\nabcdef");
}

} // namespace
