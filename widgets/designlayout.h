#pragma once

#include <QLayout>
#include <QList>
#include <QRect>

// A rectangle of the design, given in twips, in logical pixels at 100 %.
QRect twips(int left, int top, int width, int height);

// Places each widget at the rectangle the design gives it, in logical pixels
// at 100 %, scaled by the largest zoom at which the whole design fits the
// parent, and centred there; the parent's background shows round it. The
// zoom is whole steps for a window of a step's size, so a window sized for
// 200 % is drawn at exactly 200 %.
// Like Qt's own layouts it takes the widget it lays out as its parent.
class DesignLayout : public QLayout // clazy:exclude=ctor-missing-parent-argument
{
    Q_OBJECT

public:
    explicit DesignLayout(QSize design, QWidget *parent = nullptr);
    ~DesignLayout() override;

    // A second arrangement, for an area much taller than wide (a phone held
    // upright), designed at `design`: used where it is drawn larger than
    // the first by a clear margin. Each widget then has a place in both.
    void setPortraitDesign(QSize design) { m_portraitDesign = design; }
    void addWidget(QWidget *widget, QRect design, QRect portrait = {});
    qreal zoom() const { return m_zoom; }
    QSize designSize() const { return m_design; }

    void addItem(QLayoutItem *item) override;
    int count() const override { return int(m_items.size()); }
    QLayoutItem *itemAt(int index) const override;
    QLayoutItem *takeAt(int index) override;
    QSize sizeHint() const override { return m_design; }
    QSize minimumSize() const override;
    void setGeometry(const QRect &rect) override;

signals:
    // Before the widgets are placed at a new zoom, or in the other arrangement.
    void zoomChanged(qreal zoom);
    void arrangementChanged(bool portrait);

private:
    struct Item
    {
        QLayoutItem *item = nullptr;
        QRect design;
        QRect portrait;
    };

    QSize m_design;
    QSize m_portraitDesign;
    bool m_portrait = false;
    QList<Item> m_items;
    qreal m_zoom = 1;
};
