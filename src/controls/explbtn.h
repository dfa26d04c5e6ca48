#pragma once

#include "controls/explbtn_rules.h"

#include <QAbstractButton>
#include <QIcon>
#include <QMenu>
#include <QPointer>

// The flat tool-bar button: flat at rest with a grey picture, a raised bevel and the colour
// picture under the pointer, sunken and shifted by one pixel while pressed. It can latch as one
// of a group, drop a menu down and look disabled. It paints nothing behind its picture and
// caption, so its parent shows through.
//
// Enabled is the button's own flag: the widget itself stays enabled and every handler tests the
// flag. Colours come from the palette: Light is the highlight, Dark the shadow, Button the face,
// WindowText the resting caption and ButtonText the font colour.
class TExplorerButton : public QAbstractButton {
    Q_OBJECT

public:
    explicit TExplorerButton(QWidget *parent = nullptr);

    TAlignment Alignment() const { return m_alignment; }
    void setAlignment(TAlignment value);
    bool AllowAllUp() const { return m_allowAllUp; }
    void setAllowAllUp(bool value);
    TBevelStyle BevelStyle() const { return m_bevelStyle; }
    void setBevelStyle(TBevelStyle value);

    // Pictures are drawn transparently: pixels in the colour of the top-left one are left out.
    const QImage &Bitmap() const { return m_bitmap; }
    void setBitmap(const QImage &picture);
    // The picture rendered from icon at size, again for every pixel ratio it is painted at.
    void setBitmap(const QIcon &icon, QSize size);
    const QImage &NoFocusBitmap() const { return m_noFocus; }
    void setNoFocusBitmap(const QImage &picture);
    const QImage &DisabledBitmap() const { return m_disabled; }
    void setDisabledBitmap(const QImage &picture);

    QString Caption() const { return text(); }
    void setCaption(const QString &value);
    // Latched; only a button of a group latches.
    bool Down() const { return m_down; }
    void setDown(bool value);
    QMenu *DropDownMenu() const { return m_dropDownMenu; }
    void setDropDownMenu(QMenu *menu);
    // Hides QWidget's: the widget stays enabled, the button only looks and acts disabled.
    bool Enabled() const { return m_enabled; }
    void setEnabled(bool value);
    int GroupIndex() const { return m_groupIndex; }
    void setGroupIndex(int value);
    TExplorerButtonLayout Layout() const { return m_layout; }
    void setLayout(TExplorerButtonLayout value);
    TExplorerButtonOptions Options() const { return m_options; }
    void setOptions(TExplorerButtonOptions value);
    TExplorerButtonShadingType ShadingType() const { return m_shadingType; }
    void setShadingType(TExplorerButtonShadingType value);
    bool ShowDownPattern() const { return m_showDownPattern; }
    void setShowDownPattern(bool value);
    QColor UnselectedFontColor() const;
    void setUnselectedFontColor(const QColor &value);
    bool WordWrap() const { return m_wordWrap; }
    void setWordWrap(bool value);

    QString Hint() const { return toolTip(); }
    void setHint(const QString &value) { setToolTip(value); }
    bool ShowHint() const { return m_showHint; }
    void setShowHint(bool value) { m_showHint = value; }
    QMenu *PopupMenu() const { return m_popupMenu; }
    void setPopupMenu(QMenu *menu) { m_popupMenu = menu; }

    // Where the picture and the caption go at the button's present size.
    ButtonPlaces places() const;
    // Pressed and released as with its accelerator: clicks, or drops its menu down, when enabled.
    void Press();

protected:
    bool event(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void changeEvent(QEvent *event) override;
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    bool captionShown() const;
    bool popupMarkShown() const;
    QColor fontColor() const;
    bool pointerInside() const;
    QList<TExplorerButton *> groupMates() const;
    void makeGrey();
    void renderSource(qreal pixelRatio);
    void pressLeft();
    void releaseLeft(bool inside);
    // After a menu, which kept the mouse from telling the button it left.
    void settleAfterMenu();
    void drawBevel(QPainter &painter, bool raised) const;
    void drawCaption(QPainter &painter, const QRect &box, const QColor &colour) const;
    void drawPopupMark(QPainter &painter, QPoint anchor) const;

    TAlignment m_alignment = taCenter;
    bool m_allowAllUp = false;
    TBevelStyle m_bevelStyle = bsRaised;
    QImage m_bitmap;
    QImage m_noFocus;
    QImage m_disabled;
    bool m_down = false;
    QPointer<QMenu> m_dropDownMenu;
    bool m_enabled = true;
    int m_groupIndex = 0;
    TExplorerButtonLayout m_layout = blBitmapTop;
    TExplorerButtonOptions m_options = boMonoDisplay | boShowBevel;
    TExplorerButtonShadingType m_shadingType = stMedium;
    bool m_showDownPattern = true;
    QColor m_unselectedFontColor; // invalid: the palette's window text
    bool m_wordWrap = false;
    bool m_showHint = true;
    QPointer<QMenu> m_popupMenu;

    QImage m_grey;
    QIcon m_source;
    QSize m_sourceSize;
    bool m_pressed = false;
    bool m_hot = false;
};
