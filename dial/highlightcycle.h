#pragma once

#include <QtGlobal>

namespace dial {

// The count of one highlight: which hour it shows and how many ticks of it
// have passed. Ticks 1 to 12 show it; the 13th shows it once more and ends
// it, 1.3 s after the choice at 100 ms a tick.
struct HighlightCycle
{
    static constexpr qint16 LastShownTick = 12;

    qint16 SelectedHour = 0; // 0: nothing chosen yet
    qint16 HighlightTicks = 0;

    void start(qint16 hour)
    {
        SelectedHour = hour;
        HighlightTicks = 0;
    }

    // Counts one tick; true when this tick ends the highlight.
    bool tick()
    {
        ++HighlightTicks;
        return HighlightTicks > LastShownTick;
    }
};

} // namespace dial
