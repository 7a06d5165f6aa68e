#pragma once

#include "dial/highlightcycle.h"
#include "dial/numbertext.h"

#include <QColor>
#include <QIcon>
#include <QList>
#include <QMap>
#include <QPainterPath>
#include <QImage>
#include <QPixmap>
#include <QPointF>
#include <QTransform>
#include <QWidget>

#include <array>

class QLabel;
class QTimer;

// The clock face: a centre dot and twelve hour points, 1000 x 1000 dial
// units inside a sunken border. An hour is chosen by a press in its
// direction, by the keys, or from elsewhere (the hour list); the dial then
// shows that hour's marker and numeral for 1.3 s and tells what happened.
// Modes (the teacher's view, practice) listen to it and draw on its layers.
//
// One transform maps dial units to pixels: for painting, for presses and
// for the markers and the numeral, which keep their places as it grows.
class ClockDial : public QWidget
{
    Q_OBJECT

public:
    // What is drawn over the dial, in this order, each layer by its owner.
    enum class Layer { TeacherView, Construction, Practice };

    // A path in dial units drawn with a pen `width` pixels wide at 100 %,
    // or a text with its top-left corner at `at`.
    struct Figure
    {
        QPainterPath path;
        QColor colour;
        qreal width = 1;
        Qt::PenStyle style = Qt::SolidLine;
        QString text;
        QPointF at;
    };

    // A place a choice can land, as a screen reader finds it.
    struct Item
    {
        QString name;
        QPointF at;
    };

    // `design` is the dial's size at 100 %, its border included.
    explicit ClockDial(QSize design, QWidget *parent = nullptr);

    QSize sizeHint() const override { return m_designSize; }
    qreal zoom() const;
    // Dial units to the dial's pixels.
    QTransform transform() const;

    // What makes the marker's picture, when a marker first shows; it is
    // drawn anew at each zoom.
    void setMarkerPicture(QIcon (*make)());
    // The figures of one layer; none clears it. They are drawn once into a
    // picture kept for the dial's size.
    void setFigures(Layer layer, const QList<Figure> &figures);
    // More figures on one layer, over all there are (a stroke drawn in).
    void addFigures(Layer layer, const QList<Figure> &figures);
    // While set, a press on the centre dot chooses nothing: it points nowhere.
    void setCentrePressIgnored(bool ignored) { m_centrePressIgnored = ignored; }

    const dial::HighlightCycle &highlight() const { return m_highlight; }

    // For a screen reader: the twelve hours, the one chosen last (-1: none),
    // a word every hour adds (what is asked), and what the chosen hour's
    // name adds (the angle that chose it).
    const QList<Item> &items() const { return m_items; }
    int currentItem() const { return m_currentItem; }
    void setItemDescription(const QString &text) { m_itemDescription = text; }
    const QString &itemDescription() const { return m_itemDescription; }
    void setCurrentItemDetail(const QString &text) { m_currentItemDetail = text; }
    // The chosen hour as a screen reader says it: its name, then the detail.
    QString currentItemText() const;

    // The figures within `area`, then the dots over them: the dial's top layer.
    void paintFigures(QPainter &painter, QRect area);

public slots:
    // `hour` chosen elsewhere, in its point's direction; `answers` unless
    // it was only passed over.
    void chooseHour(int hour, bool answers);

signals:
    // An hour was chosen in the direction `degrees`, before it is shown.
    void hourChosen(int hour, double degrees, bool answers);
    // The chosen hour's marker and numeral are hidden again.
    void highlightEnded();

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
        QPointF centre; // dial units
        int width = 1;  // pixels at 100 %
    };
    // A marker or the numeral, placed in dial units, its size in pixels at 100 %.
    struct Child
    {
        QWidget *widget = nullptr;
        QPointF at;
        QSize design;
    };

    // The dial's steps, in the order a choice takes them.
    void DrawDial();
    void PSet(QPointF at, int width);
    void choose(int hour, double degrees, bool answers);
    void startHighlight(int hour);
    void tick();
    void fail(const QString &message);

    int border() const;
    QRect inner() const;
    int dotAt(QPointF units) const;
    void setCurrentItem(int index);
    QLabel *makeMarker(const QString &name);
    void moveChild(QWidget &child, QPointF at);
    void place(const Child &child) const;
    void placeAll();
    void drawMarkers();
    void paintBorder(QPainter &painter) const;
    void paintDots(QPainter &painter) const;
    const QImage &figuresPicture();
    bool figuresPictureFits() const;
    void drawFigures(QPainter &painter, const QList<Figure> &figures) const;
    // Where `figures` draw, in pixels: all of the dial where one is a text.
    QRect bounds(const QList<Figure> &figures) const;

    QSize m_designSize;
    QList<Dot> m_dots;
    std::array<dial::PointText, 12> m_places; // each hour's place, kept as text
    QLabel *m_markerPattern = nullptr;
    std::array<QLabel *, 12> m_markers{};
    QLabel *m_numeral = nullptr;
    QTimer *m_timer = nullptr;
    dial::HighlightCycle m_highlight;
    QIcon (*m_makeMarkerPicture)() = nullptr;
    QIcon m_markerPicture;
    QPixmap m_markerPictureNow; // at the present zoom
    QList<Child> m_children;
    bool m_centrePressIgnored = false;

    QMap<Layer, QList<Figure>> m_figures;
    QImage m_figuresPicture; // the figures at the dial's present size
    bool m_figuresDrawn = false;
    QWidget *m_overlay = nullptr;

    QList<Item> m_items;
    int m_currentItem = -1;
    QString m_itemDescription;
    QString m_currentItemDetail;
};
