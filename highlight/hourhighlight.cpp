#include "highlight/hourhighlight.h"

#include "forms/conversions.h"
#include "forms/listbox.h"
#include "forms/picturebox.h"
#include "forms/runtimeerror.h"
#include "highlight/hourdirection.h"

#include <QLabel>
#include <QTimer>

namespace {

// The hour list, and the hidden lists holding each hour's numeral, X and Y
// as text, row h - 1 for hour h.
constexpr qint16 HourList = 1;
constexpr qint16 NumeralList = 2;
constexpr qint16 XList = 3;
constexpr qint16 YList = 4;

// Marker 0 is the pattern the others are copied from; only 1 to 12 are hours.
void requireHour(qint16 hour)
{
    if (hour < 1 || hour > 12)
        forms::raiseRuntimeError(forms::RuntimeError::SubscriptOutOfRange, QStringLiteral("hour %1").arg(hour));
}

} // namespace

HourHighlight::HourHighlight(const Controls &controls, QObject *parent)
    : QObject(parent)
    , m_controls(controls)
{
    setObjectName(QStringLiteral("highlight"));
}

void HourHighlight::startHighlight(qint16 hour)
{
    requireHour(hour);
    m_controls.Picture3->forEach([](qint16 index, QLabel &marker) {
        if (index >= 1)
            marker.setVisible(false);
    });
    SelectedHour = hour;
    HighlightTicks = 0;
    // A running timer keeps its rhythm: holding an arrow key down then still
    // shows each hour passed over on the next tick.
    if (!m_controls.Timer1->isActive())
        m_controls.Timer1->start();
}

void HourHighlight::List1_Click(qint16 index)
{
    if (index != HourList)
        return;
    const qint16 row = (*m_controls.List1)(HourList).ListIndex();
    if (row < 0)
        return; // nothing selected: nothing chosen
    startHighlight(qint16(row + 1));
}

void HourHighlight::Picture1_MouseDown(qint16, qint16, float x, float y)
{
    const forms::PictureBox &dial = *m_controls.Picture1;
    const float dx = x - dial.ScaleWidth() / 2;
    const float dy = dial.ScaleHeight() / 2 - y; // upward for the angle
    startHighlight(hourdirection::hourFor(dx, dy));
}

void HourHighlight::Timer1_Timer()
{
    const qint16 h = SelectedHour;
    requireHour(h); // a tick with no hour chosen has nothing to show
    const auto &lists = *m_controls.List1;
    QLabel &marker = (*m_controls.Picture3)(h);
    QLabel &numeral = *m_controls.Label2;

    ++HighlightTicks;
    marker.setVisible(true);
    m_controls.Picture1->setChildLeft(numeral, forms::textToSingle(lists(XList).List(h - 1)));
    m_controls.Picture1->setChildTop(numeral, forms::textToSingle(lists(YList).List(h - 1)));
    numeral.setText(lists(NumeralList).List(h - 1));
    numeral.setVisible(true);
    describe(h, numeral.text());

    if (HighlightTicks > LastShownTick) {
        marker.setVisible(false);
        m_controls.Timer1->stop();
        numeral.setVisible(false);
        describe(0);
    }
}

void HourHighlight::describe(qint16 hour, const QString &numeral)
{
    if (hour == m_describedHour)
        return;
    m_describedHour = hour;
    // Qt tells screen readers that the description changed.
    m_controls.Picture1->setAccessibleDescription(
            hour == 0 ? QString() : QStringLiteral("Показан е час %1 (%2)").arg(hour).arg(numeral));
}
