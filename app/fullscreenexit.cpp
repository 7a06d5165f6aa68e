#include "app/fullscreenexit.h"

#include "app/controls.h"

#include <QAction>
#include <QEvent>
#include <QLabel>
#include <QToolButton>

using namespace Qt::StringLiterals;

namespace {

constexpr int NoteMs = 4000;
constexpr quint32 NoteGround = 0x00303030; // dark grey, 0x00BBGGRR, under white text (12.6:1)
constexpr int LinesPerMargin = 4;          // a margin of a quarter of a line, at any zoom

} // namespace

FullScreenExit::FullScreenExit(QWidget &window, QAction &leave)
    : QObject(&window)
    , m_window(window)
    , m_leave(leave)
{
    m_noteTime.setSingleShot(true);
    m_noteTime.setInterval(NoteMs);
    connect(&m_noteTime, &QTimer::timeout, this, [this] {
        if (m_note)
            m_note->hide();
    });
    connect(&m_leave, &QAction::changed, this, &FullScreenExit::follow);
    m_window.installEventFilter(this);
}

bool FullScreenExit::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == &m_window && (event->type() == QEvent::Resize || event->type() == QEvent::FontChange))
        place();
    return QObject::eventFilter(watched, event);
}

void FullScreenExit::follow()
{
    const bool shown = m_leave.isEnabled();
    if (shown == m_shown)
        return;
    m_shown = shown;
    // Made the first time full screen begins: a window that never goes
    // full screen has no trace of them.
    if (shown && !m_note) {
        m_note = makeLabel(&m_window, u"FullScreenNote"_s, u"Esc или F11 — изход от цял екран"_s, NoteGround);
        setColour(*m_note, QPalette::WindowText, Qt::white);
        m_button = new QToolButton(&m_window);
        m_button->setObjectName(u"LeaveFullScreen"_s);
        m_button->setText(u"×"_s);
        m_button->setToolTip(u"Изход от цял екран"_s);
        m_button->setAccessibleName(u"Изход от цял екран"_s);
        m_button->setFocusPolicy(Qt::NoFocus); // the keys stay with the dial, the list and the text
        connect(m_button, &QToolButton::clicked, &m_leave, &QAction::trigger);
    }
    if (!m_note)
        return;
    m_note->setVisible(shown);
    m_button->setVisible(shown);
    if (shown) {
        m_noteTime.start();
        place();
    }
}

void FullScreenExit::place()
{
    if (!m_note || !m_shown)
        return;
    m_note->setMargin(m_note->fontMetrics().height() / LinesPerMargin);
    m_note->adjustSize();
    m_note->move((m_window.width() - m_note->width()) / 2, 0);
    m_note->raise();
    m_button->adjustSize();
    m_button->resize(m_button->height(), m_button->height());
    m_button->move(m_window.width() - m_button->width(), 0);
    m_button->raise();
}
