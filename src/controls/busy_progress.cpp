#include "controls/busy_progress.h"

#include <QGuiApplication>
#include <QProgressDialog>

namespace {

// QProgressDialog counts in int; scale big totals down.
int scaled(qint64 amount, qint64 total)
{
    return total <= 0 ? 0 : int(qMin(amount, total) * 1000 / total);
}

} // namespace

BusyProgress::BusyProgress(QWidget *parent, const QString &label, qint64 total) : m_total(total)
{
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    if (total < ShownFrom)
        return;
    m_dialog = new QProgressDialog(label, QString(), 0, 1000, parent);
    m_dialog->setObjectName(QStringLiteral("Progress"));
    m_dialog->setWindowTitle(QStringLiteral("Pagewick"));
    m_dialog->setWindowModality(Qt::ApplicationModal);
    m_dialog->setMinimumDuration(400);
    m_dialog->setAutoClose(false);
    m_dialog->setAutoReset(false);
    m_dialog->setValue(0);
}

BusyProgress::~BusyProgress()
{
    delete m_dialog;
    QGuiApplication::restoreOverrideCursor();
}

void BusyProgress::advance(qint64 done)
{
    if (m_dialog && scaled(done, m_total) != m_dialog->value())
        m_dialog->setValue(scaled(done, m_total));
}
