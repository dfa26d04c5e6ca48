#pragma once

#include <QLabel>

// A label that shows colour values by its looks (text colour on background colour) and keeps
// them exactly as set, top byte included, so what is shown is what is written back.
class ColorLabel : public QLabel {
    Q_OBJECT

public:
    explicit ColorLabel(const QString &objectName, const QString &caption,
                        QWidget *parent = nullptr);

    quint32 fontColor() const { return m_fontColor; }
    void setFontColor(quint32 value);
    quint32 backColor() const { return m_backColor; }
    // Also makes the label paint its background.
    void setBackColor(quint32 value);
    // The look of a colour or font sample: its caption centred in a sunken panel.
    void setSampleLook();

signals:
    void doubleClicked();

protected:
    void mouseDoubleClickEvent(QMouseEvent *event) override;

private:
    void applyColors();

    quint32 m_fontColor = 0;
    quint32 m_backColor = 0xFFFFFF;
};
