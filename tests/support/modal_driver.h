#pragma once

#include <QString>
#include <QStringList>
#include <deque>
#include <functional>
#include <gtest/gtest.h>
#include <vector>

class QWidget;

// Drives modal dialogs as a user would. Queue one handler per dialog you expect, then run the
// command that calls exec(); each dialog as it opens is handed to the next handler of the newest
// driver that still holds one. A dialog that a box opened over comes back as a step of its own
// once its event loop runs again with it on top (a refused OK keeps it open). A driver that ends
// with a handler left fails the test: its dialog never came.
//
// Every GUI test runs under the modal watch (installModalWatch, called by the test main): a
// modal dialog that no handler takes, one that a failing handler leaves open, and one that
// stays open with nothing happening are each closed and fail the test with their text, so a
// test fails fast instead of hanging.
class ModalDriver {
public:
    using Handler = std::function<void(QWidget *)>;

    ModalDriver();
    ~ModalDriver();
    ModalDriver(const ModalDriver &) = delete;
    ModalDriver &operator=(const ModalDriver &) = delete;

    ModalDriver &then(Handler handler);
    // Answers the next message box by its button label ("&Ja", "&Nein", "Abbrechen", "OK"),
    // keeping its title and text for checks.
    ModalDriver &answer(const QString &buttonLabel);
    // Presses a button of the next dialog by its objectName.
    ModalDriver &press(const QString &button);
    // Chooses a file in the next file dialog, or cancels it when path is empty; checks the
    // dialog's title when one is given.
    ModalDriver &chooseFile(const QString &path, const QString &title = {});

    // Takes every dialog that no queued handler takes (for walks through many commands whose
    // dialogs are not known one by one).
    ModalDriver &otherwise(Handler handler);

    bool allHandled() const { return m_handlers.empty(); }
    // "title|text" of every message box answered, in order.
    const QStringList &messages() const { return m_messages; }

private:
    friend class ModalWatch;

    std::deque<Handler> m_handlers;
    Handler m_otherwise;
    QStringList m_messages;
};

// Starts watching modal dialogs; call once the application object exists.
void installModalWatch();

// Control helpers for handlers: find by objectName, type, tick, press.
QWidget *findControl(QWidget *dialog, const QString &objectName);
// Types text into an edit box or the edit of a combo box; pastes it into a memo.
void setControlText(QWidget *dialog, const QString &objectName, const QString &text);
void setControlChecked(QWidget *dialog, const QString &objectName, bool checked);
void pressButton(QWidget *dialog, const QString &objectName);
// Runs a step and catches what it reports, so that its failures do not fail the test.
std::vector<testing::TestPartResult> caughtResults(const std::function<void()> &step);
// Lets queued events run (modal windows closing, deferred deletes).
void processEvents();
// The end of a GUI test: no window of it is still open.
void expectNoWindowLeftOpen();
// The same, after every queued dialog was handled.
void expectDriverFinished(const ModalDriver &driver);
