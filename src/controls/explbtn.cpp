#include "controls/explbtn.h"

#include "controls/explbtn_accessible.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QMenu>
#include <QPaintEngine>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>

namespace {

// Only this much of a caption is measured and drawn.
constexpr int CaptionLimit = 255;

int textFlags(TAlignment alignment, bool wordWrap)
{
    const int horizontal = alignment == taLeftJustify    ? Qt::AlignLeft
                           : alignment == taRightJustify ? Qt::AlignRight
                                                         : Qt::AlignHCenter;
    return horizontal | Qt::AlignTop | Qt::TextShowMnemonic | (wordWrap ? Qt::TextWordWrap : 0);
}

} // namespace

TExplorerButton::TExplorerButton(QWidget *parent) : QAbstractButton(parent)
{
    static const bool accessible =
        (QAccessible::installFactory(&ExplorerButtonAccessible::create), true);
    Q_UNUSED(accessible);
    setFocusPolicy(Qt::TabFocus);
    resize(49, 41);
}

void TExplorerButton::setAlignment(TAlignment value)
{
    if (value != m_alignment) {
        m_alignment = value;
        repaint();
    }
}

void TExplorerButton::setAllowAllUp(bool value)
{
    m_allowAllUp = value;
    for (TExplorerButton *mate : groupMates())
        mate->m_allowAllUp = value;
}

void TExplorerButton::setBevelStyle(TBevelStyle value)
{
    if (value != m_bevelStyle) {
        m_bevelStyle = value;
        repaint();
    }
}

void TExplorerButton::setBitmap(const QImage &picture)
{
    m_source = QIcon();
    m_bitmap = transparentPicture(picture);
    makeGrey();
    repaint();
}

void TExplorerButton::setBitmap(const QIcon &icon, QSize size)
{
    m_source = icon;
    m_sourceSize = size;
    renderSource(devicePixelRatioF());
    repaint();
}

void TExplorerButton::setNoFocusBitmap(const QImage &picture)
{
    m_noFocus = transparentPicture(picture);
    makeGrey();
    repaint();
}

void TExplorerButton::setDisabledBitmap(const QImage &picture)
{
    m_disabled = transparentPicture(picture);
    if (!m_enabled)
        repaint();
}

void TExplorerButton::setCaption(const QString &value)
{
    setText(value);
    if (m_options & boIconOnly)
        setToolTip(withoutAccelerators(value));
    else
        repaint();
}

void TExplorerButton::setDown(bool value)
{
    if (m_groupIndex == 0 || value == m_down)
        return;
    m_down = value;
    repaint();
    if (value) {
        for (TExplorerButton *mate : groupMates())
            mate->setDown(false);
    }
}

void TExplorerButton::setDropDownMenu(QMenu *menu)
{
    m_dropDownMenu = menu;
    if (m_options & boPopupMark)
        repaint();
}

void TExplorerButton::setEnabled(bool value)
{
    if (value == m_enabled)
        return;
    m_enabled = value;
    if (m_groupIndex == 0)
        m_down = false;
    m_pressed = false;
    m_hot = false;
    repaint();
}

void TExplorerButton::setGroupIndex(int value)
{
    m_groupIndex = value;
    if (value == 0 && m_down) {
        m_down = false;
        repaint();
    }
}

void TExplorerButton::setLayout(TExplorerButtonLayout value)
{
    if (value != m_layout) {
        m_layout = value;
        repaint();
    }
}

void TExplorerButton::setOptions(TExplorerButtonOptions value)
{
    m_options = value;
    const QString plain = withoutAccelerators(text());
    if (value & boIconOnly) {
        if (toolTip().isEmpty()) {
            setToolTip(plain);
            m_showHint = true;
        }
    } else if (toolTip() == plain) {
        setToolTip({});
        m_showHint = false;
    }
    repaint();
}

void TExplorerButton::setShadingType(TExplorerButtonShadingType value)
{
    if (value != m_shadingType) {
        m_shadingType = value;
        makeGrey();
    }
    repaint();
}

void TExplorerButton::setShowDownPattern(bool value)
{
    if (value != m_showDownPattern) {
        m_showDownPattern = value;
        repaint();
    }
}

QColor TExplorerButton::UnselectedFontColor() const
{
    return m_unselectedFontColor.isValid() ? m_unselectedFontColor
                                           : palette().color(QPalette::WindowText);
}

void TExplorerButton::setUnselectedFontColor(const QColor &value)
{
    m_unselectedFontColor = value;
    repaint();
}

void TExplorerButton::setWordWrap(bool value)
{
    if (value != m_wordWrap) {
        m_wordWrap = value;
        repaint();
    }
}

