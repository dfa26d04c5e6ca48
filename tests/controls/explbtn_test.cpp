#include "controls/explbtn.h"
#include "controls/glyphs.h"

#include <QAccessible>
#include <QEnterEvent>
#include <QMenu>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>
#include <vector>

namespace {

const QColor Light(255, 255, 0), Dark(128, 0, 0), Face(0, 128, 0), Ink(0, 0, 255);
const QColor Behind(255, 0, 255), Red(255, 0, 0);

// A 6 x 6 picture: a red 4 x 4 square inside a white border, whose top-left pixel makes it
// transparent.
QImage square()
{
    QImage picture(6, 6, QImage::Format_ARGB32);
    picture.fill(Qt::white);
    for (int y = 1; y < 5; ++y)
        for (int x = 1; x < 5; ++x)
            picture.setPixelColor(x, y, Red);
    return picture;
}

void enter(TExplorerButton &button)
{
    QEnterEvent event(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
    QCoreApplication::sendEvent(&button, &event);
}

// Three buttons and a group-2 one, 30 x 30, on a parent with known colours.
class FlatButton : public testing::Test {
protected:
    void SetUp() override
    {
        QPalette colours = parent.palette();
        colours.setColor(QPalette::Light, Light);
        colours.setColor(QPalette::Dark, Dark);
        colours.setColor(QPalette::Button, Face);
        colours.setColor(QPalette::ButtonText, Ink);
        colours.setColor(QPalette::WindowText, Qt::black);
        parent.setPalette(colours);
        parent.resize(200, 100);
        renew();
        parent.show();
    }

    void renew()
    {
        for (int i = 0; i < 3; ++i) {
            delete buttons[i];
            buttons[i] = new TExplorerButton(&parent);
            buttons[i]->setGeometry(40 * i, 0, 30, 30);
            buttons[i]->setBitmap(square());
            buttons[i]->show();
        }
    }

    QImage shot(qreal ratio = 1)
    {
        QImage image(a().size() * ratio, QImage::Format_ARGB32);
        image.setDevicePixelRatio(ratio);
        image.fill(Behind);
        a().render(&image, {}, {}, QWidget::DrawChildren);
        return image;
    }

    TExplorerButton &a() { return *buttons[0]; }
    QWidget parent;
    TExplorerButton *buttons[3] = {};
};

struct Pixel {
    int x, y;
    QColor colour;
};

struct Look {
    const char *name;
    std::function<void(FlatButton &, TExplorerButton &)> setUp;
    std::vector<Pixel> pixels;
};

TEST_F(FlatButton, EachStateLooksAsItShould)
{
    // The picture sits at 12,12: its red square covers 13..16.
    const Look looks[] = {
        {"rest: grey picture, no bevel",
         [](FlatButton &, TExplorerButton &) {},
         {{0, 0, Behind}, {29, 29, Behind}, {12, 12, Behind}, {13, 13, Light}, {16, 16, Light}}},
        {"hot: raised bevel, colour picture",
         [](FlatButton &, TExplorerButton &button) { enter(button); },
         {{0, 0, Light},
          {0, 29, Light},
          {29, 0, Dark},
          {29, 15, Dark},
          {15, 29, Dark},
          {13, 13, Red},
          {17, 17, Behind}}},
        {"pressed: sunken bevel, picture one pixel down and right",
         [](FlatButton &, TExplorerButton &button) {
             QTest::mousePress(&button, Qt::LeftButton, {}, QPoint(15, 15));
         },
         {{0, 0, Dark}, {29, 15, Light}, {15, 29, Light}, {13, 13, Behind}, {17, 17, Red}}},
        {"latched: checker pattern under a sunken bevel",
         [](FlatButton &, TExplorerButton &button) {
             button.setGroupIndex(1);
             button.setDown(true);
         },
         {{0, 0, Dark}, {2, 2, Light}, {3, 2, Face}, {2, 3, Face}, {17, 17, Red}}},
        {"disabled: embossed picture, hover ignored",
         [](FlatButton &, TExplorerButton &button) {
             button.setEnabled(false);
             enter(button);
         },
         {{0, 0, Behind}, {13, 13, Dark}, {16, 16, Dark}, {17, 17, Light}, {12, 12, Behind}}},
        {"lowered bevel: hot looks sunken",
         [](FlatButton &, TExplorerButton &button) {
             button.setBevelStyle(bsLowered);
             enter(button);
         },
         {{0, 0, Dark}, {29, 15, Light}, {13, 13, Red}}},
        {"no bevel option: hot shows no frame",
         [](FlatButton &, TExplorerButton &button) {
             button.setOptions(boMonoDisplay);
             enter(button);
         },
         {{0, 0, Behind}, {29, 15, Behind}, {13, 13, Red}}},
        {"colour display: rest shows the colour picture",
         [](FlatButton &, TExplorerButton &button) { button.setOptions(boShowBevel); },
         {{13, 13, Red}}},
    };
    for (const Look &look : looks) {
        renew();
        look.setUp(*this, a());
        const QImage image = shot();
        for (const Pixel &pixel : look.pixels)
            EXPECT_EQ(image.pixelColor(pixel.x, pixel.y), pixel.colour)
                << look.name << " at " << pixel.x << "," << pixel.y;
        QTest::mouseRelease(&a(), Qt::LeftButton, {}, QPoint(-5, -5));
    }
}

TEST_F(FlatButton, PopupMarkIsFourRowsBesideThePictureAndShiftsWhenPressed)
{
    QMenu menu;
    a().setDropDownMenu(&menu);
    a().setOptions(a().Options() | boPopupMark);
    // The picture moves to 7 to make room; the mark's anchor is 16,15 at rest, 17,16 pressed.
    for (const QPoint anchor : {QPoint(16, 15), QPoint(17, 16)}) {
        const QImage image = shot();
        const std::pair<int, int> rows[] = {{0, 7}, {1, 5}, {2, 3}, {3, 1}};
        for (const auto &[row, length] : rows) {
            const int y = anchor.y() - 1 + row, first = anchor.x() + row;
            EXPECT_EQ(image.pixelColor(first - 1, y), Behind) << row;
            EXPECT_EQ(image.pixelColor(first, y), Ink) << row;
            EXPECT_EQ(image.pixelColor(first + length - 1, y), Ink) << row;
            EXPECT_EQ(image.pixelColor(first + length, y), Behind) << row;
        }
        a().setShowDownPattern(false);
        a().setGroupIndex(1);
        a().setDown(true);
    }
}

TEST_F(FlatButton, CaptionIsInTheRestingColourUntilThePointerComes)
{
    a().setBitmap(QImage());
    a().setCaption(QStringLiteral("HH"));
    QFont bold = a().font();
    bold.setBold(true);
    a().setFont(bold);
    const auto inks = [this] {
        const QImage image = shot();
        int black = 0, blue = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) {
                black += image.pixelColor(x, y) == Qt::black;
                blue += image.pixelColor(x, y) == Ink;
            }
        return std::pair(black > 0, blue > 0);
    };
    EXPECT_EQ(inks(), std::pair(true, false));
    enter(a());
    EXPECT_EQ(inks(), std::pair(false, true));
}

TEST_F(FlatButton, PictureIsDrawnAtFullResolutionOnADenseScreen)
{
    a().setBitmap(glyphIcon(Glyph::Save), QSize(18, 18));
    enter(a());
    const QImage image = shot(2);
    const QImage picture = a().Bitmap();
    ASSERT_EQ(picture.size(), QSize(36, 36));
    const QPoint at = a().places().picture * 2;
    int compared = 0;
    for (int y = 0; y < 36; ++y)
        for (int x = 0; x < 36; ++x) {
            if (qAlpha(picture.pixel(x, y)) == 255) {
                ++compared;
                ASSERT_EQ(image.pixel(at.x() + x, at.y() + y), picture.pixel(x, y))
                    << x << "," << y;
            }
        }
    EXPECT_GT(compared, 36 * 36 / 4);
}

TEST(FlatButtonPicture, GreyPictureFollowsTheThresholdsOfEachShading)
{
    // Brightness of each pixel after the transparent top-left one: 600, 300, 231, 200, 99, 30;
    // the last pixel has the transparent colour again.
    const int grey[] = {200, 100, 77, 67, 33, 10};
    QImage picture(8, 1, QImage::Format_ARGB32);
    picture.setPixelColor(0, 0, QColor(1, 2, 3));
    for (int x = 1; x < 7; ++x)
        picture.setPixelColor(x, 0, QColor(grey[x - 1], grey[x - 1], grey[x - 1]));
    picture.setPixelColor(7, 0, QColor(1, 2, 3));
    const struct {
        TExplorerButtonShadingType shading;
        const char *expected; // W white, H highlight, S shadow, B black, T transparent colour
    } rows[] = {{stLight, "TWWWHSBT"}, {stMedium, "TWHSSSBT"}, {stDark, "TWHSSBBT"}};
    const QColor highlight(10, 20, 30), shadow(40, 50, 60);
    for (const auto &row : rows) {
        const QImage result = greyPicture(picture, row.shading, highlight, shadow);
        QString got;
        for (int x = 0; x < result.width(); ++x) {
            const QColor c = result.pixelColor(x, 0);
            got += c == Qt::white         ? 'W'
                   : c == highlight       ? 'H'
                   : c == shadow          ? 'S'
                   : c == Qt::black       ? 'B'
                   : c == QColor(1, 2, 3) ? 'T'
                                          : '?';
        }
        EXPECT_EQ(got, row.expected) << row.shading;
    }
}

TEST(FlatButtonLayout, PictureAndCaptionPlacesPerLayoutAndAlignment)
{
    const QSize picture(10, 8), caption(12, 6);
    const struct {
        TExplorerButtonLayout layout;
        TAlignment alignment;
        QSize picture, caption;
        bool popup, wrap;
        QPoint at;
        QRect box;
    } rows[] = {
        {blBitmapTop, taLeftJustify, picture, caption, false, false, {3, 7}, {3, 17, 12, 6}},
        {blBitmapTop, taRightJustify, picture, caption, false, false, {27, 7}, {25, 17, 12, 6}},
        {blBitmapTop, taCenter, picture, caption, false, false, {15, 7}, {14, 17, 12, 6}},
        {blBitmapBottom, taLeftJustify, picture, caption, false, false, {3, 15}, {3, 7, 12, 6}},
        {blBitmapBottom, taRightJustify, picture, caption, false, false, {27, 15}, {25, 7, 12, 6}},
        {blBitmapBottom, taCenter, picture, caption, false, false, {15, 15}, {14, 7, 12, 6}},
        {blBitmapLeft, taLeftJustify, picture, caption, false, false, {3, 11}, {15, 12, 12, 6}},
        {blBitmapLeft, taRightJustify, picture, caption, false, false, {13, 11}, {25, 12, 12, 6}},
        {blBitmapLeft, taCenter, picture, caption, false, false, {8, 11}, {20, 12, 12, 6}},
        {blBitmapRight, taLeftJustify, picture, caption, false, false, {17, 11}, {3, 12, 12, 6}},
        {blBitmapRight, taRightJustify, picture, caption, false, false, {27, 11}, {13, 12, 12, 6}},
        {blBitmapRight, taCenter, picture, caption, false, false, {22, 11}, {8, 12, 12, 6}},
        // No picture; with the popup mark the caption leaves room for it.
        {blBitmapTop, taLeftJustify, {}, caption, false, false, {0, 0}, {3, 12, 12, 6}},
        {blBitmapTop, taRightJustify, {}, caption, false, false, {0, 0}, {25, 12, 12, 6}},
        {blBitmapTop, taCenter, {}, caption, false, false, {0, 0}, {14, 12, 12, 6}},
        {blBitmapTop, taCenter, {}, caption, true, false, {0, 0}, {9, 12, 12, 6}},
        // The mark widens the picture; no caption takes no spacing.
        {blBitmapTop, taCenter, picture, caption, true, false, {10, 7}, {14, 17, 12, 6}},
        {blBitmapTop, taCenter, picture, {}, false, false, {15, 11}, {20, 19, 0, 0}},
        // Too wide a caption is cut to fit beside the picture, and short of the edge when wrapped.
        {blBitmapLeft, taLeftJustify, picture, {40, 6}, false, false, {3, 11}, {15, 12, 24, 6}},
        {blBitmapTop, taLeftJustify, picture, {40, 6}, false, true, {3, 7}, {3, 17, 32, 6}},
    };
    for (const auto &row : rows) {
        const ButtonPlaces places = layoutButton({QSize(40, 30), row.caption, row.picture,
                                                  row.popup, row.layout, row.alignment, row.wrap});
        EXPECT_EQ(places.picture, row.at) << row.layout << " " << row.alignment;
        EXPECT_EQ(places.caption, row.box) << row.layout << " " << row.alignment;
    }
}

TEST_F(FlatButton, IconOnlyCaptionBecomesTheHint)
{
    const std::pair<const char *, const char *> rows[] = {
        {"&Save", "Save"}, {"a&&b", "a&b"}, {"ab&", "ab&"}, {"&&&x", "&x"}};
    a().setOptions(a().Options() | boIconOnly);
    for (const auto &[caption, hint] : rows) {
        a().setCaption(QString::fromUtf8(caption));
        EXPECT_EQ(a().Hint(), hint) << caption;
    }
    a().setOptions(boMonoDisplay);
    EXPECT_EQ(a().Hint(), "");
    EXPECT_FALSE(a().ShowHint());
}

TEST_F(FlatButton, GroupLatchesOneButtonAtATime)
{
    TExplorerButton &b = *buttons[1], &other = *buttons[2];
    a().setDown(true);
    EXPECT_FALSE(a().Down()) << "no group, no latch";
    a().setGroupIndex(1);
    b.setGroupIndex(1);
    other.setGroupIndex(2);
    other.setDown(true);
    QTest::mouseClick(&a(), Qt::LeftButton);
    QTest::mouseClick(&b, Qt::LeftButton);
    EXPECT_EQ(std::tuple(a().Down(), b.Down(), other.Down()), std::tuple(false, true, true));
    QTest::mouseClick(&b, Qt::LeftButton);
    EXPECT_TRUE(b.Down()) << "clicked again without AllowAllUp";
    a().setAllowAllUp(true);
    EXPECT_TRUE(b.AllowAllUp());
    QTest::mouseClick(&b, Qt::LeftButton);
    EXPECT_FALSE(b.Down());
    b.setDown(true);
    b.setGroupIndex(0);
    EXPECT_FALSE(b.Down());
}

TEST_F(FlatButton, ClicksFireOnlyWhenPressedAndReleasedOverAnEnabledButtonWithoutMenu)
{
    QSignalSpy clicks(&a(), &QAbstractButton::clicked);
    QTest::mouseClick(&a(), Qt::LeftButton);
    EXPECT_EQ(clicks.size(), 1);
    QTest::mousePress(&a(), Qt::LeftButton);
    QTest::mouseRelease(&a(), Qt::LeftButton, {}, QPoint(40, 40));
    EXPECT_EQ(clicks.size(), 1) << "released outside";
    const QImage rest = shot();
    a().setEnabled(false);
    const QImage disabled = shot();
    enter(a());
    EXPECT_EQ(shot(), disabled) << "hover on a disabled button";
    QTest::mouseClick(&a(), Qt::LeftButton);
    EXPECT_EQ(clicks.size(), 1) << "disabled";
    a().setEnabled(true);
    EXPECT_EQ(shot(), rest);

    QMenu menu;
    menu.addAction(QStringLiteral("Item"));
    a().setDropDownMenu(&menu);
    bool openOnPress = false;
    QTimer::singleShot(50, &menu, [&] {
        openOnPress = menu.isVisible();
        menu.close();
    });
    QTest::mousePress(&a(), Qt::LeftButton);
    EXPECT_TRUE(openOnPress);
    EXPECT_EQ(menu.pos(), a().mapToGlobal(QPoint(0, 30)));
    QTest::mouseRelease(&a(), Qt::LeftButton);
    EXPECT_EQ(clicks.size(), 1) << "a drop-down button never clicks";
}

// A screen reader sees the button's own enabled flag, and its press goes the mouse's way.
TEST_F(FlatButton, AssistiveToolsSeeTheOwnEnabledFlagAndPressLikeTheMouse)
{
    QSignalSpy clicks(&a(), &QAbstractButton::clicked);
    QAccessibleInterface *face = QAccessible::queryAccessibleInterface(&a());
    ASSERT_TRUE(face && face->actionInterface());
    for (const bool enabled : {false, true}) {
        a().setEnabled(enabled);
        EXPECT_EQ(face->state().disabled, !enabled);
        face->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QTest::qWait(150);
        EXPECT_EQ(clicks.size(), enabled ? 1 : 0);
    }
}

} // namespace
