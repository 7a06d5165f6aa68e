#pragma once

#include "widgets/announcement.h"

#include <QTimer>

// A note at the top of the window, over the heading, for a few seconds, as
// browsers and video players show one: white on dark grey in the window's
// type, so it grows with the zoom, and heard by a screen reader as it shows.
class WindowNote : public Announcement
{
    Q_OBJECT

public:
    WindowNote(const QString &name, QWidget &window);

    // Shows `text` for a few seconds, and tells it.
    void showNote(const QString &text);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void place();

    QWidget &m_window;
    QTimer m_time;
};