bool TExplorerButton::captionShown() const
{
    return !(m_options & boIconOnly) && !text().isEmpty();
}

bool TExplorerButton::popupMarkShown() const
{
    return (m_options & boPopupMark) && m_dropDownMenu;
}

QColor TExplorerButton::fontColor() const
{
    return palette().color(QPalette::ButtonText);
}

bool TExplorerButton::pointerInside() const
{
    return rect().contains(mapFromGlobal(QCursor::pos()), true);
}

QList<TExplorerButton *> TExplorerButton::groupMates() const
{
    QList<TExplorerButton *> mates;
    if (m_groupIndex == 0 || !parentWidget())
        return mates;
    for (auto *button :
         parentWidget()->findChildren<TExplorerButton *>(Qt::FindDirectChildrenOnly)) {
        if (button != this && button->m_groupIndex == m_groupIndex)
            mates.append(button);
    }
    return mates;
}

void TExplorerButton::makeGrey()
{
    if (m_bitmap.isNull() || !m_noFocus.isNull())
        return;
    m_grey = greyPicture(m_bitmap, m_shadingType, palette().color(QPalette::Light),
                         palette().color(QPalette::Dark));
}

void TExplorerButton::renderSource(qreal pixelRatio)
{
    m_bitmap = transparentPicture(m_source.pixmap(m_sourceSize, pixelRatio).toImage());
    makeGrey();
}

ButtonPlaces TExplorerButton::places() const
{
    ButtonLayoutInput in;
    in.button = size();
    if (captionShown()) {
        const QString caption = text().left(CaptionLimit) + QString(m_wordWrap ? 1 : 0, u' ');
        in.caption = fontMetrics()
                         .boundingRect(QRect(0, 0, std::max(width() - 4, 0), 0x3fff),
                                       textFlags(m_alignment, m_wordWrap), caption)
                         .size();
    }
    in.picture = m_bitmap.deviceIndependentSize().toSize();
    in.popupMark = popupMarkShown();
    in.layout = m_layout;
    in.alignment = m_alignment;
    in.wordWrap = m_wordWrap;
    return layoutButton(in);
}

void TExplorerButton::drawBevel(QPainter &painter, bool raised) const
{
    if (!(m_options & boShowBevel))
        return;
    const bool up = raised != (m_bevelStyle == bsLowered);
    const QColor light = palette().color(QPalette::Light), dark = palette().color(QPalette::Dark);
    const QColor topLeft = up ? light : dark, bottomRight = up ? dark : light;
    const int W = width(), H = height();
    painter.fillRect(0, 0, W - 1, 1, topLeft);
    painter.fillRect(0, 0, 1, H, topLeft);
    painter.fillRect(W - 1, 0, 1, H, bottomRight);
    painter.fillRect(1, H - 1, W - 1, 1, bottomRight);
}

void TExplorerButton::drawCaption(QPainter &painter, const QRect &box, const QColor &colour) const
{
    if (!captionShown())
        return;
    painter.setPen(colour);
    painter.drawText(box, textFlags(m_alignment, m_wordWrap), text().left(CaptionLimit));
}

void TExplorerButton::drawPopupMark(QPainter &painter, QPoint anchor) const
{
    for (int row = 0; row < 4; ++row)
        painter.fillRect(anchor.x() + row, anchor.y() - 1 + row, 7 - 2 * row, 1, fontColor());
}

void TExplorerButton::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    // The engine's device is the real target: a backing store, or an image this is rendered to.
    const qreal ratio = painter.paintEngine()->paintDevice()->devicePixelRatioF();
    if (!m_source.isNull() && m_bitmap.devicePixelRatio() != ratio)
        renderSource(ratio);
    const QPalette &colours = palette();
    const QColor light = colours.color(QPalette::Light), dark = colours.color(QPalette::Dark);
    if (m_down && m_showDownPattern)
        painter.drawImage(rect(), checkerPattern(size(), colours.color(QPalette::Button), light));
    const ButtonPlaces at = places();
    const QPoint shift(1, 1);
    // The mark sits beside the picture, or beside the caption when there is none.
    const QPoint mark =
        m_bitmap.isNull()
            ? QPoint(at.caption.x() + at.caption.width(), at.caption.y() + at.caption.height() / 2)
            : QPoint(at.picture.x() + int(m_bitmap.deviceIndependentSize().width()),
                     at.picture.y() + int(m_bitmap.deviceIndependentSize().height()) / 2);
    if (!m_enabled) {
        if (m_down)
            drawBevel(painter, false);
        if (!m_disabled.isNull()) {
            painter.drawImage(at.picture, m_disabled);
        } else if (!m_bitmap.isNull()) {
            painter.drawImage(at.picture + shift, stampedPicture(m_bitmap, light));
            painter.drawImage(at.picture, stampedPicture(m_bitmap, dark));
        }
        drawCaption(painter, at.caption.translated(shift), light);
        drawCaption(painter, at.caption, dark);
    } else if ((m_pressed && m_hot) || m_down) {
        drawBevel(painter, false);
        drawCaption(painter, m_bevelStyle == bsRaised ? at.caption.translated(shift) : at.caption,
                    fontColor());
        painter.drawImage(at.picture + shift, m_bitmap);
        if (popupMarkShown())
            drawPopupMark(painter, mark + QPoint(4, 1));
    } else {
        if (m_hot)
            drawBevel(painter, true);
        drawCaption(painter, m_bevelStyle == bsLowered ? at.caption.translated(shift) : at.caption,
                    m_hot ? fontColor() : UnselectedFontColor());
        const bool colour = m_hot || !(m_options & boMonoDisplay);
        painter.drawImage(at.picture, colour ? m_bitmap : m_noFocus.isNull() ? m_grey : m_noFocus);
        if (popupMarkShown())
            drawPopupMark(painter, mark + QPoint(3, 0));
    }
    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = rect().adjusted(2, 2, -2, -2);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, this);
    }
}

