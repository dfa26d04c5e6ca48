#include "tags/f_comps.h"

#include "controls/dialog_rows.h"
#include "tags/component_drag.h"
#include "tags/snippets_markup.h"

#include <QApplication>
#include <QDrag>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

namespace {

const int ItemHeight = 16;
const int ScreenMargin = 10;
const int Top = 145;

void fillCatalogue(QTreeWidget *tree)
{
    QList<QTreeWidgetItem *> parents;
    for (const CatalogueEntry &entry : componentCatalogue()) {
        parents.resize(entry.depth);
        auto *item =
            entry.depth == 0 ? new QTreeWidgetItem(tree) : new QTreeWidgetItem(parents.last());
        item->setText(0, QString::fromUtf8(entry.name));
        item->setSizeHint(0, QSize(0, ItemHeight));
        parents.append(item);
    }
}

} // namespace

TComponentTree::TComponentTree(QWidget *parent) : QTreeWidget(parent)
{
    setHeaderHidden(true);
    setColumnCount(1);
    setUniformRowHeights(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    fillCatalogue(this);
}

void TComponentTree::mousePressEvent(QMouseEvent *event)
{
    QTreeWidget::mousePressEvent(event);
    if (event->button() == Qt::LeftButton && itemAt(event->position().toPoint()))
        m_pressedAt = event->position().toPoint();
    else
        m_pressedAt.reset();
}

void TComponentTree::mouseMoveEvent(QMouseEvent *event)
{
    const bool dragging = m_pressedAt && (event->buttons() & Qt::LeftButton) && currentItem() &&
                          (event->position().toPoint() - *m_pressedAt).manhattanLength() >=
                              QApplication::startDragDistance();
    if (!dragging) {
        QTreeWidget::mouseMoveEvent(event);
        return;
    }
    m_pressedAt.reset();
    auto *drag = new QDrag(this);
    drag->setMimeData(componentMimeData(currentItem()->text(0)));
    drag->exec(Qt::CopyAction);
}

TComps::TComps(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("Comps"));
    setWindowTitle(QStringLiteral("Components"));
    setWindowFlags(Qt::Tool | Qt::WindowStaysOnTopHint | Qt::CustomizeWindowHint |
                   Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                   Qt::MSWindowsFixedSizeDialogHint);
    setAttribute(Qt::WA_DeleteOnClose);

    Label1 = new QLabel(QStringLiteral("Use drag&&drop to insert a component."), this);
    nameControl(Label1, "Label1");
    oComponents = new TComponentTree(this);
    nameControl(oComponents, "oComponents");
    // With a buddy the label reads "&&" as one "&".
    Label1->setBuddy(oComponents);
    bbOK = newButton<QPushButton>(this, "bbOK", QStringLiteral("Close"));
    connect(bbOK, &QPushButton::clicked, this, &QWidget::close);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(Label1);
    layout->addWidget(oComponents, 1);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(bbOK);
    layout->addLayout(buttons);
    setFixedSize(270, 340);
}

TComps *openComponentCatalogue()
{
    auto *comps = new TComps;
    const QScreen *screen = comps->screen();
    comps->move(screen->geometry().width() - comps->width() - ScreenMargin, Top);
    comps->show();
    return comps;
}
