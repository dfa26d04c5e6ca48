#include "controls/busy_progress.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QProgressDialog>

namespace {

// The work cannot stop half-way, so nothing dismisses the window before it ends: a hidden
// window would let the user at a half-done document.
class SteadyProgressDialog : public QProgressDialog {
public:
    SteadyProgressDialog(const QString &label, QWidget *parent)
        : QProgressDialog(label, QString(), 0, 1000, parent)
    {
        setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    }
    void reject() override {}

protected:
    void closeEvent(QCloseEvent *event) override { event->ignore(); }
};

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
    m_dialog = new SteadyProgressDialog(label, parent);
    m_dialog->setObjectName(QStringLiteral("Progress"));
    m_dialog->setWindowTitle(QStringLiteral("Pagewick"));
    m_dialog->setWindowModality(Qt::ApplicationModal);
    // Work this big takes long enough to be worth showing at once.
    m_dialog->setMinimumDuration(0);
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
