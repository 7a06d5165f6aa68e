#include "widgets/dialoverlay.h"

#include "widgets/clockdial.h"

#include <QPaintEvent>
#include <QPainter>

DialOverlay::DialOverlay(ClockDial *dial)
    : QWidget(dial)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
}

void DialOverlay::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    static_cast<ClockDial *>(parentWidget())->paintFigures(painter, event->rect());
}
