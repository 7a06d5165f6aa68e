#include "widgets/dialoverlay.h"

#include "widgets/dialcanvas.h"

#include <QPainter>

DialOverlay::DialOverlay(DialCanvas *dial)
    : QWidget(dial)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
}

void DialOverlay::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    static_cast<DialCanvas *>(parentWidget())->paintFigures(painter);
}
