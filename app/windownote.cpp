#include "app/windownote.h"

#include "app/controls.h"

#include <QEvent>

namespace {

constexpr int NoteMs = 4000;
constexpr quint32 NoteGround = 0x00303030; // dark grey, 0x00BBGGRR, under white text (12.6:1)
constexpr int LinesPerMargin = 4;          // a margin of a quarter of a line, at any zoom

} // namespace

WindowNote::WindowNote(const QString &name, QWidget &window)
    : Announcement(&window)
    , m_window(window)
{
    dressLabel(*this, name, NoteGround);
    setColour(*this, QPalette::WindowText, Qt::white);
    hide();
    m_time.setSingleShot(true);
    m_time.setInterval(NoteMs);
    connect(&m_time, &QTimer::timeout, this, &QWidget::hide);
    m_window.installEventFilter(this);
}

void WindowNote::showNote(const QString &text)
{
    setText(text);
    place();
    // Told as it shows: shown already, it is told again.
    announce(text);
    show();
    m_time.start();
}

bool WindowNote::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == &m_window && (event->type() == QEvent::Resize || event->type() == QEvent::FontChange))
        place();
    return Announcement::eventFilter(watched, event);
}

void WindowNote::place()
{
    setMargin(fontMetrics().height() / LinesPerMargin);
    adjustSize();
    move((m_window.width() - width()) / 2, 0);
    raise();
}
