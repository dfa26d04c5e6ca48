#pragma once

#include <QPointer>
#include <QString>

class QProgressDialog;
class QWidget;

// Tells the user a long operation is running: a busy cursor for its whole life and, when the
// work is big enough to take a noticeable time, a progress window that blocks other input.
class BusyProgress {
public:
    // total: the amount of work (bytes); 0 when unknown, which shows the cursor only.
    BusyProgress(QWidget *parent, const QString &label, qint64 total);
    ~BusyProgress();
    BusyProgress(const BusyProgress &) = delete;
    BusyProgress &operator=(const BusyProgress &) = delete;

    void advance(qint64 done);

    // Below this a load finishes before a progress window would be worth showing.
    static constexpr qint64 ShownFrom = 4 * 1024 * 1024;

private:
    QPointer<QProgressDialog> m_dialog;
    qint64 m_total;
};
