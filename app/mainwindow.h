#pragma once

#include "dial/highlightcycle.h"

#include <QIcon>
#include <QWidget>

#include <array>

class DialCanvas;
class HourList;
class KeyboardFocusFrame;
class Practice;
class QLabel;
class QStringListModel;
class QTimer;
class TeacherView;
class WindowCommands;

// The program's one window: the heading, the hour list, the dial and the
// description. On load it sets up the dial's coordinates and draws it; a row
// of the hour list or a press on the dial then highlights an hour.
class MainWindow : public QWidget
{
    Q_OBJECT

public:
    explicit MainWindow(QWidget *parent = nullptr);

    const dial::HighlightCycle &highlight() const { return m_highlight; }
    const Practice &practice() const { return *m_practice; }
    WindowCommands &commands() const { return *m_commands; }

    // The handlers: a list's selection changed, a press on the dial, a tick.
    void List1_Click(qint16 index);
    void Picture1_MouseDown(float x, float y);
    void Timer1_Timer();

protected:
    bool focusNextPrevChild(bool next) override;

private:
    // The lists, by index: the hour list (its rows are the list's own model,
    // List1[HourRows] stays empty), and the hidden stores of each hour's
    // numeral, X and Y as text (row h - 1 for hour h).
    enum ListIndex : qint16 { HourRows = 1, Numerals = 2, XTexts = 3, YTexts = 4 };

    void Form_Load();
    void DrawDial();
    // An hour chosen from the list or with the keys; `answers` unless the
    // arrow keys only pass over it.
    void chooseHour(qint16 hour, bool answers);
    void startHighlight(qint16 hour);
    QString listText(ListIndex list, qint16 hour) const;
    // The marker picture at `zoom`, on every marker.
    void drawMarkers(qreal zoom);
    // "3 часа (III)".
    QString spokenHour(qint16 hour) const;
    // A fault that normal use cannot cause: say so and end the program.
    void fail(const QString &message);

    DialCanvas *Picture1 = nullptr;
    HourList *hourList = nullptr; // List1(1), the hours to choose from
    std::array<QStringListModel *, 5> List1{};
    QLabel *Label2 = nullptr;
    std::array<QLabel *, 13> Picture3{}; // 0 is the pattern the hours' markers are copied from
    QTimer *Timer1 = nullptr;

    QIcon m_marker;
    KeyboardFocusFrame *m_focusFrame = nullptr;
    WindowCommands *m_commands = nullptr;
    TeacherView *m_teacher = nullptr;
    Practice *m_practice = nullptr;

    dial::HighlightCycle m_highlight;
};
