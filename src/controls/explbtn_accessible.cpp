#include "controls/explbtn_accessible.h"

#include "controls/explbtn.h"

ExplorerButtonAccessible::ExplorerButtonAccessible(TExplorerButton *button)
    : QAccessibleWidget(button, QAccessible::Button)
{
}

TExplorerButton *ExplorerButtonAccessible::button() const
{
    return static_cast<TExplorerButton *>(widget());
}

QAccessible::State ExplorerButtonAccessible::state() const
{
    QAccessible::State state = QAccessibleWidget::state();
    state.disabled = !button()->Enabled();
    state.pressed = button()->Down();
    state.checkable = button()->GroupIndex() != 0;
    state.checked = button()->Down();
    return state;
}

QStringList ExplorerButtonAccessible::actionNames() const
{
    return button()->Enabled() ? QStringList{pressAction()} : QStringList{};
}

void ExplorerButtonAccessible::doAction(const QString &actionName)
{
    if (actionName == pressAction())
        button()->Press();
}

QAccessibleInterface *ExplorerButtonAccessible::create(const QString &className, QObject *object)
{
    if (className == QLatin1String(TExplorerButton::staticMetaObject.className()))
        return new ExplorerButtonAccessible(static_cast<TExplorerButton *>(object));
    return nullptr;
}
