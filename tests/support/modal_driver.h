#pragma once

#include <QPointer>
#include <QString>
#include <QStringList>
#include <QTimer>
#include <QWidget>
#include <deque>
#include <functional>

class QMessageBox;

// Drives modal dialogs as a user would. Queue one handler per dialog you expect, then run the
// command that calls exec(); while it runs, each new modal widget is handed to the next handler.
// A modal widget nobody expected is recorded and rejected, so a test never hangs on it.
class ModalDriver {
public:
    using Handler = std::function<void(QWidget *)>;

    ModalDriver();
    ~ModalDriver();

    ModalDriver &then(Handler handler);
    // Answers the next message box by its button label ("&Ja", "&Nein", "Abbrechen", "OK"),
    // keeping its title and text for checks.
    ModalDriver &answer(const QString &buttonLabel);
    // Chooses a file in the next file dialog, or cancels it when path is empty.
    ModalDriver &chooseFile(const QString &path);

    bool allHandled() const { return m_handlers.empty(); }
    const QStringList &unexpected() const { return m_unexpected; }
    // "title|text" of every message box answered, in order.
    const QStringList &messages() const { return m_messages; }

private:
    void poll();

    QTimer m_timer;
    std::deque<Handler> m_handlers;
    QPointer<QWidget> m_current;
    QStringList m_unexpected;
    QStringList m_messages;
};

// Control helpers for handlers: find by objectName, type, tick, press.
QWidget *findControl(QWidget *dialog, const QString &objectName);
void setControlText(QWidget *dialog, const QString &objectName, const QString &text);
void setControlChecked(QWidget *dialog, const QString &objectName, bool checked);
void pressButton(QWidget *dialog, const QString &objectName);
// Lets queued events run (modal windows closing, deferred deletes).
void processEvents();
// The end of a GUI test: no window of it is still open.
void expectNoWindowLeftOpen();
// The same, after every queued dialog was handled and none came unexpected.
void expectDriverFinished(const ModalDriver &driver);
