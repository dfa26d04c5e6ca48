#pragma once

#include <QString>
#include <exception>

// A failure that ends the running command; the window layer reports it in the error box.
class CommandError : public std::exception {
public:
    explicit CommandError(QString message) : m_message(std::move(message)) {}
    const QString &message() const noexcept { return m_message; }
    const char *what() const noexcept override { return "CommandError"; }

private:
    QString m_message;
};
