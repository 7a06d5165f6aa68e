#include "app/mainwindow.h"
#include "windowsupport.h"
#include "widgets/clockdial.h"
#include "widgets/hourlist.h"

#include <QLabel>
#include <QTimer>

using namespace Qt::StringLiterals;

class TestHighlight : public QObject
{
    Q_OBJECT

private slots:
    void cycleTickByTick_data();
    void cycleTickByTick();
    void restartMidHighlight();
    void tickWithoutChoiceShowsNothing();
    void unreadablePlaceEndsTheProgram();
    void listChoosesByMouseAndKeyboard();
    void realTimeCycle();
    void dialChoosesByDirection_data();
    void dialChoosesByDirection();
    void pressOnMarkerOrNumeralChoosesNothing();
    void dialKeysChooseAsAPressDoes();
};

namespace {

const QStringList Numerals = {u"I"_s, u"II"_s, u"III"_s, u"IV"_s, u"V"_s,  u"VI"_s,
                              u"VII"_s, u"VIII"_s, u"IX"_s, u"X"_s, u"XI"_s, u"XII"_s};

// What the dial shows at one moment.
struct Shown
{
    QList<int> markers; // hours whose marker is visible
    bool numeral = false;
    QString caption;
    QPoint numeralAt;
    bool timer = false;
};

class Dial
{
public:
    explicit Dial(const MainWindow &window)
        : m_window(window)
        , m_numeral(window.findChild<QLabel *>(u"Label2(0)"_s))
        , m_timer(window.findChild<QTimer *>(u"Timer1"_s))
        , m_hours(window.findChild<HourList *>(u"List1(1)"_s))
    {
    }

    Shown shown() const
    {
        Shown now;
        for (int hour = 1; hour <= 12; ++hour) {
            const auto *marker = m_window.findChild<QLabel *>(QStringLiteral("Picture3(%1)").arg(hour));
            if (marker->isVisibleTo(&m_window))
                now.markers << hour;
        }
        now.numeral = m_numeral->isVisibleTo(&m_window);
        now.caption = m_numeral->text();
        now.numeralAt = m_numeral->mapTo(&m_window, QPoint(0, 0)) - DialOrigin; // in the dial's pixels
        now.timer = m_timer->isActive();
        return now;
    }

    HourList &hours() const { return *m_hours; }
    // As a user's selection does.
    void select(int row) const { m_hours->setCurrentIndex(m_hours->model()->index(row, 0)); }
    QRect rowRect(int row) const { return m_hours->visualRect(m_hours->model()->index(row, 0)); }

private:
    const MainWindow &m_window;
    QLabel *m_numeral;
    QTimer *m_timer;
    HourList *m_hours;
};

// Where the numeral's top-left corner lands for `hour`, in pixels.
QPoint pointOf(int hour)
{
    return dialPixels(HourPoints[hour - 1]).toPoint();
}

// A press on the window at `at`, delivered to whatever widget is there.
void press(const MainWindow &window, QPoint at, Qt::MouseButton button = Qt::LeftButton)
{
    QTest::mousePress(window.windowHandle(), button, {}, at);
    QTest::mouseRelease(window.windowHandle(), button, {}, at);
}

bool near(QPoint a, QPoint b)
{
    return (a - b).manhattanLength() <= 1;
}

} // namespace

void TestHighlight::cycleTickByTick_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<int>("hour");
    const QLocale point(QLocale::English, QLocale::UnitedStates);
    const QLocale comma(QLocale::Bulgarian, QLocale::Bulgaria);
    for (int hour = 1; hour <= 12; ++hour) {
        QTest::addRow("hour %d, decimal point", hour) << point << hour;
        QTest::addRow("hour %d, decimal comma", hour) << comma << hour;
    }
}

void TestHighlight::cycleTickByTick()
{
    QFETCH(QLocale, locale);
    QFETCH(int, hour);
    const LocaleScope scope(locale);
    MainWindow window;
    const Dial dial(window);
    const dial::HighlightCycle &highlight = highlightOf(window);

    dial.select(hour - 1); // as a user's selection does
    QCOMPARE(highlight.SelectedHour, qint16(hour));
    QCOMPARE(highlight.HighlightTicks, qint16(0));
    QVERIFY(dial.shown().timer);
    QVERIFY(dial.shown().markers.isEmpty());
    QVERIFY(!dial.shown().numeral);

    for (int n = 1; n <= 12; ++n) {
        tick(window);
        const Shown now = dial.shown();
        QCOMPARE(now.markers, QList<int>{hour});
        QVERIFY(now.numeral);
        QCOMPARE(now.caption, Numerals.at(hour - 1));
        QVERIFY2(near(now.numeralAt, pointOf(hour)), qPrintable(QStringLiteral("tick %1").arg(n)));
        QVERIFY(now.timer);
    }
    tick(window); // the 13th tick ends it
    const Shown after = dial.shown();
    QVERIFY(after.markers.isEmpty());
    QVERIFY(!after.numeral);
    QVERIFY(!after.timer);
    QCOMPARE(highlight.HighlightTicks, qint16(13));
}

