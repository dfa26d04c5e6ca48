#include "document/trecode.h"
#include "support/document_fixture.h"
#include "support/modal_driver.h"

#include <QLineEdit>
#include <QScrollBar>
#include <QTest>
#include <gtest/gtest.h>

namespace {

// OK before any move writes black; the caret ends at the end of its line each time.
TEST(ColorMixerDialog, TheSpecialPageButtonWritesTheMixAtTheCaret)
{
    auto document = makeDocument("ab cd", 0, 2);
    document->show();
    ModalDriver driver;
    driver.then([](QWidget *dialog) { pressButton(dialog, "bbCancel"); })
        .then([](QWidget *dialog) {
            EXPECT_EQ(dialog->windowTitle(), "Color-Mixer");
            pressButton(dialog, "bbOK");
        })
        .then([](QWidget *dialog) {
            const auto slide = [dialog](const char *bar, int position) {
                qobject_cast<QScrollBar *>(findControl(dialog, bar))->setValue(position);
            };
            slide("sbRed", 255);
            slide("sbGreen", 128);
            QTest::keyClick(findControl(dialog, "sbBlue"), Qt::Key_Right);
            QTest::keyClick(findControl(dialog, "sbBlue"), Qt::Key_Home);
            QStringList values;
            for (const char *value : {"eValueRed", "eValueGreen", "eValueBlue"})
                values << qobject_cast<QLineEdit *>(findControl(dialog, value))->text();
            EXPECT_EQ(values, QStringList({"#FF", "#80", "#00"}));
            pressButton(dialog, "bbOK");
        });
    clickTagButton(*document, "ebColorMix");
    EXPECT_FALSE(document->isModified());
    clickTagButton(*document, "ebColorMix");
    EXPECT_EQ(documentText(*document), "ab#000000 cd");
    EXPECT_EQ(document->RichEdit->textCursor().positionInBlock(), 12);
    document->RichEdit->setCaret(0, 0);
    clickTagButton(*document, "ebColorMix");
    EXPECT_EQ(documentText(*document), "#FF8000ab#000000 cd");
    EXPECT_EQ(document->RichEdit->textCursor().positionInBlock(), 19);
    document->approveClose();
    document.reset();
    expectDriverFinished(driver);
}

} // namespace