void TExplorerButton::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::PaletteChange)
        makeGrey();
    QAbstractButton::changeEvent(event);
}

bool TExplorerButton::event(QEvent *event)
{
    switch (event->type()) {
    case QEvent::Shortcut:
        Press();
        return true;
    case QEvent::ToolTip:
        if (!m_showHint)
            return true;
        break;
    default:
        break;
    }
    return QAbstractButton::event(event);
}

void TExplorerButton::enterEvent(QEnterEvent *)
{
    m_hot = true;
    if (m_enabled && !m_down)
        repaint();
}

void TExplorerButton::leaveEvent(QEvent *)
{
    m_hot = false;
    if (m_enabled && !m_down)
        repaint();
}

void TExplorerButton::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        pressLeft();
    else
        event->ignore();
}

// The button holds the mouse while pressed, so it follows the pointer in and out itself.
void TExplorerButton::mouseMoveEvent(QMouseEvent *event)
{
    const bool inside = rect().contains(event->position().toPoint(), true);
    if (m_pressed && inside != m_hot) {
        m_hot = inside;
        repaint();
    }
}

void TExplorerButton::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton) {
        event->ignore();
        return;
    }
    const bool inside = rect().contains(event->position().toPoint(), true);
    if (m_pressed)
        m_hot = m_hot && inside;
    releaseLeft(inside);
}

void TExplorerButton::contextMenuEvent(QContextMenuEvent *event)
{
    if (!m_popupMenu) {
        event->ignore();
        return;
    }
    QPointer<TExplorerButton> alive(this);
    m_popupMenu->exec(event->globalPos());
    if (alive)
        settleAfterMenu();
}

// Tab reaches the button as it reached the tool buttons before; Space works as its accelerator.
void TExplorerButton::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Space && !event->isAutoRepeat())
        Press();
    else
        QWidget::keyPressEvent(event);
}

void TExplorerButton::pressLeft()
{
    QWidget *form = window();
    if (!form->isActiveWindow())
        form->activateWindow();
    if (!m_enabled || !isVisible())
        return;
    m_pressed = true;
    m_hot = true;
    repaint();
    if (m_dropDownMenu) {
        QPointer<TExplorerButton> alive(this);
        m_dropDownMenu->exec(mapToGlobal(QPoint(0, height())));
        if (alive)
            settleAfterMenu();
    }
}

void TExplorerButton::releaseLeft(bool inside)
{
    if (!m_enabled || !isVisible() || !m_pressed)
        return;
    m_pressed = false;
    if (m_hot && m_groupIndex != 0) {
        if (!m_down) {
            for (TExplorerButton *mate : groupMates())
                mate->setDown(false);
            m_down = true;
        } else if (m_allowAllUp) {
            m_down = false;
        }
    }
    update();
    if (!m_hot)
        return;
    m_hot = inside;
    if (!m_dropDownMenu)
        click();
}

void TExplorerButton::settleAfterMenu()
{
    m_hot = pointerInside();
    m_pressed = false;
    repaint();
}

void TExplorerButton::Press()
{
    if (!m_enabled || !isVisible())
        return;
    QPointer<TExplorerButton> alive(this);
    m_hot = true;
    m_pressed = false;
    repaint();
    QApplication::processEvents();
    if (alive)
        pressLeft();
    QApplication::processEvents();
    if (alive)
        releaseLeft(pointerInside());
    QApplication::processEvents();
    if (!alive)
        return;
    m_hot = pointerInside();
    repaint();
}
