#include "app/dialgeometry.h"
#include "app/mainwindow.h"
#include "forms/listbox.h"
#include "highlight/hourhighlight.h"
#include "testsupport.h"

#include <QLabel>
#include <QTest>
#include <QTimer>

class TestHighlight : public QObject
{
    Q_OBJECT

private slots:
    void cycleTickByTick_data();
    void cycleTickByTick();
    void restartMidHighlight();
    void tickWithoutChoiceShowsNothing();
    void listChoosesByMouseAndKeyboard();
    void realTimeCycle();
    void dialChoosesByDirection_data();
    void dialChoosesByDirection();
    void pressOnMarkerOrNumeralChoosesNothing();
};

namespace {

const QStringList Numerals = {u"I"_qs, u"II"_qs, u"III"_qs, u"IV"_qs, u"V"_qs,  u"VI"_qs,
                              u"VII"_qs, u"VIII"_qs, u"IX"_qs, u"X"_qs, u"XI"_qs, u"XII"_qs};

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
        , m_numeral(window.findChild<QLabel *>(u"Label2(0)"_qs))
        , m_timer(window.findChild<QTimer *>(u"Timer1"_qs))
        , m_hours(window.findChild<forms::ListBox *>(u"List1(1)"_qs))
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
        now.numeralAt = m_numeral->pos();
        now.timer = m_timer->isActive();
        return now;
    }

    forms::ListBox &hours() const { return *m_hours; }

private:
    const MainWindow &m_window;
    QLabel *m_numeral;
    QTimer *m_timer;
    forms::ListBox *m_hours;
};

// Where the numeral's top-left corner lands for `hour`, in pixels.
QPoint pointOf(int hour)
{
    const QPointF point = dial::hourPoint(hour, QPointF(500, 500)) * (263.0 / 1000);
    return QPoint(int(std::lround(point.x())), int(std::lround(point.y())));
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
    HourHighlight &highlight = window.highlight();

    dial.hours().setCurrentRow(hour - 1); // as a user's selection does
    QCOMPARE(highlight.SelectedHour, qint16(hour));
    QCOMPARE(highlight.HighlightTicks, qint16(0));
    QVERIFY(dial.shown().timer);
    QVERIFY(dial.shown().markers.isEmpty());
    QVERIFY(!dial.shown().numeral);

    for (int tick = 1; tick <= 12; ++tick) {
        highlight.Timer1_Timer();
        const Shown now = dial.shown();
        QCOMPARE(now.markers, QList<int>{hour});
        QVERIFY(now.numeral);
        QCOMPARE(now.caption, Numerals.at(hour - 1));
        QVERIFY2(near(now.numeralAt, pointOf(hour)), qPrintable(QStringLiteral("tick %1").arg(tick)));
        QVERIFY(now.timer);
    }
    highlight.Timer1_Timer(); // the 13th tick ends it
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
    HourHighlight &highlight = window.highlight();

    dial.hours().setCurrentRow(2);
    for (int tick = 0; tick < 5; ++tick)
        highlight.Timer1_Timer();
    QCOMPARE(dial.shown().markers, QList<int>{3});

    dial.hours().setCurrentRow(6);
    Shown now = dial.shown();
    QVERIFY(now.markers.isEmpty()); // the old marker goes at once
    QVERIFY(now.numeral);           // the numeral waits for the next tick
    QCOMPARE(now.caption, u"III"_qs);
    QVERIFY(near(now.numeralAt, pointOf(3)));
    QVERIFY(now.timer);
    QCOMPARE(highlight.HighlightTicks, qint16(0));

    highlight.Timer1_Timer();
    now = dial.shown();
    QCOMPARE(now.markers, QList<int>{7});
    QCOMPARE(now.caption, u"VII"_qs);
    QVERIFY(near(now.numeralAt, pointOf(7)));
    for (int tick = 2; tick <= 12; ++tick)
        highlight.Timer1_Timer();
    QVERIFY(dial.shown().timer); // the count started again
    highlight.Timer1_Timer();
    QVERIFY(!dial.shown().timer);
}

void TestHighlight::tickWithoutChoiceShowsNothing()
{
    // Marker 0 is the pattern the others are copied from, not an hour.
    MainWindow window;
    const Dial dial(window);
    QCOMPARE(runtimeErrorOf([&] { window.highlight().Timer1_Timer(); }),
             int(forms::RuntimeError::SubscriptOutOfRange));
    QVERIFY(!window.findChild<QLabel *>(u"Picture3(0)"_qs)->isVisibleTo(&window));
    QVERIFY(!dial.shown().numeral);
}

