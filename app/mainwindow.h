#pragma once

#include "dial/highlightcycle.h"

#include <QList>
#include <QPair>
#include <QWidget>

#include <array>

class DialCanvas;
class HourList;
class QFocusFrame;
class QFrame;
class QLabel;
class QStringListModel;
class QTimer;

// The program's one window: the heading, the hour list, the dial and the
// description. On load it sets up the dial's coordinates and draws it; a row
// of the hour list or a press on the dial then highlights an hour.
class MainWindow : public QWidget
{
    Q_OBJECT

public:
    explicit MainWindow(QWidget *parent = nullptr);

    const dial::HighlightCycle &highlight() const { return m_highlight; }

    // The handlers: a list's selection changed, a press on the dial, a tick.
    void List1_Click(qint16 index);
    void Picture1_MouseDown(float x, float y);
    void Timer1_Timer();

protected:
    bool focusNextPrevChild(bool next) override;
    void resizeEvent(QResizeEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // The lists, by index: the hour list's rows, and the hidden stores of
    // each hour's numeral, X and Y as text (row h - 1 for hour h).
    enum ListIndex : qint16 { HourRows = 1, Numerals = 2, XTexts = 3, YTexts = 4 };

    // Puts a control where the design has it (logical pixels at 100 %), at
    // the present zoom, and keeps it there through later zooms.
    void place(QWidget *widget, const QRect &design);
    void setZoomedGeometry(QWidget *widget, const QRect &design) const;
    // Resizes the window to `zoom`, at most the largest step the screen takes.
    void zoomTo(double zoom);

    void Form_Load();
    void DrawDial();
    void startHighlight(qint16 hour);
    QString listText(ListIndex list, qint16 hour) const;
    // Tells screen readers which hour the dial shows (0: none).
    void describe(qint16 hour);
    // A fault that normal use cannot cause: say so and end the program.
    void fail(const QString &message);

    DialCanvas *Picture1 = nullptr;
    HourList *hourList = nullptr; // shows List1[HourRows]
    std::array<QStringListModel *, 5> List1{};
    QLabel *Label2 = nullptr;
    std::array<QLabel *, 13> Picture3{}; // 0 is the pattern the hours' markers are copied from
    QTimer *Timer1 = nullptr;

    QFrame *m_dialFrame = nullptr;
    QList<QPair<QWidget *, QRect>> m_design;
    double m_zoom = 1;
    QPoint m_origin;
    int m_wheelTurn = 0;
    QFocusFrame *m_focusFrame = nullptr; // on the control that Tab moved the focus to

    dial::HighlightCycle m_highlight;
    qint16 m_describedHour = 0;
};
