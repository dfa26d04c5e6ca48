#include "dialogs/url_button.h"

#include "controls/message_box.h"
#include "dialogs/f_url.h"

#include <QLineEdit>
#include <QPushButton>

DialogRows::ButtonRow addUrlRow(DialogRows &rows, const QString &caption, const char *editName,
                                const char *buttonName, const QString &hint, const char *labelName)
{
    const DialogRows::ButtonRow row =
        rows.editWithButton(caption, editName, buttonName, {}, labelName);
    QPushButton *button = row.button;
    QLineEdit *field = row.edit;
    button->setToolTip(hint);
    button->setAccessibleName(hint);
    QObject::connect(button, &QAbstractButton::clicked, field, [button, field] {
        TURLBuilder builder(button->window());
        if (builder.ShowModal() == mrOk)
            field->setText(builder.URL);
    });
    return row;
}
