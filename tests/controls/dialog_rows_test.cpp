#include "controls/dialog_rows.h"
#include "controls/updown.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <gtest/gtest.h>

TEST(DialogRows, RowsAreNamedLabelledAndKeepLongTexts)
{
    QWidget dialog;
    DialogRows rows(&dialog);
    QLineEdit *title = rows.edit(QStringLiteral("&Title :"), "eTitle", QStringLiteral("x"));
    QComboBox *align =
        newFreeCombo(&dialog, "cbAlign", {QStringLiteral("left")}, QStringLiteral("top"));
    const DialogRows::ButtonRow link =
        rows.editWithButton(QStringLiteral("&Link :"), "eLink", "sbLink");
    auto *size = new TUpDown(QStringLiteral("UpDown1"), QStringLiteral("eSize"), {1, 6, 1});
    rows.labelled(QStringLiteral("&Size :"), size, "Label1");
    QCheckBox *border = rows.checkBox("cbBorder", QStringLiteral("&Border"), true);
    DialogRows inner = rows.group("gbInner", QStringLiteral("Inner"));
    QLineEdit *deep = inner.edit(QStringLiteral("&Deep :"), "eDeep");
    QRadioButton *choice = inner.radioButton("rbChoice", QStringLiteral("&Choice"), true);
    dialog.setLayout(rows.layout());

    EXPECT_EQ(dialog.findChild<QLineEdit *>(QStringLiteral("eTitle")), title);
    EXPECT_EQ(title->text(), QStringLiteral("x"));
    const QString longText(40000, QLatin1Char('a'));
    title->setText(longText);
    EXPECT_EQ(title->text(), longText);
    // A free box offers its items, starts with its text and takes any length too.
    EXPECT_EQ(align->itemText(0), QStringLiteral("left"));
    EXPECT_EQ(align->currentText(), QStringLiteral("top"));
    align->setEditText(longText);
    EXPECT_EQ(align->currentText(), longText);

    EXPECT_EQ(dialog.findChild<QPushButton *>(QStringLiteral("sbLink")), link.button);
    EXPECT_EQ(link.button->text(), QStringLiteral("..."));
    EXPECT_EQ(link.button->accessibleName(), QStringLiteral("Link"));
    EXPECT_EQ(rows.layout()->itemAtPosition(1, 2)->widget(), link.button);

    EXPECT_EQ(dialog.findChild<TUpDown *>(QStringLiteral("UpDown1")), size);
    auto *sizeLabel = dialog.findChild<QLabel *>(QStringLiteral("Label1"));
    ASSERT_NE(sizeLabel, nullptr);
    EXPECT_EQ(sizeLabel->text(), QStringLiteral("&Size :"));
    EXPECT_EQ(sizeLabel->buddy(), size);

    EXPECT_TRUE(border->isChecked());
    EXPECT_EQ(border->accessibleName(), QStringLiteral("Border"));
    auto *group = dialog.findChild<QGroupBox *>(QStringLiteral("gbInner"));
    ASSERT_NE(group, nullptr);
    EXPECT_EQ(deep->parentWidget(), group);
    EXPECT_EQ(choice->parentWidget(), group);
    EXPECT_TRUE(choice->isChecked());
    EXPECT_EQ(choice->accessibleName(), QStringLiteral("Choice"));
}
