#include "app/windowcommands.h"

#include "app/fullscreenexit.h"
#include "app/helpdialog.h"
#include "app/windowzoom.h"
#include "widgets/checkmenuitemaccessible.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QMenu>
#include <QPlainTextEdit>

#include <algorithm>

using namespace Qt::StringLiterals;

WindowCommands::WindowCommands(QWidget &window, WindowZoom &zoom, QPlainTextEdit &description)
    : QObject(&window)
    , m_window(window)
    , m_zoom(zoom)
{
    setObjectName(u"WindowCommands"_s);
    // The commands that are on or off are told so in the menu, either way.
    static const bool accessible = (QAccessible::installFactory(&CheckMenuItemAccessible::factory), true);
    Q_UNUSED(accessible);
    m_zoomIn = addAction(u"Увеличи"_s, {QKeySequence::ZoomIn, QKeySequence(Qt::CTRL | Qt::Key_Equal)},
                         [this] { m_zoom.zoomBy(+1); });
    m_zoomOut = addAction(u"Намали"_s, {QKeySequence::ZoomOut}, [this] { m_zoom.zoomBy(-1); });
    m_actualSize = addAction(u"Нормален размер"_s, {QKeySequence(Qt::CTRL | Qt::Key_0)}, [this] { m_zoom.actualSize(); });
    m_fullScreen = addAction(u"Цял екран"_s, {QKeySequence(Qt::Key_F11)},
                             [this] { m_window.setWindowState(m_window.windowState() ^ Qt::WindowFullScreen); });
    m_fullScreen->setCheckable(true);
    // Off at every start; whoever owns the view follows its toggles.
    m_teacherView = addAction(u"Учителски изглед"_s, {QKeySequence(Qt::CTRL | Qt::Key_T)}, [] {});
    m_teacherView->setCheckable(true);
    m_construction = addAction(u"Построяване с линийка и пергел"_s, {QKeySequence(Qt::CTRL | Qt::Key_K)}, [] {});
    m_construction->setCheckable(true);
    // A presenter's remote sends Page Down and Page Up. While the
    // construction is off, these keys stay with the list and the description.
    m_nextStep = addAction(u"Следваща стъпка"_s, {QKeySequence(Qt::Key_PageDown)}, [] {});
    m_previousStep = addAction(u"Предишна стъпка"_s, {QKeySequence(Qt::Key_PageUp)}, [] {});
    m_practice = addAction(u"Упражнение"_s, {QKeySequence(Qt::CTRL | Qt::Key_E)}, [] {});
    m_practice->setCheckable(true);
    // Practice and the construction both speak in the description's place: one at a time.
    connect(m_practice, &QAction::toggled, this, [this](bool on) { m_construction->setChecked(m_construction->isChecked() && !on); });
    connect(m_construction, &QAction::toggled, this, [this](bool on) {
        m_practice->setChecked(m_practice->isChecked() && !on);
        updateEnabled();
    });
    auto *help = addAction(u"Помощ"_s, {QKeySequence(Qt::Key_F1)}, [this] { showHelp(); });
    auto *close = addAction(u"Затвори"_s, {QKeySequence(Qt::CTRL | Qt::Key_Q)}, [this] { m_window.close(); });
    m_menu = {m_zoomIn,   m_zoomOut,      m_actualSize, m_fullScreen, m_teacherView, m_construction,
              m_nextStep, m_previousStep, m_practice,   help,         close};

    // Keys that the menu does not list: Home and End go to the
    // construction's first step and to its end (its buttons name them);
    // Escape leaves full screen, and Shift+F10 opens the menu as the menu key does.
    m_firstStep = addAction(u"Първа стъпка"_s, {QKeySequence(Qt::Key_Home)}, [] {});
    m_lastStep = addAction(u"Последна стъпка"_s, {QKeySequence(Qt::Key_End)}, [] {});
    m_leaveFullScreen = addAction(QString(), {QKeySequence(Qt::Key_Escape)},
                                  [this] { m_window.setWindowState(m_window.windowState() & ~Qt::WindowFullScreen); });
    new FullScreenExit(m_window, *m_leaveFullScreen);
    m_openMenu = addAction(QString(), {QKeySequence(Qt::SHIFT | Qt::Key_F10)}, [this] {
        QWidget *focus = QApplication::focusWidget() ? QApplication::focusWidget() : &m_window;
        const QPoint centre = focus->rect().center();
        QContextMenuEvent event(QContextMenuEvent::Keyboard, centre, focus->mapToGlobal(centre));
        QApplication::sendEvent(focus, &event);
    });
    m_close = close; // which a browser's page leaves to the tab (suitBrowser)

    // A menu asked for by the window, or by the description for its own.
    m_window.installEventFilter(this);
    description.installEventFilter(this);
    addOwnMenu(description);

    connect(&m_zoom, &WindowZoom::changed, this, &WindowCommands::updateEnabled);
    updateEnabled();
}

QAction *WindowCommands::addAction(const QString &text, const QList<QKeySequence> &keys,
                                   const std::function<void()> &command)
{
    auto *action = new QAction(text, this);
    action->setShortcuts(keys);
    connect(action, &QAction::triggered, this, command);
    m_window.addAction(action);
    return action;
}

