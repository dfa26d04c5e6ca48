#include "tables/table_rows.h"

#include "controls/choose_dialogs.h"
#include "controls/dialog_rows.h"
#include "core/color_value.h"
#include "settings/color_label.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

ColorRow addColorRow(DialogRows &rows, const QString &caption, const char *editName,
                     const char *swatchName, const char *buttonName)
{
    auto *box = new QWidget(rows.owner());
    QLineEdit *edit = newLineEdit(box, editName);
    auto *swatch = new ColorLabel(QLatin1String(swatchName), {}, box);
    swatch->setSampleLook();
    swatch->setBackColor(0xFFFFFF);
    swatch->setEnabled(false);
    swatch->setFixedSize(edit->sizeHint().height() * 2, edit->sizeHint().height());
    QPushButton *button = newEllipsisButton(box, buttonName, QStringLiteral("Choose a color..."));
    auto *line = new QHBoxLayout(box);
    line->setContentsMargins({});
    line->addWidget(edit, 1);
    line->addWidget(swatch);
    line->addWidget(button);
    QLabel *label = rows.labelled(caption, box);
    label->setBuddy(edit);
    return {label, edit, swatch, button};
}

bool pickColor(const ColorRow &row, QWidget *parent)
{
    const std::optional<quint32> chosen = chooseColor(parent, 0);
    if (!chosen)
        return false;
    row.edit->setText(ColorToHTML(*chosen));
    row.swatch->setBackColor(*chosen);
    return true;
}
