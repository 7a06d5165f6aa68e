#pragma once

#include <QObject>

class DesignLayout;
class QWidget;
class ZoomStyle;

// The window's zoom is its size: a step resizes the window, and the
// window's layout draws it at the zoom that fits. The fonts and the style's
// sizes follow that zoom, and Ctrl+wheel anywhere over the window steps it.
class WindowZoom : public QObject
{
    Q_OBJECT

public:
    WindowZoom(QWidget &window, DesignLayout &layout);

    bool canZoomIn() const;
    bool canZoomOut() const;
    bool canZoomToActualSize() const;
    // Gives a window of the program's own (a menu, the help) the program's
    // type and zoom as it opens.
    void dress(QWidget &widget) const;

public slots:
    void zoomBy(int steps);
    void actualSize();

signals:
    // What the zoom can do has changed: a new zoom, a window state, the room
    // the window manager's frame leaves.
    void changed();
    // A step asked for has been taken, in words: "Мащаб 150 %".
    void told(const QString &news);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void follow(qreal zoom);
    void resizeTo(double zoom);
    bool resizable() const;
    double largestZoom() const;

    QWidget &m_window;
    DesignLayout &m_layout;
    ZoomStyle *m_style = nullptr;
    qreal m_fontPoints = 0;
    int m_wheelTurn = 0;
    bool m_stepAsked = false; // a step was asked for, and the window is resizing to it
};