void WindowCommands::addOwnMenu(QPlainTextEdit &text)
{
    text.setContextMenuPolicy(Qt::CustomContextMenu);
    connect(&text, &QWidget::customContextMenuRequested, this, [this, &text](QPoint at) {
        popUpMenu(text.viewport()->mapToGlobal(at), text.createStandardContextMenu(at));
    });
}

void WindowCommands::showHelp()
{
    if (!m_help)
        m_help = new HelpDialog(m_menu, m_menuWays, &m_window);
    // A window of its own takes the program's type and zoom as it opens.
    m_zoom.dress(*m_help);
    m_help->fitText();
    m_help->show();
    m_help->raise();
    m_help->activateWindow();
}

void WindowCommands::keepFullScreen()
{
    m_keepFullScreen = true;
    m_fullScreen->setVisible(false);
    updateEnabled();
}

void WindowCommands::suitBrowser()
{
    keepFullScreen();
    // The browser zooms the page and shows it full screen, and a page is
    // closed with its tab: a program that stopped would leave it frozen.
    // A hidden command is out of the menu and the help, and its keys do nothing.
    for (QAction *browsers : {m_zoomIn, m_zoomOut, m_actualSize, m_fullScreen, m_close})
        browsers->setVisible(false);
    // Browsers keep Ctrl+T (a new tab) for themselves; none keeps Alt+T.
    m_teacherView->setShortcuts({QKeySequence(Qt::ALT | Qt::Key_T)});
    // The menu key reaches a page as a key like any other, never as a
    // request for a menu: it opens the menu as Shift+F10 does.
    m_openMenu->setShortcuts({QKeySequence(Qt::SHIFT | Qt::Key_F10), QKeySequence(Qt::Key_Menu)});
    // A right press opens no menu in a page (Qt's web platform raises none).
    // The button's sign, ☰, is not in the page's one font: it is told in words.
    m_menuWays = u"Бутонът с три черти в горния десен ъгъл, пръст, задържан неподвижно извън циферблата, "
                 "клавишът за меню или Shift+F10"_s;
    updateEnabled();
}

void WindowCommands::popUpMenu(QPoint globalPos, QMenu *menu)
{
    if (menu)
        menu->addSeparator();
    else
        menu = new QMenu(&m_window);
    menu->addActions(m_menu);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    // Qt keeps a screen reader's view of each action with the first menu
    // that showed it; once that menu is gone, so must the view be, or the
    // next menu's items are found dead and a screen reader says nothing.
    connect(menu, &QObject::destroyed, this, [this] {
        for (QAction *action : std::as_const(m_menu)) {
            if (QAccessibleInterface *seen = QAccessible::queryAccessibleInterface(action))
                QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(seen));
        }
    });
    m_zoom.dress(*menu);
    menu->popup(globalPos);
    if (m_menuFromKeyboard) {
        // Opened from the keyboard, as menus are elsewhere: on its first
        // command, which a screen reader then says at once.
        const QList<QAction *> entries = menu->actions();
        const auto first = std::find_if(entries.begin(), entries.end(), [](const QAction *entry) {
            return entry->isEnabled() && entry->isVisible() && !entry->isSeparator();
        });
        if (first != entries.end())
            menu->setActiveAction(*first);
    }
}

bool WindowCommands::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::ContextMenu) {
        // Asked for by a control (the description has its own menu) or,
        // where no control takes it, by the window.
        const auto *request = static_cast<QContextMenuEvent *>(event);
        m_menuFromKeyboard = request->reason() == QContextMenuEvent::Keyboard;
        if (watched != &m_window)
            return false;
        // From the keyboard, the menu opens on the control the keys go to.
        const QWidget *focus = m_window.focusWidget();
        const bool keyboard = request->reason() == QContextMenuEvent::Keyboard && focus;
        popUpMenu(keyboard ? focus->mapToGlobal(focus->rect().center()) : request->globalPos());
        return true;
    }
    if (watched == &m_window && event->type() == QEvent::WindowStateChange && !m_keepFullScreen) {
        const auto *change = static_cast<QWindowStateChangeEvent *>(event);
        if ((change->oldState() & Qt::WindowFullScreen) && !m_window.isFullScreen())
            emit told(u"Изход от цял екран."_s);
    }
    return QObject::eventFilter(watched, event);
}

void WindowCommands::updateEnabled()
{
    m_zoomIn->setEnabled(m_zoom.canZoomIn());
    m_zoomOut->setEnabled(m_zoom.canZoomOut());
    m_actualSize->setEnabled(m_zoom.canZoomToActualSize());
    const bool fullScreen = m_window.windowState() & Qt::WindowFullScreen;
    m_fullScreen->setChecked(fullScreen);
    m_fullScreen->setEnabled(!m_keepFullScreen);
    m_leaveFullScreen->setEnabled(fullScreen && !m_keepFullScreen);
    for (QAction *step : {m_nextStep, m_previousStep, m_firstStep, m_lastStep})
        step->setEnabled(m_construction->isChecked());
}
