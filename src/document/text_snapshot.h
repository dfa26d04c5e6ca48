#pragma once

#include <QObject>
#include <QString>
#include <QTimer>

class QTextDocument;

// A copy of a document's raw text (one U+2029 per line break, so its indices are document
// positions) that follows the document's changes: after an edit only the changed range is
// copied again, when the text is next read. Repeated searches of a big document thus do not
// copy the whole text each time.
class TextSnapshot : public QObject {
    Q_OBJECT

public:
    // The snapshot that belongs to the document, made on first use.
    static TextSnapshot &of(QTextDocument &document);

    // The document's text as it stands; valid until the next call.
    QStringView text();
    // The same as a string that shares the copy, for handing to another thread: no copy of its
    // own. The copy is copied once more only if the document changes while the string is held.
    QString sharedText();

    // Starts the first copy as a series of short slices while the event loop is idle, so that
    // no read has to copy a big document at once; completed() tells when it is done.
    void prepare();
    bool isComplete() const { return m_copied; }
    // Copies up to chars more characters of a copy under way; true once it is complete.
    bool copyMore(qsizetype chars);

signals:
    void completed();

private:
    explicit TextSnapshot(QTextDocument &document);
    void changed(int from, int removed, int added);
    // While the first copy is under way: the end of the part copied, in document positions.
    qsizetype copiedUpTo() const;

    QTextDocument &m_document;
    QString m_text;
    bool m_copied = false;
    // While the first copy is under way, m_text holds the document's start up to copiedUpTo(),
    // its changes noted as below.
    bool m_building = false;
    QTimer m_slices;
    // When dirty, [m_from, m_oldEnd) of the copy stands for [m_from, m_newEnd) of the document.
    bool m_dirty = false;
    qsizetype m_from = 0;
    qsizetype m_oldEnd = 0;
    qsizetype m_newEnd = 0;
};
