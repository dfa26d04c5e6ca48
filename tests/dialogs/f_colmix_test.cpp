#include "document/trecode.h"
#include "support/document_fixture.h"

#include <QLineEdit>
#include <QScrollBar>
#include <QTest>
#include <gtest/gtest.h>

namespace {

using ColorMixerDialog = DocumentTest;

// OK before any move writes black; the caret ends at the end of its line each time.
TEST_F(ColorMixerDialog, TheSpecialPageButtonWritesTheMixAtTheCaret)
{
    open("ab cd", 0, 2);
    driver.press("bbCancel")
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
    click("ebColorMix");
    EXPECT_FALSE(document->isModified());
    click("ebColorMix");
    EXPECT_EQ(text(), "ab#000000 cd");
    EXPECT_EQ(document->RichEdit->textCursor().positionInBlock(), 12);
    document->RichEdit->setCaret(0, 0);
    click("ebColorMix");
    EXPECT_EQ(text(), "#FF8000ab#000000 cd");
    EXPECT_EQ(document->RichEdit->textCursor().positionInBlock(), 19);
}

} // namespace
