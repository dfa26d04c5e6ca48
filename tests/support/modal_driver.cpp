#include "support/modal_driver.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPointer>
#include <QProgressDialog>
#include <QScopeGuard>
#include <QTest>
#include <QThread>
#include <QTimer>
#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>
#include <list>

namespace {

// A dialog that shows no change for this long while events run is stuck: no handler is coming
// for it. Far above any step of a test, far below CTest's time limit.
constexpr int StuckAfterMs = 5000;
constexpr int ActivationWaitMs = 200;

QString describe(const QWidget *dialog)
{
    QString what = QString::fromLatin1(dialog->metaObject()->className()) + QLatin1Char(' ') +
                   dialog->objectName() + QStringLiteral(" \"") + dialog->windowTitle() +
                   QLatin1Char('"');
    if (auto *box = qobject_cast<const QMessageBox *>(dialog))
        what += QStringLiteral(": ") + box->text();
    return what;
}

// Runs a step and passes on what it reports; the number of failures among it.
int failuresOf(const std::function<void()> &step)
{
    int failed = 0;
    for (const testing::TestPartResult &result : caughtResults(step)) {
        failed += result.failed();
        GTEST_MESSAGE_AT_(result.file_name() ? result.file_name() : "", result.line_number(),
                          result.message(), result.type());
    }
    return failed;
}

// A progress box closes by itself when its work is done; it asks nothing.
bool asksTheUser(const QWidget *widget)
{
    return widget && !qobject_cast<const QProgressDialog *>(widget);
}

} // namespace

// Sees every modal dialog open (its show event) and hands it to the newest driver with a
// handler left; see the header for the rules.
class ModalWatch : public QObject {
public:
    static ModalWatch &instance()
    {
        static ModalWatch *watch = new ModalWatch(qApp);
        return *watch;
    }

    std::vector<ModalDriver *> drivers;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Show && watched->isWidgetType()) {
            auto *widget = static_cast<QWidget *>(watched);
            if (widget->isWindow() && widget->isModal() && asksTheUser(widget)) {
                // Handled once its own event loop runs.
                QMetaObject::invokeMethod(
                    this, [this, dialog = QPointer<QWidget>(widget)] { opened(dialog); },
                    Qt::QueuedConnection);
            }
        }
        return false;
    }

