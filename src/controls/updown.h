#pragma once

#include <QAbstractSpinBox>
#include <QLineEdit>

// An edit box with up-down arrows. The text is free (any text may be typed unless the box is
// read-only); the arrows, the Up/Down keys and the wheel step a number inside min..max, starting
// from the number the text holds, or from the last position when it holds none.
// The spin box carries the up-down's name and its line edit the edit box's name, so that
// disabling the up-down disables the box with it.
class TUpDown : public QAbstractSpinBox {
    Q_OBJECT

public:
    struct Range {
        int min;
        int max;
        int position;
        int increment = 1;
        bool wrap = false;
        // Read-only boxes take no typing; their arrows still step.
        bool readOnly = false;
    };

    TUpDown(const QString &upDownName, const QString &editName, Range range,
            QWidget *parent = nullptr);

    // The edit box, for labels to focus and dialogs to watch.
    QLineEdit *edit() const { return lineEdit(); }
    QString text() const;
    void setText(const QString &text);
    int Position() const { return m_position; }

    void stepBy(int steps) override;
    QValidator::State validate(QString &input, int &pos) const override;

protected:
    StepEnabled stepEnabled() const override;

private:
    int current() const;

    Range m_range;
    int m_position;
};
