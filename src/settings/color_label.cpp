#include "settings/color_label.h"

#include "settings/color_value.h"

#include <QColor>

ColorLabel::ColorLabel(const QString &objectName, const QString &caption, QWidget *parent)
    : QLabel(caption, parent)
{
    setObjectName(objectName);
}

QColor ColorLabel::toQColor(quint32 value)
{
    return QColor(redOf(value), greenOf(value), blueOf(value));
}

quint32 ColorLabel::fromQColor(const QColor &color)
{
    return colorValue(color.red(), color.green(), color.blue());
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
