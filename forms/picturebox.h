#pragma once

#include <QColor>
#include <QFrame>
#include <QList>
#include <QPointF>

namespace forms {

// A drawing surface with a user coordinate system over its inner area.
//
// Until a scale is set, the inner area is measured in twips. Setting
// ScaleWidth or ScaleHeight switches to user units with the origin kept at
// the top-left corner. Points set with PSet are retained and painted again
// on every repaint, at the screen's own resolution. Children (pictures,
// labels) live in clientArea(), which clips them at the border, and are
// placed in user units too.
class PictureBox : public QFrame
{
    Q_OBJECT

public:
    explicit PictureBox(QWidget *parent = nullptr);

    // The inner area, inside the border: the parent of the box's children.
    QWidget *clientArea() const { return m_client; }

    float ScaleWidth() const;
    float ScaleHeight() const;
    void setScaleWidth(float width);
    void setScaleHeight(float height);

    int DrawWidth() const { return m_drawWidth; }
    void setDrawWidth(int pixels);

    // A dot of DrawWidth pixels across at (x, y), in the foreground colour.
    void PSet(float x, float y);

    // User units to logical pixels of the client area and back.
    QPointF toPixels(QPointF user) const;
    QPointF toUser(QPointF pixels) const;

    // Placing and measuring a child in user units.
    void setChildLeft(QWidget &child, float left) const;
    void setChildTop(QWidget &child, float top) const;
    float childWidth(const QWidget &child) const;

signals:
    // button: 1 left, 2 right, 4 middle (0 any other); shift: 1 Shift,
    // 2 Ctrl, 4 Alt; x and y in user units.
    void MouseDown(qint16 button, qint16 shift, float x, float y);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;

private:
    QSizeF innerSize() const;
    void paintDots();

    // What PSet drew, painted again on every repaint.
    struct Dot
    {
        QPointF centre; // logical pixels of the client area
        int width = 1;
        QColor colour;
    };

    QWidget *m_client = nullptr;
    std::optional<float> m_scaleWidth;
    std::optional<float> m_scaleHeight;
    int m_drawWidth = 1;
    QList<Dot> m_dots;
};

} // namespace forms
