#include "controls/string_grid.h"

#include "controls/dialog_rows.h"

#include <QCoreApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QStyledItemDelegate>

#include <memory>

namespace {

// Hands the keys that leave a cell from the cell's editor to the grid, which moves on and opens
// the editor of the next cell.
class CellEditing : public QStyledItemDelegate {
public:
    explicit CellEditing(QTableWidget *grid) : QStyledItemDelegate(grid), m_grid(grid) {}

protected:
    bool eventFilter(QObject *object, QEvent *event) override
    {
        auto *editor = qobject_cast<QLineEdit *>(object);
        if (editor && event->type() == QEvent::KeyPress &&
            leavesCell(*editor, *static_cast<QKeyEvent *>(event))) {
            QCoreApplication::sendEvent(m_grid, event);
            return true;
        }
        return QStyledItemDelegate::eventFilter(object, event);
    }

private:
    static bool leavesCell(const QLineEdit &editor, const QKeyEvent &key)
    {
        if (key.modifiers() & ~Qt::KeypadModifier)
            return false;
        const bool plainCaret = !editor.hasSelectedText();
        switch (key.key()) {
        case Qt::Key_Up:
        case Qt::Key_Down:
            return true;
        case Qt::Key_Left:
            return plainCaret && editor.cursorPosition() == 0;
        case Qt::Key_Right:
            return plainCaret && editor.cursorPosition() == editor.text().size();
        default:
            return false;
        }
    }

    QTableWidget *m_grid;
};

} // namespace

TStringGrid::TStringGrid(const char *name, QWidget *parent) : QTableWidget(1, 1, parent)
{
    nameControl(this, name);
    horizontalHeader()->hide();
    verticalHeader()->hide();
    setItemDelegate(new CellEditing(this));
    setEditTriggers(QAbstractItemView::AllEditTriggers);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setTabKeyNavigation(true);
    setCurrentCell(0, 0);
}

QString TStringGrid::Cell(int column, int row) const
{
    const QTableWidgetItem *cell = item(row, column);
    return cell ? cell->text() : QString();
}

void TStringGrid::setCell(int column, int row, const QString &text)
{
    if (QTableWidgetItem *cell = item(row, column))
        cell->setText(text);
    else
        setItem(row, column, new QTableWidgetItem(text));
}

QList<QStringList> TStringGrid::Rows() const
{
    QList<QStringList> rows;
    rows.reserve(rowCount());
    for (int row = 0; row < rowCount(); ++row) {
        QStringList cells;
        cells.reserve(columnCount());
        for (int column = 0; column < columnCount(); ++column)
            cells << Cell(column, row);
        rows << cells;
    }
    return rows;
}

void TStringGrid::setCellCount(int columns, int rows)
{
    for (int row = 0; row < rowCount(); ++row) {
        for (int column = row < rows ? columns : 0; column < columnCount(); ++column) {
            if (const std::unique_ptr<QTableWidgetItem> cell{takeItem(row, column)})
                m_putAside.insert(QPoint(column, row), cell->text());
        }
    }
    setColumnCount(columns);
    setRowCount(rows);
    for (auto cell = m_putAside.begin(); cell != m_putAside.end();) {
        if (cell.key().x() < columns && cell.key().y() < rows) {
            setCell(cell.key().x(), cell.key().y(), cell.value());
            cell = m_putAside.erase(cell);
        } else {
            ++cell;
        }
    }
}

void TStringGrid::focusInEvent(QFocusEvent *event)
{
    QTableWidget::focusInEvent(event);
    if (state() != EditingState && currentIndex().isValid())
        edit(currentIndex());
}
