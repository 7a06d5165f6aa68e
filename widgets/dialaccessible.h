#pragma once

#include <QAccessibleWidget>
#include <QList>

class ClockDial;
class DialItemAccessible;

// The dial as a screen reader finds it: the control it is, holding one
// item for each place a choice can land. Each choice focuses its item, so a screen reader says the item
// the moment it is chosen, as it says the row a list moves to.
class DialAccessible : public QAccessibleWidget
{
public:
    explicit DialAccessible(ClockDial *dial);
    ~DialAccessible() override;

    // Made by Qt for every ClockDial; install once, before a dial is made.
    static QAccessibleInterface *factory(const QString &className, QObject *object);

    int childCount() const override;
    QAccessibleInterface *child(int index) const override;
    int indexOfChild(const QAccessibleInterface *child) const override;
    QAccessibleInterface *focusChild() const override;
    QString text(QAccessible::Text t) const override;

private:
    // The item at `index` of the dial's items, made when first asked for.
    DialItemAccessible *item(int index) const;
    ClockDial *dial() const;

    mutable QList<DialItemAccessible *> m_items;
    mutable QList<QAccessible::Id> m_itemIds; // as Qt registered them
};
