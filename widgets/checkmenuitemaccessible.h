#pragma once

#include <QAccessibleActionInterface>
#include <QAccessibleInterface>
#include <QPointer>

class QAction;
class QMenu;

// A command that is on or off (the teacher's view, practice), as a screen
// reader finds it in a menu: told ticked or not, both ways. Qt's own menu
// item tells only the tick, and an unticked command as a plain one: its
// screen reader bridge has no word for a checkable item. So an unticked one
// says so in its name, and a ticked one has the state the screen reader says.
class CheckMenuItemAccessible : public QAccessibleInterface, public QAccessibleActionInterface
{
public:
    CheckMenuItemAccessible(QMenu *menu, QAction *action);
    Q_DISABLE_COPY(CheckMenuItemAccessible)

    // Made by Qt for each checkable action a menu shows; install once.
    static QAccessibleInterface *factory(const QString &className, QObject *object);

    bool isValid() const override;
    QObject *object() const override;
    QWindow *window() const override;
    QAccessibleInterface *childAt(int, int) const override { return nullptr; }
    QAccessibleInterface *parent() const override;
    QAccessibleInterface *child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface *) const override { return -1; }
    QString text(QAccessible::Text t) const override;
    void setText(QAccessible::Text, const QString &) override {}
    QRect rect() const override;
    QAccessible::Role role() const override { return QAccessible::MenuItem; }
    QAccessible::State state() const override;
    void *interface_cast(QAccessible::InterfaceType type) override;

    QStringList actionNames() const override;
    void doAction(const QString &actionName) override;
    QStringList keyBindingsForAction(const QString &actionName) const override;

private:
    QPointer<QMenu> m_menu;
    QPointer<QAction> m_action;
};
