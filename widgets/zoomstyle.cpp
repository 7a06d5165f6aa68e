#include "widgets/zoomstyle.h"

#include <QApplication>
#include <QWidget>

ZoomStyle::ZoomStyle(QObject *parent)
    : QProxyStyle(QApplication::style()->name())
{
    setParent(parent);
}

void ZoomStyle::apply(QWidget &widget)
{
    QList<QWidget *> widgets = widget.findChildren<QWidget *>();
    widgets.prepend(&widget);
    for (QWidget *each : std::as_const(widgets)) {
        if (each->style() != this) {
            each->setStyle(this);
        } else {
            QEvent changed(QEvent::StyleChange);
            QApplication::sendEvent(each, &changed);
        }
    }
}

int ZoomStyle::pixelMetric(PixelMetric metric, const QStyleOption *option, const QWidget *widget) const
{
    const int pixels = QProxyStyle::pixelMetric(metric, option, widget);
    // Negative values are not sizes but "ask elsewhere".
    return pixels > 0 ? qRound(pixels * m_zoom) : pixels;
}
