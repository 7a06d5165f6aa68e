#pragma once

#include <QProxyStyle>

// The application's style with every size it gives in pixels (scroll bars,
// frames, the focus frame's margins, icons) multiplied by a zoom, so that a
// window drawn larger for a projector keeps its proportions.
class ZoomStyle : public QProxyStyle
{
    Q_OBJECT

public:
    explicit ZoomStyle(QObject *parent = nullptr);

    qreal zoom() const { return m_zoom; }
    void setZoom(qreal zoom) { m_zoom = zoom; }

    // Gives `widget` and everything in it this style, and makes them measure
    // again after a change of zoom.
    void apply(QWidget &widget);

    int pixelMetric(PixelMetric metric, const QStyleOption *option = nullptr,
                    const QWidget *widget = nullptr) const override;

private:
    qreal m_zoom = 1;
};
