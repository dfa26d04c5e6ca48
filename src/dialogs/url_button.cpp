#include "dialogs/url_button.h"

#include "controls/message_box.h"
#include "dialogs/f_url.h"

#include <QAbstractButton>
#include <QLineEdit>

void connectUrlBuilder(QAbstractButton *button, QLineEdit *field, const QString &hint)
{
    button->setToolTip(hint);
    button->setAccessibleName(hint);
    QObject::connect(button, &QAbstractButton::clicked, field, [button, field] {
        TURLBuilder builder(button->window());
        if (builder.ShowModal() == mrOk)
            field->setText(builder.URL);
    });
}
