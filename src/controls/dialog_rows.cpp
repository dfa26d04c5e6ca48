#include "controls/dialog_rows.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

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
    if (name)
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

QLineEdit *newLineEdit(QWidget *parent, const char *name, const QString &text)
{
    auto *box = new QLineEdit(text, parent);
    nameControl(box, name);
    box->setMaxLength(std::numeric_limits<int>::max());
    return box;
}

QComboBox *newFreeCombo(QWidget *parent, const char *name, const QStringList &items,
                        const QString &text)
{
    auto *box = new QComboBox(parent);
    nameControl(box, name);
    box->setEditable(true);
    box->setInsertPolicy(QComboBox::NoInsert);
    box->lineEdit()->setMaxLength(std::numeric_limits<int>::max());
    box->addItems(items);
    box->setCurrentIndex(-1);
    box->setEditText(text);
    return box;
}

QPushButton *newEllipsisButton(QWidget *parent, const char *name, const QString &hint)
{
    auto *button = new QPushButton(QStringLiteral("..."), parent);
    nameControl(button, name, hint);
    button->setToolTip(hint);
    button->setFixedWidth(button->fontMetrics().horizontalAdvance(QStringLiteral("....")) + 12);
    return button;
}

int charsWide(const QWidget &widget, int chars)
{
    return widget.fontMetrics().horizontalAdvance(QLatin1Char('x')) * chars;
}

QLabel *DialogRows::labelled(const QString &caption, QWidget *control, const char *labelName,
                             int columnSpan)
{
    const int row = nextRow();
    auto *label = new QLabel(caption, m_owner);
    nameControl(label, labelName);
    label->setBuddy(control);
    m_grid->addWidget(label, row, 0);
    m_grid->addWidget(control, row, 1, 1, columnSpan);
    return label;
}

QLineEdit *DialogRows::edit(const QString &caption, const char *editName, const QString &text)
{
    QLineEdit *box = newLineEdit(m_owner, editName, text);
    labelled(caption, box);
    return box;
}

DialogRows::ButtonRow DialogRows::editWithButton(const QString &caption, const char *editName,
                                                 const char *buttonName, const QString &text,
                                                 const char *labelName)
{
    QLineEdit *box = newLineEdit(m_owner, editName, text);
    QLabel *label = labelled(caption, box, labelName, 1);
    QPushButton *button = newEllipsisButton(m_owner, buttonName);
    nameControl(button, nullptr, caption);
    m_grid->addWidget(button, m_grid->rowCount() - 1, 2);
    return {label, box, button};
}

template <typename Button>
Button *DialogRows::wideButton(const char *name, const QString &caption, bool checked)
{
    auto *button = newButton<Button>(m_owner, name, caption);
    button->setChecked(checked);
    wide(button);
    return button;
}

QCheckBox *DialogRows::checkBox(const char *name, const QString &caption, bool checked)
{
    return wideButton<QCheckBox>(name, caption, checked);
}

QRadioButton *DialogRows::radioButton(const char *name, const QString &caption, bool checked)
{
    return wideButton<QRadioButton>(name, caption, checked);
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

void DialogRows::stretch()
{
    m_grid->setRowStretch(nextRow(), 1);
}
