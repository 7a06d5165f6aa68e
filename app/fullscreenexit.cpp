#include "app/fullscreenexit.h"

#include "app/windownote.h"

#include <QAction>
#include <QEvent>
#include <QToolButton>

using namespace Qt::StringLiterals;

FullScreenExit::FullScreenExit(QWidget &window, QAction &leave)
    : QObject(&window)
    , m_window(window)
    , m_leave(leave)
{
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
        m_note = new WindowNote(u"FullScreenNote"_s, m_window);
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
    m_button->setVisible(shown);
    if (shown) {
        m_note->showNote(u"Esc или F11 — изход от цял екран"_s);
        place();
    } else {
        m_note->hide();
    }
}

void FullScreenExit::place()
{
    if (!m_button || !m_shown)
        return;
    m_button->adjustSize();
    m_button->resize(m_button->height(), m_button->height());
    m_button->move(m_window.width() - m_button->width(), 0);
    m_button->raise();
}
