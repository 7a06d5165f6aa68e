#pragma once

#include <QList>
#include <QObject>
#include <QPoint>

#include <functional>

class DesignLayout;
class QAction;
class QMenu;
class ZoomStyle;

// The window's commands, each an action with its keys: zoom in, zoom out,
// actual size, full screen, the teacher's view and close; and the context
// menu that lists them.
// The zoom is the window's size: a command resizes the window, and the
// window's layout draws it at the zoom that fits. The fonts and the style's
// sizes follow that zoom.
class WindowCommands : public QObject
{
    Q_OBJECT

public:
    WindowCommands(QWidget &window, DesignLayout &layout);

    // The teacher's view, switched on and off.
    QAction *teacherView() const { return m_teacherView; }

    // Opens the context menu at `globalPos`: `menu`'s own entries (if any),
    // then the window's commands. The menu deletes itself when closed.
    void popUpMenu(QPoint globalPos, QMenu *menu = nullptr);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QAction *addAction(const QString &text, const QList<QKeySequence> &keys, const std::function<void()> &command);
    void zoomBy(int steps);
    void followZoom(qreal zoom);
    void updateEnabled();
    bool resizable() const;
    double largestZoom() const;

    QWidget &m_window;
    DesignLayout &m_layout;
    ZoomStyle *m_style = nullptr;
    qreal m_fontPoints = 0;
    int m_wheelTurn = 0;
    QList<QAction *> m_menu;
    QAction *m_zoomIn = nullptr;
    QAction *m_zoomOut = nullptr;
    QAction *m_actualSize = nullptr;
    QAction *m_fullScreen = nullptr;
    QAction *m_leaveFullScreen = nullptr;
    QAction *m_teacherView = nullptr;
};
