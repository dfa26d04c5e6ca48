#include "document/recovery_writer.h"

#include "core/private_files.h"
#include "document/recovery_store.h"
#include "document/text_snapshot.h"

#include <QFile>
#include <QMutex>
#include <QTextDocument>

namespace {

constexpr int LongestWaitMs = 30'000;
constexpr int DefaultQuietMs = 2'000;

// Delay after the last change, from PAGEWICK_RECOVERY_QUIET_MS (for tests), else 2 s.
int quietDelay()
{
    bool ok = false;
    const int ms = qEnvironmentVariableIntValue("PAGEWICK_RECOVERY_QUIET_MS", &ok);
    return ok && ms >= 0 ? ms : DefaultQuietMs;
}

} // namespace

// A removal must not be undone by a write that was already under way: writes happen under the
// lock and only while their generation is still the current one.
struct RecoveryWriter::Shared {
    QMutex mutex;
    int generation = 0;
};

RecoveryWriter::RecoveryWriter(QTextDocument &document, RecoveryStore *store, Describe describe,
                               QObject *parent)
    : QObject(parent), m_document(document), m_store(store && store->isReady() ? store : nullptr),
      m_describe(std::move(describe)), m_shared(std::make_shared<Shared>())
{
    m_pool.setMaxThreadCount(1);
    m_quiet.setSingleShot(true);
    m_quiet.setInterval(quietDelay());
    m_longest.setSingleShot(true);
    m_longest.setInterval(LongestWaitMs);
    connect(&m_quiet, &QTimer::timeout, this, &RecoveryWriter::writeNow);
    connect(&m_longest, &QTimer::timeout, this, &RecoveryWriter::writeNow);
    connect(&document, &QTextDocument::contentsChanged, this, &RecoveryWriter::changed);
    if (m_store) {
        m_snapshot = &TextSnapshot::of(document);
        connect(m_snapshot, &TextSnapshot::completed, this, [this] {
            if (std::exchange(m_waitingForText, false))
                writeNow();
        });
    }
    connect(&document, &QTextDocument::modificationChanged, this, [this](bool modified) {
        if (modified)
            changed();
        else
            remove();
    });
}

RecoveryWriter::~RecoveryWriter()
{
    m_pool.waitForDone();
}

void RecoveryWriter::changed()
{
    // Loading a file (undo off meanwhile) changes the text too, but leaves nothing to keep.
    if (!m_store || !m_document.isModified() || !m_document.isUndoRedoEnabled())
        return;
    m_quiet.start();
    if (!m_longest.isActive())
        m_longest.start();
    // A big document's first copy is taken in slices meanwhile.
    m_snapshot->prepare();
}

bool RecoveryWriter::writeNow()
{
    m_quiet.stop();
    m_longest.stop();
    if (!m_store || !m_document.isModified())
        return false;
    if (m_busy) {
        m_pending = true;
        return false;
    }
    if (!m_snapshot->isComplete()) {
        m_snapshot->prepare();
        m_waitingForText = true;
        return false;
    }
    startWrite();
    return true;
}

void RecoveryWriter::startWrite()
{
    m_busy = true;
    if (m_path.isEmpty())
        m_path = m_store->newCopyPath();
    RecoveryCopy copy = m_describe();
    copy.written = QDateTime::currentDateTimeUtc();
    QString raw = m_snapshot->sharedText();
    m_pool.start([this, shared = m_shared, generation = m_shared->generation, path = m_path,
                  copy = std::move(copy), raw = std::move(raw)]() mutable {
        copy.text = std::move(raw); // any copy of the shared text is made here, off the GUI
        copy.text.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
        const QByteArray bytes = encodeRecoveryCopy(copy);
        copy.text.clear();
        {
            QMutexLocker held(&shared->mutex);
            if (generation == shared->generation)
                writePrivateFile(path, bytes);
        }
        QMetaObject::invokeMethod(this, &RecoveryWriter::written, Qt::QueuedConnection);
    });
}

void RecoveryWriter::written()
{
    m_busy = false;
    if (std::exchange(m_pending, false))
        writeNow();
}

void RecoveryWriter::flush()
{
    m_pool.waitForDone();
    m_busy = false;
    m_pending = false;
    m_waitingForText = false;
    m_quiet.stop();
    m_longest.stop();
    if (m_store && m_document.isModified())
        startWrite();
    m_pool.waitForDone();
}

void RecoveryWriter::remove()
{
    m_quiet.stop();
    m_longest.stop();
    m_pending = false;
    m_waitingForText = false;
    QMutexLocker lock(&m_shared->mutex);
    ++m_shared->generation;
    if (!m_path.isEmpty())
        QFile::remove(m_path);
}

void RecoveryWriter::adopt(const QString &path)
{
    // The ended instance's folder is no longer locked: another Pagewick could claim the copy.
    m_path = m_store ? m_store->adopt(path) : path;
    // It already holds the text: the next write waits for the next change.
    m_quiet.stop();
    m_longest.stop();
}
