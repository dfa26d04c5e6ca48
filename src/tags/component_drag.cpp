#include "tags/component_drag.h"

#include <QDropEvent>
#include <QMimeData>
#include <QWidget>

namespace {

const QString MimeType = QStringLiteral("application/x-pagewick-component");

class ComponentDropFilter : public QObject {
public:
    ComponentDropFilter(QWidget *viewport, std::function<void(const QString &)> insert)
        : QObject(viewport), m_insert(std::move(insert))
    {
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        switch (event->type()) {
        case QEvent::DragEnter:
        case QEvent::DragMove: {
            auto *drag = static_cast<QDragMoveEvent *>(event);
            if (!componentEntry(drag->mimeData()))
                break;
            drag->setDropAction(Qt::CopyAction);
            drag->accept();
            return true;
        }
        case QEvent::Drop: {
            auto *drop = static_cast<QDropEvent *>(event);
            const std::optional<QString> entry = componentEntry(drop->mimeData());
            if (!entry)
                break;
            drop->setDropAction(Qt::CopyAction);
            drop->accept();
            m_insert(*entry);
            return true;
        }
        default:
            break;
        }
        return QObject::eventFilter(watched, event);
    }

private:
    std::function<void(const QString &)> m_insert;
};

} // namespace

QMimeData *componentMimeData(const QString &entry)
{
    auto *data = new QMimeData;
    data->setData(MimeType, entry.toUtf8());
    return data;
}

std::optional<QString> componentEntry(const QMimeData *data)
{
    if (!data || !data->hasFormat(MimeType))
        return std::nullopt;
    return QString::fromUtf8(data->data(MimeType));
}

void acceptComponentDrops(QWidget *viewport, std::function<void(const QString &)> insert)
{
    viewport->setAcceptDrops(true);
    viewport->installEventFilter(new ComponentDropFilter(viewport, std::move(insert)));
}
