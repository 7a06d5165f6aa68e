#include "widgets/dialaccessible.h"

#include "widgets/clockdial.h"
#include "widgets/dialitemaccessible.h"

DialAccessible::DialAccessible(ClockDial *dial)
    : QAccessibleWidget(dial, QAccessible::Dial)
{
}

DialAccessible::~DialAccessible()
{
    // The items are registered with Qt, which would otherwise keep them;
    // by id, which is safe where Qt has let go of one already.
    for (const QAccessible::Id id : std::as_const(m_itemIds)) {
        if (id != 0)
            QAccessible::deleteAccessibleInterface(id);
    }
}

QAccessibleInterface *DialAccessible::factory(const QString &className, QObject *object)
{
    if (className == QLatin1String(ClockDial::staticMetaObject.className()) && object && object->isWidgetType())
        return new DialAccessible(static_cast<ClockDial *>(object));
    return nullptr;
}

ClockDial *DialAccessible::dial() const
{
    return static_cast<ClockDial *>(widget());
}

int DialAccessible::childCount() const
{
    // The hours alone: the markers and the numeral are pictures of a
    // choice, not places to choose, and would be counted among them.
    return int(dial()->items().size());
}

QAccessibleInterface *DialAccessible::child(int index) const
{
    return item(index);
}

int DialAccessible::indexOfChild(const QAccessibleInterface *child) const
{
    return int(m_items.indexOf(const_cast<QAccessibleInterface *>(child)));
}

QAccessibleInterface *DialAccessible::focusChild() const
{
    return dial()->hasFocus() ? item(dial()->currentItem()) : nullptr;
}

QString DialAccessible::text(QAccessible::Text t) const
{
    // What the items add is said of the dial too, as the focus comes to it.
    if (t == QAccessible::Description && !dial()->itemDescription().isEmpty())
        return dial()->itemDescription();
    return QAccessibleWidget::text(t);
}

DialItemAccessible *DialAccessible::item(int index) const
{
    if (index < 0 || index >= dial()->items().size())
        return nullptr;
    if (m_items.size() <= index) {
        m_items.resize(index + 1);
        m_itemIds.resize(index + 1);
    }
    if (!m_items[index]) {
        m_items[index] = new DialItemAccessible(const_cast<DialAccessible *>(this), index);
        m_itemIds[index] = QAccessible::registerAccessibleInterface(m_items[index]);
    }
    return m_items[index];
}
