#include "app/windowzoom.h"

#include "dial/zoom.h"
#include "widgets/designlayout.h"
#include "widgets/zoomstyle.h"

#include <QApplication>
#include <QScreen>
#include <QWidget>
#include <QWheelEvent>

#include <algorithm>
#include <utility>

using namespace Qt::StringLiterals;

namespace {

constexpr int WheelNotch = 120; // eighths of a degree
constexpr int Percent = 100;

} // namespace

WindowZoom::WindowZoom(QWidget &window, DesignLayout &layout)
    : QObject(&window)
    , m_window(window)
    , m_layout(layout)
    , m_style(new ZoomStyle(this))
    , m_fontPoints(window.font().pointSizeF())
{
    // Ctrl+wheel zooms over every control of the window, the list and the
    // description included, which would otherwise scroll or zoom their text.
    qApp->installEventFilter(this);
    connect(&m_layout, &DesignLayout::zoomChanged, this, &WindowZoom::follow);
    m_style->apply(m_window);
}

bool WindowZoom::canZoomIn() const
{
    return resizable() && m_layout.zoom() < largestZoom();
}

bool WindowZoom::canZoomOut() const
{
    return resizable() && m_layout.zoom() > dial::ZoomSteps.front();
}

bool WindowZoom::canZoomToActualSize() const
{
    return resizable() && m_layout.zoom() != dial::ZoomSteps.front();
}

void WindowZoom::dress(QWidget &widget) const
{
    widget.setFont(m_window.font());
    m_style->apply(widget);
}

void WindowZoom::zoomBy(int steps)
{
    if (steps == 0 || !resizable())
        return;
    const double zoom = std::min(dial::nextZoomStep(m_layout.zoom(), steps), std::max(largestZoom(), m_layout.zoom()));
    resizeTo(zoom);
}

void WindowZoom::actualSize()
{
    resizeTo(dial::ZoomSteps.front());
}

void WindowZoom::resizeTo(double zoom)
{
    // The step is told once the layout has taken it.
    m_stepAsked = zoom != m_layout.zoom();
    m_window.resize(dial::zoomedSize(m_layout.designSize(), zoom));
}

bool WindowZoom::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Wheel) {
        const auto *over = qobject_cast<QWidget *>(watched);
        const auto *wheel = static_cast<QWheelEvent *>(event);
        if (over && over->window() == &m_window && (wheel->modifiers() & Qt::ControlModifier)) {
            m_wheelTurn += wheel->angleDelta().y();
            const int notches = m_wheelTurn / WheelNotch;
            m_wheelTurn -= notches * WheelNotch;
            zoomBy(notches);
            return true;
        }
    } else if (watched == &m_window
               && (event->type() == QEvent::WindowStateChange || event->type() == QEvent::Show
                   || event->type() == QEvent::Move)) {
        // The window manager's frame comes after the window is shown, and
        // with it the room left for a larger step.
        emit changed();
    }
    return QObject::eventFilter(watched, event);
}

void WindowZoom::follow(qreal zoom)
{
    QFont font = m_window.font();
    font.setPointSizeF(m_fontPoints * zoom);
    m_window.setFont(font);
    m_style->setZoom(zoom);
    m_style->apply(m_window);
    if (std::exchange(m_stepAsked, false))
        emit told(u"Мащаб %1 %"_s.arg(qRound(zoom * Percent)));
    emit changed();
}

bool WindowZoom::resizable() const
{
    // Maximised or full screen, the screen is filled already.
    return !(m_window.windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen));
}

double WindowZoom::largestZoom() const
{
    const QScreen *screen = m_window.screen();
    const QSize frame = m_window.frameGeometry().size() - m_window.size();
    const QSize available = screen ? screen->availableGeometry().size() - frame : m_layout.designSize();
    return dial::ZoomSteps[dial::largestZoomStep(m_layout.designSize(), available)];
}
