#pragma once

#include "document/recovery_store.h"

#include <QDialog>
#include <functional>

class QPushButton;
class QTreeWidget;

// Offers the copies an earlier Pagewick left: each can be recovered, discarded or kept for the
// next start. Recover and Discard act on the selected rows (all of them at first); the window
// closes when no row is left, or with Later.
class TRecover : public QDialog {
    Q_OBJECT

public:
    // recover opens a copy in a document window; false when it could not, and the copy stays.
    using Recover = std::function<bool(const LeftCopy &)>;
    TRecover(QList<LeftCopy> copies, Recover recover, QWidget *parent = nullptr);

    QTreeWidget *lvCopies;
    QPushButton *bbRecover;
    QPushButton *bbDiscard;
    QPushButton *bbLater;

private:
    void bbRecoverClick();
    void bbDiscardClick();
    // Runs act on each selected row and drops the rows it succeeds for.
    void forSelected(const std::function<bool(const LeftCopy &)> &act);

    QList<LeftCopy> m_copies;
    Recover m_recover;
};

// Shows the window when there are copies to offer; the copies it did not act on stay for the
// next start.
void offerRecovery(RecoveryStore &store, const TRecover::Recover &recover, QWidget *parent);
