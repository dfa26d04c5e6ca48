#pragma once

#include "document/recovery_copy.h"

#include <QObject>
#include <QThreadPool>
#include <QTimer>
#include <functional>
#include <memory>

class QTextDocument;
class RecoveryStore;
class TextSnapshot;

// Keeps the recovery copy of one document while it has unsaved changes: written a quiet moment
// after typing stops, and at least every half minute while it goes on. The text is taken on the
// GUI thread as a shared string; it is encoded and written on a thread of the writer's own, one
// write at a time.
class RecoveryWriter : public QObject {
    Q_OBJECT

public:
    // describe gives the copy's header (the text is filled in here).
    using Describe = std::function<RecoveryCopy()>;
    RecoveryWriter(QTextDocument &document, RecoveryStore *store, Describe describe,
                   QObject *parent = nullptr);
    // Waits for a write under way; the copy itself stays.
    ~RecoveryWriter() override;

    // Takes the text now and starts writing it; false when there is nothing to write yet (the
    // write follows when the text or the write under way is ready).
    bool writeNow();
    bool isWriting() const { return m_busy; }
    // Writes the copy now and waits until it is on disk.
    void flush();
    // Removes the copy (the document was saved, or closed without saving).
    void remove();
    // Takes over a copy that already holds this document's text.
    void adopt(const QString &path);

    QString path() const { return m_path; }

private:
    struct Shared;
    void changed();
    // Hands the text as it stands to the writing thread.
    void startWrite();
    void written();

    QTextDocument &m_document;
    RecoveryStore *m_store;
    TextSnapshot *m_snapshot = nullptr; // the document's, while there is a store
    Describe m_describe;
    QString m_path;
    QTimer m_quiet;
    QTimer m_longest;
    bool m_busy = false;
    bool m_pending = false;
    bool m_waitingForText = false;
    std::shared_ptr<Shared> m_shared;
    QThreadPool m_pool; // last: destroyed first, waiting for its write
};
