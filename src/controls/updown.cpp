#include "controls/updown.h"

#include <QLineEdit>

#include <algorithm>
#include <limits>

TUpDown::TUpDown(const QString &upDownName, const QString &editName, Range range, QWidget *parent)
    : QAbstractSpinBox(parent), m_range(range), m_position(range.position)
{
    setObjectName(upDownName);
    lineEdit()->setObjectName(editName);
    // A typed text is kept whole, however long.
    lineEdit()->setMaxLength(std::numeric_limits<int>::max());
    lineEdit()->setReadOnly(range.readOnly);
    setWrapping(range.wrap);
    setCorrectionMode(QAbstractSpinBox::CorrectToPreviousValue);
    setKeyboardTracking(true);
    setText(QString::number(range.position));
}

QString TUpDown::text() const
{
    return lineEdit()->text();
}

void TUpDown::setText(const QString &text)
{
    lineEdit()->setText(text);
}

int TUpDown::current() const
{
    bool isNumber = false;
    const int typed = text().trimmed().toInt(&isNumber);
    return isNumber ? typed : m_position;
}

void TUpDown::stepBy(int steps)
{
    const long long span = qint64(m_range.max) - m_range.min + 1;
    long long next = qint64(current()) + qint64(steps) * m_range.increment;
    if (m_range.wrap) {
        next = m_range.min + ((next - m_range.min) % span + span) % span;
    } else {
        next = std::clamp<long long>(next, m_range.min, m_range.max);
    }
    m_position = int(next);
    setText(QString::number(m_position));
    lineEdit()->selectAll();
}

QValidator::State TUpDown::validate(QString &, int &) const
{
    return QValidator::Acceptable;
}

QAbstractSpinBox::StepEnabled TUpDown::stepEnabled() const
{
    if (m_range.wrap)
        return StepUpEnabled | StepDownEnabled;
    const int value = current();
    StepEnabled enabled = StepNone;
    if (value < m_range.max)
        enabled |= StepUpEnabled;
    if (value > m_range.min)
        enabled |= StepDownEnabled;
    return enabled;
}