void TestHighlight::restartMidHighlight()
{
    MainWindow window;
    const Dial dial(window);
    const dial::HighlightCycle &highlight = highlightOf(window);

    dial.select(2);
    for (int n = 0; n < 5; ++n)
        tick(window);
    QCOMPARE(dial.shown().markers, QList<int>{3});

    dial.select(6);
    Shown now = dial.shown();
    QVERIFY(now.markers.isEmpty()); // the old marker goes at once
    QVERIFY(now.numeral);           // the numeral waits for the next tick
    QCOMPARE(now.caption, u"III"_s);
    QVERIFY(near(now.numeralAt, pointOf(3)));
    QVERIFY(now.timer);
    QCOMPARE(highlight.HighlightTicks, qint16(0));

    tick(window);
    now = dial.shown();
    QCOMPARE(now.markers, QList<int>{7});
    QCOMPARE(now.caption, u"VII"_s);
    QVERIFY(near(now.numeralAt, pointOf(7)));
    for (int n = 2; n <= 12; ++n)
        tick(window);
    QVERIFY(dial.shown().timer); // the count started again
    tick(window);
    QVERIFY(!dial.shown().timer);
}

void TestHighlight::tickWithoutChoiceShowsNothing()
{
    // A tick before any choice shows nothing and is no fault: marker 0 is
    // the pattern the others are copied from, not an hour, and hour 0 has
    // no place to read. The tick stops the timer.
    MainWindow window;
    const Dial dial(window);
    control<QTimer>(window, u"Timer1"_s)->start();
    QTRY_VERIFY(!dial.shown().timer);
    QVERIFY(dial.shown().markers.isEmpty());
    QVERIFY(!window.findChild<QLabel *>(u"Picture3(0)"_s)->isVisibleTo(&window));
    QVERIFY(!dial.shown().numeral);
}

void TestHighlight::unreadablePlaceEndsTheProgram()
{
    // Were a stored place not a number, the numeral would land anywhere:
    // the program says so and ends with code 1 instead. The places are kept
    // with a decimal point; read with a comma, they are no numbers.
    std::optional<LocaleScope> locale(std::in_place, QLocale::c());
    MainWindow window;
    const Dial dial(window);
    locale.reset();
    const LocaleScope comma(QLocale(QLocale::Bulgarian, QLocale::Bulgaria));
    dial.select(6);
    QTimer::singleShot(2000, this, [] { QCoreApplication::exit(0); });
    QCOMPARE(QCoreApplication::exec(), 1);
    QVERIFY(!dial.shown().timer);
    QVERIFY(!dial.shown().numeral);
    QVERIFY(dial.shown().markers.isEmpty());
}

void TestHighlight::listChoosesByMouseAndKeyboard()
{
    MainWindow window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    const Dial dial(window);
    const dial::HighlightCycle &highlight = highlightOf(window);
    HourList &hours = dial.hours();
    QTest::mouseClick(hours.viewport(), Qt::LeftButton, {}, dial.rowRect(2).center());
    QCOMPARE(highlight.SelectedHour, qint16(3));
    QVERIFY(dial.shown().timer);

    // Each row passed over with the keys is chosen in turn.
    tick(window);
    tick(window);
    for (int hour = 4; hour <= 6; ++hour) {
        QTest::keyClick(&hours, Qt::Key_Down);
        QCOMPARE(highlight.SelectedHour, qint16(hour));
        QCOMPARE(highlight.HighlightTicks, qint16(0));
        tick(window);
        QCOMPARE(dial.shown().markers, QList<int>{hour});
    }
    QTest::keyClick(&hours, Qt::Key_Up);
    QCOMPARE(highlight.SelectedHour, qint16(5));

}