void TestHighlight::listChoosesByMouseAndKeyboard()
{
    MainWindow window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    const Dial dial(window);
    HourHighlight &highlight = window.highlight();
    forms::ListBox &hours = dial.hours();

    QTest::mouseClick(hours.viewport(), Qt::LeftButton, {}, hours.visualItemRect(hours.item(2)).center());
    QCOMPARE(highlight.SelectedHour, qint16(3));
    QVERIFY(dial.shown().timer);

    // Each row passed over with the keys is chosen in turn.
    highlight.Timer1_Timer();
    highlight.Timer1_Timer();
    for (int hour = 4; hour <= 6; ++hour) {
        QTest::keyClick(&hours, Qt::Key_Down);
        QCOMPARE(highlight.SelectedHour, qint16(hour));
        QCOMPARE(highlight.HighlightTicks, qint16(0));
        highlight.Timer1_Timer();
        QCOMPARE(dial.shown().markers, QList<int>{hour});
    }
    QTest::keyClick(&hours, Qt::Key_Up);
    QCOMPARE(highlight.SelectedHour, qint16(5));

    // The hidden lists hold data; a change there chooses nothing.
    for (int tick = 0; tick < 13; ++tick)
        highlight.Timer1_Timer();
    QVERIFY(!dial.shown().timer);
    window.findChild<forms::ListBox *>(u"List1(2)"_qs)->setCurrentRow(8);
    QVERIFY(!dial.shown().timer);
    QCOMPARE(highlight.SelectedHour, qint16(5));
}

void TestHighlight::realTimeCycle()
{
    MainWindow window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    const Dial dial(window);
    forms::ListBox &hours = dial.hours();

    QTest::mouseClick(hours.viewport(), Qt::LeftButton, {}, hours.visualItemRect(hours.item(2)).center());
    QTest::qWait(500);
    QCOMPARE(dial.shown().markers, QList<int>{3});
    QCOMPARE(dial.shown().caption, u"III"_qs);
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
        QTest::addRow("on hour %d", hour) << dial::hourPoint(hour, QPointF(500, 500)) << Qt::LeftButton << hour;
    QTest::newRow("near the centre, up") << QPointF(500, 480) << Qt::LeftButton << 12;
    QTest::newRow("far, lower left") << QPointF(5, 900) << Qt::LeftButton << 8;
    QTest::newRow("right button") << QPointF(150, 500) << Qt::RightButton << 9;
    QTest::newRow("middle button") << QPointF(500, 950) << Qt::MiddleButton << 6;
}

void TestHighlight::dialChoosesByDirection()
{
    QFETCH(QPointF, at);
    QFETCH(Qt::MouseButton, button);
    QFETCH(int, hour);

    MainWindow window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    const QPoint dialOrigin = window.findChild<QWidget *>(u"Picture1"_qs)->geometry().topLeft() + QPoint(2, 2);
    press(window, dialOrigin + (at * (263.0 / 1000)).toPoint(), button);
    QCOMPARE(window.highlight().SelectedHour, qint16(hour));
    QVERIFY(Dial(window).shown().timer);
}

void TestHighlight::pressOnMarkerOrNumeralChoosesNothing()
{
    MainWindow window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    const Dial dial(window);
    HourHighlight &highlight = window.highlight();
    dial.hours().setCurrentRow(2);
    highlight.Timer1_Timer();
    highlight.Timer1_Timer();

    for (const QString &name : {u"Picture3(3)"_qs, u"Label2(0)"_qs}) {
        const auto *target = window.findChild<QLabel *>(name);
        QVERIFY(target->isVisible());
        press(window, target->mapTo(&window, target->rect().center()));
        QCOMPARE(highlight.SelectedHour, qint16(3));
        QCOMPARE(highlight.HighlightTicks, qint16(2));
    }

    // Beside them, the dial takes the press.
    const auto *marker = window.findChild<QLabel *>(u"Picture3(3)"_qs);
    press(window, marker->mapTo(&window, QPoint(-3, marker->height() / 2)));
    QCOMPARE(highlight.SelectedHour, qint16(3));
    QCOMPARE(highlight.HighlightTicks, qint16(0));
}

QTEST_MAIN(TestHighlight)
#include "tst_highlight.moc"
