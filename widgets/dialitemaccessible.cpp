#include "widgets/dialitemaccessible.h"

#include "widgets/clockdial.h"

#include <QWidget>

namespace {

constexpr qreal ItemReach = 30; // user units either side of the item's point

} // namespace

DialItemAccessible::DialItemAccessible(QAccessibleInterface *dial, int index)
    : m_dial(dial)
    , m_index(index)
{
}

ClockDial *DialItemAccessible::clockDial() const
{
    return static_cast<ClockDial *>(m_dial->object());
}

bool DialItemAccessible::isValid() const
{
    return m_dial->isValid() && m_index < clockDial()->items().size();
}

QWindow *DialItemAccessible::window() const
{
    return m_dial->window();
}

QAccessibleInterface *DialItemAccessible::parent() const
{
    return m_dial;
}

QString DialItemAccessible::text(QAccessible::Text t) const
{
    if (!isValid())
        return {};
    switch (t) {
    case QAccessible::Name:
        if (clockDial()->currentItem() == m_index)
            return clockDial()->currentItemText();
        return clockDial()->items().at(m_index).name;
    case QAccessible::Description:
        return clockDial()->itemDescription();
    default:
        return {};
    }
}

QRect DialItemAccessible::rect() const
{
    if (!isValid())
        return {};
    const QPointF at = clockDial()->items().at(m_index).at;
    const QRectF around(at - QPointF(ItemReach, ItemReach), at + QPointF(ItemReach, ItemReach));
    const QRect pixels = clockDial()->transform().mapRect(around).toAlignedRect();
    return QRect(clockDial()->mapToGlobal(pixels.topLeft()), pixels.size());
}

QAccessible::State DialItemAccessible::state() const
{
    QAccessible::State state;
    state.focusable = true;
    state.selectable = true;
    const bool current = isValid() && clockDial()->currentItem() == m_index;
    state.selected = current;
    state.focused = current && clockDial()->hasFocus();
    state.invisible = !clockDial()->isVisible();
    return state;
}
