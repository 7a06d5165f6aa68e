#pragma once

#include "forms/controlarray.h"

#include <QObject>

class QLabel;
class QTimer;

namespace forms {
class ListBox;
class PictureBox;
} // namespace forms

// Shows one hour for a while: its marker just left of the hour's point and
// its Roman numeral on the point. Either way of choosing an hour, a row of
// the hour list or a press on the dial, starts the same cycle; the timer
// then shows the highlight on every tick and ends it on the 13th.
class HourHighlight : public QObject
{
    Q_OBJECT

public:
    // The window's controls that a highlight reads and shows. They belong to
    // the window, which outlives this object.
    struct Controls
    {
        forms::PictureBox *Picture1;
        const forms::ControlArray<forms::ListBox> *List1;
        QLabel *Label2;
        const forms::ControlArray<QLabel> *Picture3;
        QTimer *Timer1;
    };

    // Ticks 1 to 12 show the highlight; the 13th shows it once more and
    // ends it, 1.3 s after the choice at 100 ms a tick.
    static constexpr qint16 LastShownTick = 12;

    explicit HourHighlight(const Controls &controls, QObject *parent = nullptr);

    qint16 SelectedHour = 0;
    qint16 HighlightTicks = 0;

    void List1_Click(qint16 index);
    void Picture1_MouseDown(qint16 button, qint16 shift, float x, float y);
    void Timer1_Timer();

private:
    void startHighlight(qint16 hour);
    // Tells screen readers which hour the dial shows (0: none).
    void describe(qint16 hour, const QString &numeral = {});

    Controls m_controls;
    qint16 m_describedHour = 0;
};