private:
    struct Opening {
        QPointer<QWidget> dialog;
        int loopLevel = 0;    // of the dialog's own event loop
        bool covered = false; // another dialog opened over it
        bool waiting = true;  // for its first step, until it is the active window
        bool busy = false;    // its handler is running
        QElapsedTimer since;
    };

    explicit ModalWatch(QObject *parent) : QObject(parent)
    {
        qApp->installEventFilter(this);
        m_timer.setInterval(5);
        connect(&m_timer, &QTimer::timeout, this, [this] { check(); });
        m_timer.start();
        m_lastChange.start();
    }

    void opened(const QPointer<QWidget> &dialog)
    {
        if (!dialog || !dialog->isVisible())
            return;
        forgetClosed();
        for (Opening &below : m_openings)
            below.covered = true;
        Opening &opening = m_openings.emplace_back();
        opening.dialog = dialog;
        opening.loopLevel = QThread::currentThread()->loopLevel();
        opening.since.start();
        check();
    }

    // Runs outside the timer's slot: a timer never fires again while its slot runs, and the
    // handler may open a dialog that must still be watched.
    void stepLater(Opening &opening)
    {
        opening.waiting = false;
        opening.busy = true;
        QMetaObject::invokeMethod(
            this, [this, &opening] { step(opening); }, Qt::QueuedConnection);
    }

    void step(Opening &opening)
    {
        const QPointer<QWidget> dialog = opening.dialog;
        m_lastChange.restart();
        const auto done = qScopeGuard([&] {
            opening.busy = false;
            m_lastChange.restart();
        });
        if (!dialog || !dialog->isVisible())
            return;
        const ModalDriver::Handler handler = nextHandler();
        if (!handler)
            close(dialog, QStringLiteral("unexpected"));
        // A handler that failed may have stopped before closing its dialog.
        else if (failuresOf([&] { handler(dialog); }) > 0 && dialog && dialog->isVisible())
            close(dialog, QStringLiteral("left open by a failing step"));
    }

    ModalDriver::Handler nextHandler()
    {
        for (auto driver = drivers.rbegin(); driver != drivers.rend(); ++driver) {
            if (!(*driver)->m_handlers.empty()) {
                ModalDriver::Handler handler = std::move((*driver)->m_handlers.front());
                (*driver)->m_handlers.pop_front();
                return handler;
            }
        }
        for (auto driver = drivers.rbegin(); driver != drivers.rend(); ++driver) {
            if ((*driver)->m_otherwise)
                return (*driver)->m_otherwise;
        }
        return {};
    }

    void check()
    {
        forgetClosed();
        QWidget *active = QApplication::activeModalWidget();
        if (!m_openings.empty() && !m_openings.back().busy) {
            Opening &top = m_openings.back();
            if (top.covered && top.dialog == active &&
                QThread::currentThread()->loopLevel() == top.loopLevel) {
                top.covered = false;
                stepLater(top);
                return;
            }
            // A user acts on the window that has the focus; a platform that activates no
            // window is not waited for long.
            if (top.waiting &&
                (top.dialog->isActiveWindow() || top.since.hasExpired(ActivationWaitMs))) {
                stepLater(top);
                return;
            }
        }
        if (active != m_active || !asksTheUser(active)) {
            m_active = active;
            m_lastChange.restart();
        } else if (active && m_lastChange.hasExpired(StuckAfterMs)) {
            close(active, QStringLiteral("still open with nothing left to do"));
        }
    }

    void forgetClosed()
    {
        // One whose handler runs stays: step() still refers to it.
        std::erase_if(m_openings, [](const Opening &opening) {
            return !opening.busy && (!opening.dialog || !opening.dialog->isVisible());
        });
    }

    void close(QWidget *dialog, const QString &why)
    {
        ADD_FAILURE() << "Modal dialog " << why.toStdString() << ": "
                      << describe(dialog).toStdString();
        if (auto *box = qobject_cast<QDialog *>(dialog))
            box->reject();
        else
            dialog->close();
        m_lastChange.restart();
    }

    QTimer m_timer;
    std::list<Opening> m_openings; // a busy one stays in place, so step() may refer to it
    QPointer<QWidget> m_active;
    QElapsedTimer m_lastChange;
};

std::vector<testing::TestPartResult> caughtResults(const std::function<void()> &step)
{
    testing::TestPartResultArray results;
    {
        const testing::ScopedFakeTestPartResultReporter catcher(
            testing::ScopedFakeTestPartResultReporter::INTERCEPT_ONLY_CURRENT_THREAD, &results);
        step();
    }
    std::vector<testing::TestPartResult> caught;
    for (int i = 0; i < results.size(); ++i)
        caught.push_back(results.GetTestPartResult(i));
    return caught;
}

void installModalWatch()
{
    ModalWatch::instance();
}

ModalDriver::ModalDriver()
{
    ModalWatch::instance().drivers.push_back(this);
}

ModalDriver::~ModalDriver()
{
    std::erase(ModalWatch::instance().drivers, this);
    EXPECT_TRUE(m_handlers.empty()) << m_handlers.size() << " expected dialog(s) never opened";
}

ModalDriver &ModalDriver::then(Handler handler)
{
    m_handlers.push_back(std::move(handler));
    return *this;
}

ModalDriver &ModalDriver::otherwise(Handler handler)
{
    m_otherwise = std::move(handler);
    return *this;
}

