#include "widgets/designlayout.h"

#include "dial/zoom.h"

#include <QWidgetItem>

namespace {

// The window's layout is designed in twips; fifteen make one logical pixel
// (1440 twips per inch at 96 dots per inch). Qt scales logical pixels to the
// screen, so this is the only conversion we need.
constexpr int TwipsPerPixel = 15;

// Smaller than this the texts can no longer be read.
constexpr double MinimumZoom = 0.5;
// How much larger the upright arrangement must be drawn to be used: an area
// near square keeps the first.
constexpr double PortraitGain = 1.25;

QRect scaled(QRect design, qreal zoom, QPoint origin)
{
    return {origin + QPoint(qRound(design.x() * zoom), qRound(design.y() * zoom)),
            QSize(qRound(design.width() * zoom), qRound(design.height() * zoom))};
}

} // namespace

QRect twips(int left, int top, int width, int height)
{
    const auto pixels = [](int value) { return qRound(double(value) / TwipsPerPixel); };
    return {pixels(left), pixels(top), pixels(width), pixels(height)};
}

DesignLayout::DesignLayout(QSize design, QWidget *parent)
    : QLayout(parent)
    , m_design(design)
{
    setContentsMargins(0, 0, 0, 0);
}

DesignLayout::~DesignLayout()
{
    for (const Item &item : std::as_const(m_items))
        delete item.item;
}

void DesignLayout::addWidget(QWidget *widget, QRect design, QRect portrait)
{
    addChildWidget(widget);
    m_items.append({new QWidgetItem(widget), design, portrait});
    invalidate();
}

void DesignLayout::addItem(QLayoutItem *item)
{
    m_items.append({item, QRect(QPoint(), item->sizeHint()), QRect(QPoint(), item->sizeHint())});
}

QLayoutItem *DesignLayout::itemAt(int index) const
{
    return index >= 0 && index < m_items.size() ? m_items.at(index).item : nullptr;
}

QLayoutItem *DesignLayout::takeAt(int index)
{
    return index >= 0 && index < m_items.size() ? m_items.takeAt(index).item : nullptr;
}

QSize DesignLayout::minimumSize() const
{
    return dial::zoomedSize(m_design, MinimumZoom);
}

void DesignLayout::setGeometry(const QRect &rect)
{
    QLayout::setGeometry(rect);
    const qreal landscape = dial::fittingZoom(m_design, rect.size());
    const qreal upright = m_portraitDesign.isEmpty() ? 0 : dial::fittingZoom(m_portraitDesign, rect.size());
    const bool portrait = upright > landscape * PortraitGain;
    if (portrait != m_portrait) {
        m_portrait = portrait;
        emit arrangementChanged(portrait);
    }
    const qreal zoom = portrait ? upright : landscape;
    if (zoom != m_zoom) {
        m_zoom = zoom;
        emit zoomChanged(zoom);
    }
    const QSize design = portrait ? m_portraitDesign : m_design;
    const QPoint origin = rect.topLeft()
            + QPoint((rect.width() - qRound(design.width() * zoom)) / 2,
                     (rect.height() - qRound(design.height() * zoom)) / 2);
    for (const Item &item : std::as_const(m_items))
        item.item->setGeometry(scaled(portrait ? item.portrait : item.design, zoom, origin));
}
