#include "widgets/checkmenuitemaccessible.h"

#include <QAction>
#include <QMenu>

CheckMenuItemAccessible::CheckMenuItemAccessible(QMenu *menu, QAction *action)
    : m_menu(menu)
    , m_action(action)
{
}

QAccessibleInterface *CheckMenuItemAccessible::factory(const QString &className, QObject *object)
{
    auto *action = qobject_cast<QAction *>(object);
    if (className != QLatin1String(QAction::staticMetaObject.className()) || !action || !action->isCheckable())
        return nullptr;
    // The menu that shows it now: each menu is made as it opens.
    QMenu *shownIn = nullptr;
    for (QObject *user : action->associatedObjects()) {
        if (auto *menu = qobject_cast<QMenu *>(user); menu && (!shownIn || menu->isVisible()))
            shownIn = menu;
    }
    return shownIn ? new CheckMenuItemAccessible(shownIn, action) : nullptr;
}

bool CheckMenuItemAccessible::isValid() const
{
    return m_menu && m_action;
}

QObject *CheckMenuItemAccessible::object() const
{
    return m_action;
}

QWindow *CheckMenuItemAccessible::window() const
{
    return m_menu ? m_menu->windowHandle() : nullptr;
}

QAccessibleInterface *CheckMenuItemAccessible::parent() const
{
    return QAccessible::queryAccessibleInterface(m_menu.data());
}

QString CheckMenuItemAccessible::text(QAccessible::Text t) const
{
    if (!isValid())
        return {};
    switch (t) {
    case QAccessible::Name: {
        const QString name = m_action->text().remove(QLatin1Char('&')); // without the mnemonic's mark
        return m_action->isChecked() ? name : name + QStringLiteral(", без отметка");
    }
    case QAccessible::Accelerator:
        return m_action->shortcut().toString(QKeySequence::NativeText);
    default:
        return {};
    }
}

QRect CheckMenuItemAccessible::rect() const
{
    if (!isValid())
        return {};
    const QRect inMenu = m_menu->actionGeometry(m_action);
    return QRect(m_menu->mapToGlobal(inMenu.topLeft()), inMenu.size());
}

QAccessible::State CheckMenuItemAccessible::state() const
{
    QAccessible::State state;
    if (!isValid()) {
        state.invisible = true;
        return state;
    }
    state.focusable = true;
    state.checkable = true;
    state.checked = m_action->isChecked();
    state.focused = m_menu->activeAction() == m_action;
    state.disabled = !m_action->isEnabled();
    state.invisible = !m_action->isVisible() || !m_menu->isVisible();
    return state;
}

void *CheckMenuItemAccessible::interface_cast(QAccessible::InterfaceType type)
{
    return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface *>(this) : nullptr;
}

QStringList CheckMenuItemAccessible::actionNames() const
{
    return isValid() && m_action->isEnabled() ? QStringList{toggleAction()} : QStringList{};
}

void CheckMenuItemAccessible::doAction(const QString &actionName)
{
    // As a click on the item: the command toggles and the menu closes.
    if (isValid() && m_action->isEnabled() && actionName == toggleAction()) {
        m_action->trigger();
        m_menu->close();
    }
}

QStringList CheckMenuItemAccessible::keyBindingsForAction(const QString &) const
{
    return {};
}
