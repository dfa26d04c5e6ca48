#include "settings/color_label.h"

#include "controls/color_convert.h"

#include <QColor>

ColorLabel::ColorLabel(const QString &objectName, const QString &caption, QWidget *parent)
    : QLabel(caption, parent)
{
    setObjectName(objectName);
}

void ColorLabel::setFontColor(quint32 value)
{
    m_fontColor = value;
    applyColors();
}

void ColorLabel::setBackColor(quint32 value)
{
    m_backColor = value;
    setAutoFillBackground(true);
    applyColors();
}

void ColorLabel::setSampleLook()
{
    setAlignment(Qt::AlignCenter);
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
}

void ColorLabel::applyColors()
{
    // Every colour group, so a disabled label still shows its colour.
    QPalette colors = palette();
    colors.setColor(QPalette::WindowText, toQColor(m_fontColor));
    colors.setColor(QPalette::Window, toQColor(m_backColor));
    setPalette(colors);
}

void ColorLabel::mouseDoubleClickEvent(QMouseEvent *event)
{
    QLabel::mouseDoubleClickEvent(event);
    emit doubleClicked();
}
