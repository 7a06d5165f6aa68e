#include "app/stepbuttons.h"

#include "app/signbutton.h"

#include <QAction>
#include <QTransform>

using namespace Qt::StringLiterals;

namespace {

// The signs of a media player's buttons, in a square of SignButton::SignUnits:
// a triangle pointing on, and before it a bar for "to the end".
QPainterPath onwards(bool toTheEnd)
{
    QPainterPath sign;
    sign.addPolygon(QPolygonF({{4, 2.5}, {9, 6}, {4, 9.5}, {4, 2.5}}));
    if (toTheEnd)
        sign.addRect(9, 2.5, 1, 7);
    sign.translate(toTheEnd ? -1 : -0.5, 0); // centred
    return sign;
}

QPainterPath back(bool toTheStart)
{
    return QTransform(-1, 0, 0, 1, SignButton::SignUnits, 0).map(onwards(toTheStart));
}

// A button that is `command`: pressed, it triggers it; it is enabled, named
// and explained as the command is.
SignButton *commandButton(const QString &name, const QPainterPath &sign, QAction &command, QWidget *parent)
{
    auto *button = new SignButton(sign, parent);
    button->setObjectName(name);
    // Tab reaches it; a click leaves the keys where they were.
    button->setFocusPolicy(Qt::TabFocus);
    const auto follow = [button, &command] {
        button->setEnabled(command.isEnabled());
        button->setAccessibleName(command.text());
        button->setToolTip(u"%1 (%2)"_s.arg(command.text(), command.shortcut().toString(QKeySequence::NativeText)));
    };
    follow();
    QObject::connect(&command, &QAction::changed, button, follow);
    QObject::connect(button, &SignButton::clicked, &command, &QAction::trigger);
    return button;
}

} // namespace

StepButtons::StepButtons(QAction &first, QAction &previous, QAction &next, QAction &last, QWidget *parent)
    : QWidget(parent)
    , m_buttons{commandButton(u"firstStep"_s, back(true), first, this),
                commandButton(u"previousStep"_s, back(false), previous, this),
                commandButton(u"nextStep"_s, onwards(false), next, this),
                commandButton(u"lastStep"_s, onwards(true), last, this)}
{
}

void StepButtons::resizeEvent(QResizeEvent *)
{
    // Square buttons at both ends and evenly apart between.
    const int side = std::min(height(), int(width() / m_buttons.size()));
    const qsizetype gaps = m_buttons.size() - 1;
    for (qsizetype i = 0; i < m_buttons.size(); ++i)
        m_buttons[i]->setGeometry(int(i * (width() - side) / gaps), 0, side, side);
}
