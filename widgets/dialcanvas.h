#pragma once

#include <QList>
#include <QPointF>
#include <QSizeF>
#include <QWidget>

// A drawing surface with a user coordinate system over its whole area, as
// the dial needs: the origin at the top-left corner, x to the right, y
// downward, and as many units across as the scale says.
//
// Points set with PSet are kept and painted on every repaint at the
// screen's own resolution, their widths multiplied by the zoom. Children
// (the markers, the numeral) are placed in user units, stay there when the
// canvas is resized, and are clipped at its edge. A press anywhere on it is
// reported in user units.
class DialCanvas : public QWidget
{
    Q_OBJECT

public:
    explicit DialCanvas(QWidget *parent = nullptr);

    // Until a scale is set, one unit is one pixel.
    float ScaleWidth() const { return m_scale.width() > 0 ? float(m_scale.width()) : float(width()); }
    float ScaleHeight() const { return m_scale.height() > 0 ? float(m_scale.height()) : float(height()); }
    void setScaleWidth(float units) { m_scale = QSizeF(units, ScaleHeight()); }
    void setScaleHeight(float units) { m_scale = QSizeF(ScaleWidth(), units); }

    // The width, in pixels at 100 %, of the dots that PSet draws from now on.
    void setDrawWidth(int pixels) { m_drawWidth = pixels; }
    void setZoom(qreal zoom);
    // A dot of the draw width at (x, y), in the foreground colour.
    void PSet(float x, float y);

    // User units to pixels and back.
    QPointF toPixels(QPointF user) const;
    QPointF toUser(QPointF pixels) const;

    // Places a child with its top-left corner at `user`, and measures one.
    void moveChild(QWidget &child, QPointF user) const;
    float widthInUnits(const QWidget &child) const;

signals:
    // A mouse button went down at (x, y), in user units.
    void MouseDown(float x, float y);

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;

private:
    struct Dot
    {
        QPointF centre; // user units, so the drawing follows the widget's size
        int width = 1;
    };

    QSizeF m_scale;
    int m_drawWidth = 1;
    qreal m_zoom = 1;
    QList<Dot> m_dots;
};
