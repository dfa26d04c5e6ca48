#pragma once

#include <QAccessibleWidget>

class TExplorerButton;

// What assistive tools see of a flat button: its own enabled flag and latch, and a press that
// goes the way a mouse click does, so a disabled button cannot be pressed from there either.
class ExplorerButtonAccessible : public QAccessibleWidget {
public:
    explicit ExplorerButtonAccessible(TExplorerButton *button);

    QAccessible::State state() const override;
    QStringList actionNames() const override;
    void doAction(const QString &actionName) override;

    // The factory Qt asks for the interface of each object.
    static QAccessibleInterface *create(const QString &className, QObject *object);

private:
    TExplorerButton *button() const;
};
