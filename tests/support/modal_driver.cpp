#include "support/modal_driver.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QTest>
#include <gtest/gtest.h>

ModalDriver::ModalDriver()
{
    m_timer.setInterval(5);
    QObject::connect(&m_timer, &QTimer::timeout, [this] { poll(); });
    m_timer.start();
}

ModalDriver::~ModalDriver()
{
    m_timer.stop();
}

ModalDriver &ModalDriver::then(Handler handler)
{
    m_handlers.push_back(std::move(handler));
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

ModalDriver &ModalDriver::chooseFile(const QString &path)
{
    return then([path](QWidget *widget) {
        auto *dialog = qobject_cast<QFileDialog *>(widget);
        ASSERT_NE(dialog, nullptr) << "expected a file dialog";
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

void ModalDriver::poll()
{
    QWidget *modal = QApplication::activeModalWidget();
    if (!modal || modal == m_current)
        return;
    m_current = modal;
    // A dialog kept by its owner opens again as the same widget: forget it once it closes.
    if (auto *dialog = qobject_cast<QDialog *>(modal)) {
        QObject::connect(
            dialog, &QDialog::finished, dialog,
            [this, dialog] {
                if (m_current == dialog)
                    m_current = nullptr;
            },
            Qt::SingleShotConnection);
    }
    if (m_handlers.empty()) {
        QString what = QString::fromLatin1(modal->metaObject()->className());
        if (auto *box = qobject_cast<QMessageBox *>(modal))
            what += QLatin1Char(' ') + box->text();
        m_unexpected.append(what);
        QMetaObject::invokeMethod(modal, "reject", Qt::QueuedConnection);
        return;
    }
    // Run the handler outside the timer: a dialog it opens must still be polled, and a timer
    // is never re-entered while its own slot runs.
    auto handler = std::make_shared<Handler>(std::move(m_handlers.front()));
    m_handlers.pop_front();
    QPointer<QWidget> target(modal);
    QMetaObject::invokeMethod(
        &m_timer,
        [handler, target] {
            if (target)
                (*handler)(target);
        },
        Qt::QueuedConnection);
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
    if (auto *edit = qobject_cast<QLineEdit *>(control)) {
        edit->selectAll();
        edit->del();
        // One key per character, so a pair of UTF-16 units is typed as one, as a keyboard does.
        for (const char32_t c : text.toUcs4()) {
            const QString typed = QString::fromUcs4(&c, 1);
            QTest::sendKeyEvent(QTest::Click, edit, Qt::Key_unknown, typed, Qt::NoModifier);
        }
    } else if (auto *memo = qobject_cast<QPlainTextEdit *>(control)) {
        memo->setPlainText(text);
    } else {
        ADD_FAILURE() << objectName.toStdString() << " takes no text";
    }
}

void setControlChecked(QWidget *dialog, const QString &objectName, bool checked)
{
    auto *button = qobject_cast<QAbstractButton *>(findControl(dialog, objectName));
    ASSERT_NE(button, nullptr);
    if (button->isChecked() != checked)
        QTest::mouseClick(button, Qt::LeftButton);
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
    processEvents();
    EXPECT_TRUE(driver.allHandled());
    EXPECT_EQ(driver.unexpected(), QStringList());
    expectNoWindowLeftOpen();
}
