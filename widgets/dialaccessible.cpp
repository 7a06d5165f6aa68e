#include "widgets/dialaccessible.h"

#include "widgets/clockdial.h"
#include "widgets/dialitemaccessible.h"
#include "widgets/dialoverlay.h"

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

QList<QAccessibleInterface *> DialAccessible::widgetChildren() const
{
    // The layer the figures are drawn on is paint, not a control.
    QList<QAccessibleInterface *> children;
    for (int i = 0; i < QAccessibleWidget::childCount(); ++i) {
        QAccessibleInterface *child = QAccessibleWidget::child(i);
        if (child && !qobject_cast<DialOverlay *>(child->object()))
            children.append(child);
    }
    return children;
}

int DialAccessible::childCount() const
{
    return int(widgetChildren().size() + dial()->items().size());
}

QAccessibleInterface *DialAccessible::child(int index) const
{
    const QList<QAccessibleInterface *> widgets = widgetChildren();
    return index < widgets.size() ? widgets.value(index) : item(index - int(widgets.size()));
}

int DialAccessible::indexOfChild(const QAccessibleInterface *child) const
{
    const QList<QAccessibleInterface *> widgets = widgetChildren();
    const int at = int(m_items.indexOf(const_cast<QAccessibleInterface *>(child)));
    return at >= 0 ? int(widgets.size()) + at : int(widgets.indexOf(const_cast<QAccessibleInterface *>(child)));
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
