#pragma once

#include <QColor>
#include <QFlags>
#include <QImage>
#include <QRect>
#include <QString>

enum TAlignment : quint8 { taLeftJustify, taRightJustify, taCenter };
enum TBevelStyle : quint8 { bsLowered, bsRaised };
enum TExplorerButtonLayout : quint8 { blBitmapTop, blBitmapBottom, blBitmapLeft, blBitmapRight };
enum TExplorerButtonShadingType : quint8 { stLight, stMedium, stDark };
enum TExplorerButtonOption : quint8 {
    boMonoDisplay = 1,
    boIconOnly = 2,
    boPopupMark = 4,
    boShowBevel = 8,
};
Q_DECLARE_FLAGS(TExplorerButtonOptions, TExplorerButtonOption)
Q_DECLARE_OPERATORS_FOR_FLAGS(TExplorerButtonOptions)

// What the flat button's layout depends on, in device-independent pixels.
struct ButtonLayoutInput {
    QSize button;
    QSize caption; // as measured in a box button.width() - 4 wide; empty when none is drawn
    QSize picture; // empty when there is no picture
    bool popupMark = false;
    TExplorerButtonLayout layout = blBitmapTop;
    TAlignment alignment = taCenter;
    bool wordWrap = false;
};

struct ButtonPlaces {
    QPoint picture;
    QRect caption;
};

// Where the picture's top-left corner and the caption box go.
ButtonPlaces layoutButton(const ButtonLayoutInput &in);

// The caption as a hint: "&&" gives "&", a single "&" goes, except in the last position.
QString withoutAccelerators(const QString &caption);

// The picture with every pixel in the colour of its top-left pixel made transparent.
QImage transparentPicture(const QImage &picture);

// The resting picture: every pixel that is not in the top-left colour becomes white, highlight,
// shadow or black by its brightness (red + green + blue) and the shading's three thresholds.
// Each pixel keeps its alpha, so smooth edges stay smooth.
QImage greyPicture(const QImage &picture, TExplorerButtonShadingType shading, QColor highlight,
                   QColor shadow);

// The dark pixels of the picture in colour, the rest transparent: one layer of the embossed look.
QImage stampedPicture(const QImage &picture, QColor colour);

// A latched button's background: face colour, with highlight where column and row are both even
// or both odd.
QImage checkerPattern(QSize size, QColor face, QColor highlight);
