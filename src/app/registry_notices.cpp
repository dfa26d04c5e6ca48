#include "app/registry_notices.h"

#include "controls/message_box.h"
#include "settings/corvane_registry.h"

#include <QPointer>
#include <QWidget>

void showRegistryNotices(QWidget *window)
{
    TCorvaneRegistry::setNoticeHandler([window = QPointer<QWidget>(window)](const QString &text) {
        MessageDlg(window, text, MessageType::Warning, mbOK);
    });
}