void TestHighlight::realTimeCycle()
{
    MainWindow window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    const Dial dial(window);
    HourList &hours = dial.hours();

    QTest::mouseClick(hours.viewport(), Qt::LeftButton, {}, dial.rowRect(2).center());
    QTest::qWait(500);
    QCOMPARE(dial.shown().markers, QList<int>{3});
    QCOMPARE(dial.shown().caption, u"III"_s);
    QTRY_VERIFY_WITH_TIMEOUT(!dial.shown().timer, 1100);
    QVERIFY(dial.shown().markers.isEmpty());
    QVERIFY(!dial.shown().numeral);
}

void TestHighlight::dialChoosesByDirection_data()
{
    QTest::addColumn<QPointF>("at"); // dial units
    QTest::addColumn<Qt::MouseButton>("button");
    QTest::addColumn<int>("hour");

    for (int hour = 1; hour <= 12; ++hour)
        QTest::addRow("on hour %d", hour) << HourPoints[hour - 1] << Qt::LeftButton << hour;
    QTest::newRow("near the centre, up") << QPointF(500, 480) << Qt::LeftButton << 12;
    QTest::newRow("far, lower left") << QPointF(5, 900) << Qt::LeftButton << 8;
    QTest::newRow("right button") << QPointF(150, 500) << Qt::RightButton << 9;
    QTest::newRow("middle button") << QPointF(500, 950) << Qt::MiddleButton << 6;
    // The border is not the dial: nothing is chosen.
    QTest::newRow("on the left border") << QPointF(-4, 500) << Qt::LeftButton << 0;
}

void TestHighlight::dialChoosesByDirection()
{
    QFETCH(QPointF, at);
    QFETCH(Qt::MouseButton, button);
    QFETCH(int, hour);

    MainWindow window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    press(window, DialOrigin + dialPixels(at).toPoint(), button);
    QCOMPARE(highlightOf(window).SelectedHour, qint16(hour));
    QCOMPARE(Dial(window).shown().timer, hour != 0);
}

void TestHighlight::pressOnMarkerOrNumeralChoosesNothing()
{
    MainWindow window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    const Dial dial(window);
    const dial::HighlightCycle &highlight = highlightOf(window);
    dial.select(2);
    tick(window);
    tick(window);

    for (const QString &name : {u"Picture3(3)"_s, u"Label2(0)"_s}) {
        const auto *target = window.findChild<QLabel *>(name);
        QVERIFY(target->isVisible());
        press(window, target->mapTo(&window, target->rect().center()));
        QCOMPARE(highlight.SelectedHour, qint16(3));
        QCOMPARE(highlight.HighlightTicks, qint16(2));
    }

    // Beside them, the dial takes the press.
    const auto *marker = window.findChild<QLabel *>(u"Picture3(3)"_s);
    press(window, marker->mapTo(&window, QPoint(-3, marker->height() / 2)));
    QCOMPARE(highlight.SelectedHour, qint16(3));
    QCOMPARE(highlight.HighlightTicks, qint16(0));
}

void TestHighlight::dialKeysChooseAsAPressDoes()
{
    MainWindow window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    const Dial dial(window);
    QWidget *canvas = control(window, u"Picture1"_s);
    QTRY_COMPARE(QApplication::focusWidget(), canvas);
    const dial::HighlightCycle &highlight = highlightOf(window);

    // Each key: the hour it chooses and whether it started a highlight.
    const QList<std::tuple<Qt::Key, int, bool>> keys = {
        {Qt::Key_Space, 0, false}, // nothing chosen yet: nothing to show again
        {Qt::Key_Right, 1, true}, {Qt::Key_Right, 2, true}, {Qt::Key_Left, 1, true},
        {Qt::Key_Space, 1, true},  {Qt::Key_Up, 12, true},   {Qt::Key_Down, 1, true}, {Qt::Key_Return, 1, true},
        {Qt::Key_End, 12, true},   {Qt::Key_Home, 1, true}};
    for (const auto &[key, hour, started] : keys) {
        tick(window); // a tick passes: a new start counts from 0 again
        QTest::keyClick(canvas, key);
        QCOMPARE(highlight.SelectedHour, qint16(hour));
        QCOMPARE(dial.shown().timer, started);
        if (started)
            QCOMPARE(highlight.HighlightTicks, qint16(0));
        if (started) {
            tick(window);
            QCOMPARE(dial.shown().markers, QList<int>{hour});
        }
    }
}

QTEST_MAIN(TestHighlight)
#include "tst_highlight.moc"
