// A pupil presses everywhere and holds keys down: random input, with the
// highlight's rules checked after every single event.

#include "app/mainwindow.h"
#include "widgets/hourlist.h"
#include "windowsupport.h"

#include <QLabel>
#include <QRandomGenerator>
#include <QTest>
#include <QTimer>

using namespace Qt::StringLiterals;

class TestRandomInput : public QObject
{
    Q_OBJECT

private slots:
    void tenThousandEvents();
};

namespace {

enum class Event { PressWindow, PressDial, PressMarker, PressNumeral, ClickRow, ArrowKey, Tick, Count };

} // namespace

void TestRandomInput::tenThousandEvents()
{
    const quint32 seed = qEnvironmentVariableIsSet("RAVELINTA_SEED")
            ? quint32(qEnvironmentVariableIntValue("RAVELINTA_SEED"))
            : QRandomGenerator::system()->generate();
    QRandomGenerator random(seed);

    MainWindow window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    const dial::HighlightCycle &highlight = highlightOf(window);
    auto *hours = window.findChild<HourList *>(u"List1(1)"_s);
    auto *numeral = window.findChild<QLabel *>(u"Label2(0)"_s);
    auto *timer = window.findChild<QTimer *>(u"Timer1"_s);
    auto *dialWidget = window.findChild<QWidget *>(u"Picture1"_s);
    QList<QLabel *> markers;
    for (int hour = 1; hour <= 12; ++hour)
        markers << window.findChild<QLabel *>(QStringLiteral("Picture3(%1)").arg(hour));

    // Any button on the dial; elsewhere the left one, since the right one
    // opens the description's context menu, which waits for its own input.
    auto press = [&](QPoint at) {
        const bool onDial = dialWidget->geometry().contains(at);
        const auto button = onDial ? std::array{Qt::LeftButton, Qt::RightButton, Qt::MiddleButton}[random.bounded(3)]
                                   : Qt::LeftButton;
        QTest::mousePress(window.windowHandle(), button, {}, at);
        QTest::mouseRelease(window.windowHandle(), button, {}, at);
    };
    auto pointIn = [&](const QWidget &widget) {
        return widget.mapTo(&window, QPoint(random.bounded(widget.width()), random.bounded(widget.height())));
    };

    const int events = 10000;
    for (int event = 0; event < events; ++event) {
        const QLabel *visibleMarker = nullptr;
        for (const QLabel *marker : std::as_const(markers)) {
            if (marker->isVisible())
                visibleMarker = marker;
        }
        switch (Event(random.bounded(int(Event::Count)))) {
        case Event::PressWindow:
            press(QPoint(random.bounded(window.width()), random.bounded(window.height())));
            break;
        case Event::PressDial:
            press(pointIn(*dialWidget));
            break;
        case Event::PressMarker:
            if (visibleMarker)
                press(pointIn(*visibleMarker));
            break;
        case Event::PressNumeral:
            if (numeral->isVisible())
                press(pointIn(*numeral));
            break;
        case Event::ClickRow: {
            hours->scrollTo(hours->model()->index(random.bounded(12), 0));
            const QRect row = hours->visualRect(hours->model()->index(random.bounded(12), 0));
            if (hours->viewport()->rect().contains(row.center()))
                QTest::mouseClick(hours->viewport(), Qt::LeftButton, {}, row.center());
            break;
        }
        case Event::ArrowKey:
            QTest::keyClick(hours, random.bounded(2) ? Qt::Key_Down : Qt::Key_Up);
            break;
        case Event::Tick:
        case Event::Count:
            if (timer->isActive())
                tick(window);
            break;
        }

        // The rules, after every event.
        const QString where = QStringLiteral("seed %1, event %2").arg(seed).arg(event);
        int shown = 0;
        for (int hour = 1; hour <= 12; ++hour) {
            if (markers.at(hour - 1)->isVisible()) {
                ++shown;
                QVERIFY2(hour == highlight.SelectedHour, qPrintable(where + u": a marker of another hour"_s));
            }
        }
        QVERIFY2(shown <= 1, qPrintable(where + u": more than one marker"_s));
        QVERIFY2(highlight.HighlightTicks <= 13, qPrintable(where + u": the count passed 13"_s));
        const bool underWay = highlight.SelectedHour != 0 && highlight.HighlightTicks <= 12;
        QVERIFY2(timer->isActive() == underWay, qPrintable(where + u": the timer runs when it should not, or stops"_s));
    }

    for (int n = 0; n < 13 && timer->isActive(); ++n)
        tick(window);
    const QString where = QStringLiteral("seed %1, after the events").arg(seed);
    QVERIFY2(!timer->isActive(), qPrintable(where));
    QVERIFY2(!numeral->isVisible(), qPrintable(where));
    for (const QLabel *marker : std::as_const(markers))
        QVERIFY2(!marker->isVisible(), qPrintable(where));
}

QTEST_MAIN(TestRandomInput)
#include "tst_randominput.moc"
