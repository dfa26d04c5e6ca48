#include "controls/dialog_rows.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <limits>

QString plainCaption(const QString &caption)
{
    QString plain = QString(caption).remove(QLatin1Char('&')).trimmed();
    if (plain.endsWith(QLatin1Char(':')))
        plain.chop(1);
    return plain.trimmed();
}

void nameControl(QWidget *control, const char *name, const QString &caption)
{
    control->setObjectName(QLatin1String(name));
    if (!caption.isEmpty())
        control->setAccessibleName(plainCaption(caption));
}

DialogRows::DialogRows(QWidget *owner) : m_owner(owner), m_grid(new QGridLayout) {}

int DialogRows::nextRow() const
{
    // An empty grid still reports one row.
    return m_grid->count() == 0 ? 0 : m_grid->rowCount();
}

QLabel *DialogRows::labelled(const QString &caption, QWidget *control)
{
    const int row = nextRow();
    m_lastLabel = new QLabel(caption, m_owner);
    m_lastLabel->setBuddy(control);
    m_grid->addWidget(m_lastLabel, row, 0);
    m_grid->addWidget(control, row, 1);
    return m_lastLabel;
}

QLineEdit *DialogRows::edit(const QString &caption, const char *editName, const QString &text)
{
    auto *box = new QLineEdit(text, m_owner);
    nameControl(box, editName);
    box->setMaxLength(std::numeric_limits<int>::max());
    labelled(caption, box);
    return box;
}

DialogRows::ButtonRow DialogRows::editWithButton(const QString &caption, const char *editName,
                                                 const char *buttonName, const QString &text)
{
    QLineEdit *box = edit(caption, editName, text);
    auto *button = new QPushButton(QStringLiteral("..."), m_owner);
    nameControl(button, buttonName, m_lastLabel->text());
    button->setFixedWidth(button->fontMetrics().horizontalAdvance(QStringLiteral("....")) + 12);
    m_grid->addWidget(button, m_grid->rowCount() - 1, 2);
    return {box, button};
}

TUpDown *DialogRows::upDown(const QString &caption, const char *editName, const char *upDownName,
                            TUpDown::Range range)
{
    auto *box = new TUpDown(QLatin1String(upDownName), QLatin1String(editName), range, m_owner);
    labelled(caption, box);
    return box;
}

QCheckBox *DialogRows::checkBox(const char *name, const QString &caption, bool checked)
{
    auto *box = new QCheckBox(caption, m_owner);
    nameControl(box, name, caption);
    box->setChecked(checked);
    wide(box);
    return box;
}

void DialogRows::wide(QWidget *control)
{
    m_grid->addWidget(control, nextRow(), 0, 1, -1);
}

DialogRows DialogRows::group(const char *name, const QString &title)
{
    auto *box = new QGroupBox(title, m_owner);
    nameControl(box, name);
    auto *grid = new QGridLayout(box);
    wide(box);
    return DialogRows(box, grid);
}