ModalDriver &ModalDriver::answer(const QString &buttonLabel)
{
    return then([this, buttonLabel](QWidget *widget) {
        auto *box = qobject_cast<QMessageBox *>(widget);
        ASSERT_NE(box, nullptr) << "expected a message box, got "
                                << widget->metaObject()->className();
        m_messages.append(box->windowTitle() + QLatin1Char('|') + box->text());
        for (QAbstractButton *button : box->buttons()) {
            if (button->text() == buttonLabel) {
                button->click();
                return;
            }
        }
        ADD_FAILURE() << "no button " << buttonLabel.toStdString();
        box->reject();
    });
}

ModalDriver &ModalDriver::press(const QString &button)
{
    return then([button](QWidget *dialog) { pressButton(dialog, button); });
}

ModalDriver &ModalDriver::chooseFile(const QString &path, const QString &title)
{
    return then([path, title](QWidget *widget) {
        auto *dialog = qobject_cast<QFileDialog *>(widget);
        ASSERT_NE(dialog, nullptr) << "expected a file dialog";
        EXPECT_TRUE(title.isEmpty() || dialog->windowTitle() == title)
            << dialog->windowTitle().toStdString();
        if (path.isEmpty()) {
            dialog->reject();
            return;
        }
        // Typed into the name box, as a user would; selectFile() skips a focused box.
        auto *name = dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
        ASSERT_NE(name, nullptr);
        name->setText(path);
        QMetaObject::invokeMethod(dialog, "accept");
    });
}

QWidget *findControl(QWidget *dialog, const QString &objectName)
{
    auto *control = dialog->findChild<QWidget *>(objectName);
    EXPECT_NE(control, nullptr) << "no control " << objectName.toStdString();
    return control;
}

void setControlText(QWidget *dialog, const QString &objectName, const QString &text)
{
    QWidget *control = findControl(dialog, objectName);
    // A combo box that takes free text is typed into like an edit box.
    if (auto *combo = qobject_cast<QComboBox *>(control); combo && combo->isEditable())
        control = combo->lineEdit();
    if (auto *memo = qobject_cast<QPlainTextEdit *>(control)) {
        memo->selectAll();
        memo->insertPlainText(text); // as pasted: line breaks included
    } else if (auto *edit = qobject_cast<QLineEdit *>(control)) {
        // Typed over the selected text, as a user does: the box is never empty on the way unless
        // the new text is.
        edit->selectAll();
        if (text.isEmpty())
            edit->del();
        // One key per character, so a pair of UTF-16 units is typed as one, as a keyboard does.
        for (const char32_t c : text.toUcs4()) {
            const QString typed = QString::fromUcs4(&c, 1);
            QTest::sendKeyEvent(QTest::Click, edit, Qt::Key_unknown, typed, Qt::NoModifier);
        }
    } else {
        ADD_FAILURE() << objectName.toStdString() << " takes no text";
    }
}

void setControlChecked(QWidget *dialog, const QString &objectName, bool checked)
{
    auto *button = qobject_cast<QAbstractButton *>(findControl(dialog, objectName));
    ASSERT_NE(button, nullptr);
    // On the box itself: a check box across a wide row takes no click in the blank beyond its
    // caption.
    if (button->isChecked() != checked)
        QTest::mouseClick(button, Qt::LeftButton, {},
                          QPoint(button->height() / 2, button->height() / 2));
}

void pressButton(QWidget *dialog, const QString &objectName)
{
    auto *button = qobject_cast<QAbstractButton *>(findControl(dialog, objectName));
    ASSERT_NE(button, nullptr);
    QTest::mouseClick(button, Qt::LeftButton);
}

void processEvents()
{
    for (int i = 0; i < 3; ++i) {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCoreApplication::processEvents();
    }
}

void expectNoWindowLeftOpen()
{
    processEvents();
    for (QWidget *window : QApplication::topLevelWidgets())
        EXPECT_FALSE(window->isVisible()) << window->metaObject()->className();
}

void expectDriverFinished(const ModalDriver &driver)
{
    expectNoWindowLeftOpen();
    EXPECT_TRUE(driver.allHandled());
}
