#pragma once

#include <QList>
#include <QObject>
#include <QPoint>

#include <functional>

class HelpDialog;
class QAction;
class QMenu;
class QPlainTextEdit;
class WindowZoom;

// The window's commands, each an action with its keys: zoom in, zoom out,
// actual size, full screen, the teacher's view, the construction and its
// steps, practice, help and close; and the
// context menu that lists them, opened by a right press on the window or
// the menu key. Each is enabled only where it can act.
class WindowCommands : public QObject
{
    Q_OBJECT

public:
    // `description` has a menu of its own, which the commands follow.
    WindowCommands(QWidget &window, WindowZoom &zoom, QPlainTextEdit &description);

    // The teacher's view and practice, switched on and off.
    QAction *teacherView() const { return m_teacherView; }
    QAction *practice() const { return m_practice; }
    // The construction, and its steps: the next, the previous, the first, all.
    QAction *construction() const { return m_construction; }
    QAction *nextStep() const { return m_nextStep; }
    QAction *previousStep() const { return m_previousStep; }
    QAction *firstStep() const { return m_firstStep; }
    QAction *lastStep() const { return m_lastStep; }
    // The window stays full screen (in a web page, which is its screen):
    // the commands that would leave it are gone.
    void keepFullScreen();

    // Opens the context menu at `globalPos`: `menu`'s own entries (if any),
    // then the window's commands. The menu deletes itself when closed.
    void popUpMenu(QPoint globalPos, QMenu *menu = nullptr);

    // The commands in the order the menu and the help list them.
    const QList<QAction *> &commands() const { return m_menu; }
    // In a browser's page, which is the window's screen: the window stays
    // full screen, and what the browser owns is left to it (see the .cpp).
    void suitBrowser();

signals:
    // The window left full screen, in words (its note tells it entering).
    void told(const QString &news);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // The menu of `text` is its own (Copy, Select All), then the window's commands.
    void addOwnMenu(QPlainTextEdit &text);
    QAction *addAction(const QString &text, const QList<QKeySequence> &keys, const std::function<void()> &command);
    void showHelp();
    void updateEnabled();

    QWidget &m_window;
    WindowZoom &m_zoom;
    QList<QAction *> m_menu;
    QAction *m_zoomIn = nullptr;
    QAction *m_zoomOut = nullptr;
    QAction *m_actualSize = nullptr;
    QAction *m_fullScreen = nullptr;
    QAction *m_leaveFullScreen = nullptr;
    QAction *m_teacherView = nullptr;
    QAction *m_practice = nullptr;
    QAction *m_construction = nullptr;
    QAction *m_nextStep = nullptr;
    QAction *m_previousStep = nullptr;
    QAction *m_firstStep = nullptr;
    QAction *m_lastStep = nullptr;
    HelpDialog *m_help = nullptr; // made when first asked for
    bool m_keepFullScreen = false;
    // What opens the menu here, as the help names it.
    QString m_menuWays = QStringLiteral("Десен бутон навсякъде освен върху циферблата, пръст, задържан неподвижно "
                                        "извън циферблата, клавишът за меню или Shift+F10");
    bool m_menuFromKeyboard = false; // the last menu asked for came from the keyboard
    QAction *m_close = nullptr;
    QAction *m_openMenu = nullptr;
};
