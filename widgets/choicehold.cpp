#include "widgets/choicehold.h"

#include "widgets/keyboarduse.h"

#include <QKeyEvent>
#include <QWidget>

namespace {

// The keys that choose, step from hour to hour or answer, and any that
// types (a list goes to the row it names).
bool choosingKey(const QKeyEvent &key)
{
    return KeyboardUse::movesOrChooses(key.key()) || (!key.text().isEmpty() && key.text().at(0).isPrint());
}

} // namespace

ChoiceHold::ChoiceHold(QObject *parent)
    : QObject(parent)
{
}

void ChoiceHold::watch(QWidget &control)
{
    control.installEventFilter(this);
}

void ChoiceHold::setHeld(bool held)
{
    m_held = held;
}

bool ChoiceHold::eventFilter(QObject *watched, QEvent *event)
{
    if (!m_held)
        return false;
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
        return true;
    case QEvent::KeyPress:
        return choosingKey(*static_cast<QKeyEvent *>(event));
    default:
        return QObject::eventFilter(watched, event);
    }
}
