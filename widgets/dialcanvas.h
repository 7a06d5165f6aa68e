#pragma once

#include <QColor>
#include <QList>
#include <QMap>
#include <QPainterPath>
#include <QPixmap>
#include <QPointF>
#include <QPointer>
#include <QSizeF>
#include <QTransform>
#include <QWidget>

// A drawing surface with a user coordinate system over its inner area, as
// the dial needs: the origin at the top-left corner, x to the right, y
// downward, and as many units across as the scale says. It draws its own
// sunken border, so that the border grows with it and a screen reader sees
// one object, the dial.
//
// One transform maps units to pixels: for painting, for presses and for the
// children (the markers, the numeral), which are placed in units, keep their
// places when the canvas grows, and are clipped at its edge. Sizes are given
// in pixels at the design size and grow in proportion with the canvas.
class DialCanvas : public QWidget
{
    Q_OBJECT

public:
    explicit DialCanvas(QWidget *parent = nullptr);

    // The size the design gives the canvas, its border included: its size
    // hint, and the size at which every width below is drawn as given.
    void setDesignSize(QSize size);
    QSize sizeHint() const override { return m_designSize; }
    // The border's width in pixels at the design size: 0, or 2 for a sunken panel.
    void setBorderWidth(int pixels);
    qreal zoom() const;

    // Until a scale is set, one unit is one pixel.
    float ScaleWidth() const;
    float ScaleHeight() const;
    void setScaleWidth(float units);
    void setScaleHeight(float units);

    // The width, in pixels at the design size, of the dots that PSet draws
    // from now on.
    void setDrawWidth(int pixels) { m_drawWidth = pixels; }
    // A dot of the draw width at (x, y), in the foreground colour.
    void PSet(float x, float y);
    // The dot that covers (x, y), counted in the order they were set; -1 for none.
    int dotAt(QPointF user) const;

    // A drawing over the dial and what lies on it, under its dots, that
    // takes no press: a path in user units drawn with a pen `width` pixels
    // wide at the design size, or a text with its top-left corner at `at`.
    // Figures come in layers, each set on its own and drawn in the order of
    // their numbers, so that two owners can draw on one dial. The marker
    // and the numeral never hide them.
    struct Figure
    {
        QPainterPath path;
        QColor colour;
        qreal width = 1;
        Qt::PenStyle style = Qt::SolidLine;
        QString text;
        QPointF at;
    };
    void setFigures(int layer, const QList<Figure> &figures);
    // The figures, then the dots over them: the dial's top layer.
    void paintFigures(QPainter &painter);

    // What a screen reader finds on the dial: an item for each place a
    // choice can land, its spoken name and its point in user units. The
    // current item (-1: none) is focused with the canvas, so a screen reader
    // says it the moment it becomes current.
    struct Item
    {
        QString name;
        QPointF at;
    };
    void setItems(const QList<Item> &items) { m_items = items; }
    const QList<Item> &items() const { return m_items; }
    int currentItem() const { return m_currentItem; }
    void setCurrentItem(int index);
    // A word every item adds for a screen reader, such as what is asked.
    void setItemDescription(const QString &text) { m_itemDescription = text; }
    const QString &itemDescription() const { return m_itemDescription; }
    // What the current item's name adds while it is current, such as the
    // angle that chose it.
    void setCurrentItemDetail(const QString &text) { m_currentItemDetail = text; }
    const QString &currentItemDetail() const { return m_currentItemDetail; }

    // User units to the canvas's pixels.
    QTransform transform() const;
    QPointF toUser(QPointF pixels) const { return transform().inverted().map(pixels); }

    // Places a child with its top-left corner at `user`, its size `design`
    // pixels at the design size; moves one, keeping its size; measures one.
    void placeChild(QWidget &child, QPointF user, QSize design);
    void moveChild(QWidget &child, QPointF user);
    float widthInUnits(const QWidget &child) const;

signals:
    // A mouse button went down at (x, y), in user units.
    void MouseDown(float x, float y);
    // The keys that choose on a dial: an arrow key, to the next hour
    // clockwise (Right, Down: +1) or counterclockwise (Left, Up: -1), and
    // Space or Enter, to the same hour again.
    void StepKey(int steps);
    void AgainKey();

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;

private:
    struct Dot
    {
        QPointF centre; // user units, so the drawing follows the widget's size
        int width = 1;
    };
    struct Child
    {
        QPointer<QWidget> widget;
        QPointF at; // user units
        QSize design;
    };

    int border() const { return qRound(m_borderWidth * zoom()); }
    QRect inner() const { return rect().adjusted(border(), border(), -border(), -border()); }
    void setScale(QSizeF units);
    void place(const Child &child) const;
    void placeAll();
    void paintBorder(QPainter &painter) const;
    void paintDots(QPainter &painter) const;
    QPixmap figuresPicture();

    QSize m_designSize;
    int m_borderWidth = 0;
    QSizeF m_scale;
    int m_drawWidth = 1;
    QList<Dot> m_dots;
    QMap<int, QList<Figure>> m_figures;
    QPixmap m_figuresPicture; // the figures at the canvas's present size
    QList<Child> m_children;
    QWidget *m_overlay = nullptr;
    QList<Item> m_items;
    int m_currentItem = -1;
    QString m_itemDescription;
    QString m_currentItemDetail;
};
