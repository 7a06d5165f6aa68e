// The dial's pure logic: geometry both ways, the highlight's count, and the
// numbers kept as text. Expected values are the exercise's own figures,
// written out; doubles that must be exact are compared as 17-digit text.

#include "dial/construction.h"
#include "dial/dialgeometry.h"
#include "dial/highlightcycle.h"
#include "dial/numbertext.h"
#include "dial/practiceround.h"
#include "dial/zoom.h"
#include "testsupport.h"

#include <QTest>

#include <algorithm>
#include <cmath>
#include <tuple>

using namespace Qt::StringLiterals;

class TestDial : public QObject
{
    Q_OBJECT

private slots:
    void startAngleWithTheLiteralPi();
    void hourPoints_data();
    void hourPoints();
    void directions_data();
    void directions();
    void sectorBoundaries_data();
    void sectorBoundaries();
    void highlightEndsOnTheThirteenthTick();
    void hourAfter_data();
    void hourAfter();
    void sectorOfHour_data();
    void sectorOfHour();
    void angleText_data();
    void angleText();
    void zoomSteps();
    void numberToText_data();
    void numberToText();
    void roundTrip_data();
    void roundTrip();
    void rejectsText_data();
    void rejectsText();
    void spokenNumbers_data();
    void spokenNumbers();
    void practiceRound();
    void intersections_data();
    void intersections();
    void constructionSteps();
    void practiceTasksOverManySeeds();
};

namespace {

// Every digit a double holds, so that a change in the last bit shows.
QString exact(double value)
{
    return QString::number(value, 'g', 17);
}

} // namespace

void TestDial::startAngleWithTheLiteralPi()
{
    // A hair under the full-precision quarter turn, 1.5707963267948966.
    QCOMPARE(exact(dial::startAngle()), u"1.570796326794895"_s);
}

void TestDial::hourPoints_data()
{
    QTest::addColumn<int>("hour");
    QTest::addColumn<QPointF>("point");    // to two decimals
    QTest::addColumn<QString>("xText");    // as the hidden lists keep them
    QTest::addColumn<QString>("yText");

    QTest::newRow("hour 1") << 1 << QPointF(700, 153.59) << QString() << u"153.589838486225"_s;
    QTest::newRow("hour 2") << 2 << QPointF(846.41, 300) << QString() << QString();
    QTest::newRow("hour 3") << 3 << QPointF(900, 500) << u"900"_s << u"500"_s;
    QTest::newRow("hour 4") << 4 << QPointF(846.41, 700) << QString() << QString();
    QTest::newRow("hour 5") << 5 << QPointF(700, 846.41) << QString() << QString();
    QTest::newRow("hour 6") << 6 << QPointF(500, 900) << u"500.000000000001"_s << QString();
    QTest::newRow("hour 7") << 7 << QPointF(300, 846.41) << QString() << QString();
    QTest::newRow("hour 8") << 8 << QPointF(153.59, 700) << QString() << QString();
    QTest::newRow("hour 9") << 9 << QPointF(100, 500) << QString() << QString();
    QTest::newRow("hour 10") << 10 << QPointF(153.59, 300) << QString() << QString();
    QTest::newRow("hour 11") << 11 << QPointF(300, 153.59) << QString() << QString();
    QTest::newRow("hour 12") << 12 << QPointF(500, 100) << u"499.999999999998"_s << QString();
}

void TestDial::hourPoints()
{
    QFETCH(int, hour);
    QFETCH(QPointF, point);
    QFETCH(QString, xText);
    QFETCH(QString, yText);
    const QPointF actual = dial::hourPoint(hour, QPointF(500, 500));
    QVERIFY2(qAbs(actual.x() - point.x()) < 0.005 && qAbs(actual.y() - point.y()) < 0.005,
             qPrintable(exact(actual.x()) + u", "_s + exact(actual.y())));
    // The residues of the literal pi, in the last of 15 digits.
    if (!xText.isEmpty())
        QCOMPARE(dial::numberToText(actual.x(), QLocale::c()), xText);
    if (!yText.isEmpty())
        QCOMPARE(dial::numberToText(actual.y(), QLocale::c()), yText);
}

void TestDial::directions_data()
{
    QTest::addColumn<float>("dx");
    QTest::addColumn<float>("dy");
    QTest::addColumn<QString>("angle");
    QTest::addColumn<int>("hour");

    QTest::newRow("centre") << 0.f << 0.f << u"0"_s << 3;
    QTest::newRow("right") << 400.f << 0.f << u"0"_s << 3;
    QTest::newRow("up") << 0.f << 400.f << u"90"_s << 12;
    QTest::newRow("left") << -400.f << 0.f << u"180"_s << 9;
    QTest::newRow("down") << 0.f << -400.f << u"270"_s << 6;
    // The literal pi leaves 45 a hair too large: hour 1, not 2.
    QTest::newRow("rising diagonal, (600, 400)") << 100.f << 100.f << u"45.000000000000043"_s << 1;
    QTest::newRow("diagonal to lower left") << -100.f << -100.f << u"225.00000000000003"_s << 7;
    QTest::newRow("diagonal to upper left") << -100.f << 100.f << u"134.99999999999994"_s << 11;
    QTest::newRow("diagonal to lower right") << 100.f << -100.f << u"314.99999999999994"_s << 5;
    QTest::newRow("first quadrant") << 100.f << 50.f << u"26.565051177078018"_s << 2;
    QTest::newRow("second quadrant") << -50.f << 100.f << u"116.56505117707793"_s << 11;
    QTest::newRow("third quadrant") << -100.f << -50.f << u"206.565051177078"_s << 8;
    QTest::newRow("fourth quadrant") << 50.f << -100.f << u"296.56505117707792"_s << 5;
    QTest::newRow("near, (510, 500)") << 10.f << 0.f << u"0"_s << 3;
    QTest::newRow("far, (950, 500)") << 450.f << 0.f << u"0"_s << 3;
    // The quotient is a single: 1/5000 is not quite 0.0002.
    QTest::newRow("far off the dial, single quotient") << 5000.f << 1.f << u"0.01145915546034512"_s << 3;
    QTest::newRow("just right of straight down") << 0.5f << -500.f << u"270.05729576041443"_s << 6;
}

void TestDial::directions()
{
    QFETCH(float, dx);
    QFETCH(float, dy);
    QFETCH(QString, angle);
    QFETCH(int, hour);
    QCOMPARE(exact(dial::angle(dx, dy)), angle);
    QCOMPARE(dial::hourFor(dx, dy), qint16(hour));
}

void TestDial::sectorBoundaries_data()
{
    QTest::addColumn<double>("angle");
    QTest::addColumn<int>("hour");

    // Each sector is open below and closed above: the top of each one, and
    // the next double past it.
    const struct
    {
        double top;
        int hour, next;
    } sectors[] = {{15, 3, 2},   {45, 2, 1},   {75, 1, 12},  {105, 12, 11}, {135, 11, 10}, {165, 10, 9},
                   {195, 9, 8},  {225, 8, 7},  {255, 7, 6},  {285, 6, 5},   {315, 5, 4},   {345, 4, 3}};
    for (const auto &sector : sectors) {
        QTest::addRow("%g belongs to %d", sector.top, sector.hour) << sector.top << sector.hour;
        QTest::addRow("just over %g is %d", sector.top, sector.next) << std::nextafter(sector.top, 360.0)
                                                                     << sector.next;
    }
    QTest::newRow("zero") << 0.0 << 3;
    QTest::newRow("just under a full turn") << std::nextafter(360.0, 0.0) << 3;
}

void TestDial::sectorBoundaries()
{
    QFETCH(double, angle);
    QFETCH(int, hour);
    QCOMPARE(dial::hourAt(angle), qint16(hour));
}

void TestDial::highlightEndsOnTheThirteenthTick()
{
    dial::HighlightCycle cycle;
    cycle.start(7);
    for (int tick = 1; tick <= 5; ++tick)
        QVERIFY(!cycle.tick());
    cycle.start(4); // a new choice counts from the start again
    QCOMPARE(cycle.SelectedHour, qint16(4));
    for (int tick = 1; tick <= 12; ++tick)
        QVERIFY2(!cycle.tick(), qPrintable(QString::number(tick)));
    QVERIFY(cycle.tick());
    QCOMPARE(cycle.HighlightTicks, qint16(13));
}

void TestDial::hourAfter_data()
{
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("steps");
    QTest::addColumn<int>("hour");
    QTest::newRow("clockwise from nothing") << 0 << +1 << 1;
    QTest::newRow("counterclockwise from nothing") << 0 << -1 << 12;
    QTest::newRow("clockwise from 1") << 1 << +1 << 2;
    QTest::newRow("clockwise past 12") << 12 << +1 << 1;
    QTest::newRow("counterclockwise past 1") << 1 << -1 << 12;
    QTest::newRow("counterclockwise from 7") << 7 << -1 << 6;
    QTest::newRow("a whole turn") << 5 << 12 << 5;
}

void TestDial::hourAfter()
{
    QFETCH(int, from);
    QFETCH(int, steps);
    QFETCH(int, hour);
    QCOMPARE(dial::hourAfter(qint16(from), steps), qint16(hour));
}

void TestDial::sectorOfHour_data()
{
    QTest::addColumn<int>("hour");
    QTest::addColumn<double>("lower");
    QTest::addColumn<double>("upper");
    QTest::newRow("1") << 1 << 45.0 << 75.0;
    QTest::newRow("3, across 0") << 3 << 345.0 << 15.0;
    QTest::newRow("9") << 9 << 165.0 << 195.0;
    QTest::newRow("12") << 12 << 75.0 << 105.0;
}

void TestDial::sectorOfHour()
{
    QFETCH(int, hour);
    QFETCH(double, lower);
    QFETCH(double, upper);
    QCOMPARE(dial::sectorEdgesOf(hour), (std::array<double, 2>{lower, upper}));
}

void TestDial::angleText_data()
{
    QTest::addColumn<float>("dx");
    QTest::addColumn<float>("dy");
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("text");
    const QLocale point(QLocale::English, QLocale::UnitedStates);
    const QLocale comma(QLocale::Bulgarian, QLocale::Bulgaria);
    // The rising diagonal, a press at (600, 400): two decimals would say
    // 45, an edge, where the angle is just past it.
    QTest::newRow("rising diagonal, point") << 100.0f << 100.0f << point << u"a = 45.00000000000004°"_s;
    QTest::newRow("rising diagonal, comma") << 100.0f << 100.0f << comma << u"a = 45,00000000000004°"_s;
    QTest::newRow("right of the centre") << 100.0f << 0.0f << comma << u"a = 0,00°"_s;
    QTest::newRow("above the centre") << 0.0f << 100.0f << comma << u"a = 90,00°"_s;
    QTest::newRow("upper left") << -200.0f << 300.0f << comma << u"a = 123,69°"_s;
    QTest::newRow("left of the centre") << -100.0f << 0.0f << comma << u"a = 180,00°"_s;
}

void TestDial::angleText()
{
    QFETCH(float, dx);
    QFETCH(float, dy);
    QFETCH(QLocale, locale);
    QFETCH(QString, text);
    QCOMPARE(dial::angleText(dial::angle(dx, dy), locale), text);
}

void TestDial::zoomSteps()
{
    const QSize window(489, 431);
    // The largest step whose window fits, 100 % at the least.
    QCOMPARE(dial::largestZoomStep(window, QSize(2560, 1600)), 6); // 300 %: 1467 x 1293
    QCOMPARE(dial::largestZoomStep(window, QSize(1920, 1080)), 5); // 250 %: 1223 x 1078
    QCOMPARE(dial::largestZoomStep(window, QSize(800, 600)), 1);
    QCOMPARE(dial::largestZoomStep(window, QSize(320, 240)), 0);
    QCOMPARE(dial::zoomedSize(window, 1.25), QSize(612, 539));

    // A window of a step's size is drawn at that step; any other at the
    // largest zoom that keeps it whole and round.
    QCOMPARE(dial::fittingZoom(window, QSize(612, 539)), 1.25);
    QCOMPARE(QString::number(dial::fittingZoom(window, QSize(1920, 1080)), 'g', 17), u"2.5058004640371228"_s);
    QCOMPARE(QString::number(dial::fittingZoom(window, QSize(1000, 2000)), 'g', 17), u"2.0449897750511248"_s);

    QCOMPARE(dial::nextZoomStep(1.0, +1), 1.25);
    QCOMPARE(dial::nextZoomStep(1.6, +1), 1.75); // from a window resized by hand
    QCOMPARE(dial::nextZoomStep(2.5058, -1), 2.5);
    QCOMPARE(dial::nextZoomStep(4.0, +1), 4.0);
    QCOMPARE(dial::nextZoomStep(1.0, -1), 1.0);
    QCOMPARE(dial::nextZoomStep(1.0, +2), 1.5); // a wheel turned two notches at once
    QCOMPARE(dial::nextZoomStep(3.0, +3), 4.0);
    QCOMPARE(dial::nextZoomStep(1.5, -3), 1.0);

    // A window opens at 100 %, or smaller where the screen is smaller, not below half.
    QCOMPARE(dial::startZoom(window, QSize(1920, 1080), 0.5), 1.0);
    QCOMPARE(QString::number(dial::startZoom(window, QSize(512, 384), 0.5), 'g', 17), u"0.89095127610208813"_s);
    QCOMPARE(dial::startZoom(window, QSize(100, 100), 0.5), 0.5);
}

void TestDial::numberToText_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("text");

    const QLocale c = QLocale::c();
    const QLocale us(QLocale::English, QLocale::UnitedStates);
    const QLocale bg(QLocale::Bulgarian, QLocale::Bulgaria);
    const QLocale de(QLocale::German, QLocale::Germany);
    const QLocale egypt(QLocale::Arabic, QLocale::Egypt);

    QTest::newRow("whole number") << 900.0 << c << u"900"_s;
    QTest::newRow("15 digits, residue kept") << 500.000000000001 << c << u"500.000000000001"_s;
    QTest::newRow("16th digit rounded away") << 153.58983848622455 << us << u"153.589838486225"_s;
    QTest::newRow("no trailing zeros") << 846.5 << us << u"846.5"_s;
    QTest::newRow("decimal comma") << 153.589838486225 << bg << u"153,589838486225"_s;
    QTest::newRow("negative, German") << -25.5 << de << u"-25,5"_s;
    QTest::newRow("no group separators") << 1234567.25 << us << u"1234567.25"_s;
    QTest::newRow("no group separators, German") << 1234567.25 << de << u"1234567,25"_s;
    QTest::newRow("ASCII digits in Arabic") << 12.5 << egypt << u"12\u066B5"_s;
    QTest::newRow("negative zero") << -0.0 << c << u"0"_s;
    QTest::newRow("small, fixed") << 0.0001 << c << u"0.0001"_s;
    QTest::newRow("smaller, exponent") << 0.00001 << c << u"1E-05"_s;
    QTest::newRow("15 integer digits") << 123456789012345.0 << c << u"123456789012345"_s;
    QTest::newRow("16 integer digits, exponent") << 1e15 << c << u"1E+15"_s;
}

void TestDial::numberToText()
{
    QFETCH(double, value);
    QFETCH(QLocale, locale);
    QFETCH(QString, text);
    QCOMPARE(dial::numberToText(value, locale), text);
}

void TestDial::roundTrip_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::newRow("C") << QLocale::c();
    QTest::newRow("en_US") << QLocale(QLocale::English, QLocale::UnitedStates);
    QTest::newRow("bg_BG") << QLocale(QLocale::Bulgarian, QLocale::Bulgaria);
    QTest::newRow("fr_FR") << QLocale(QLocale::French, QLocale::France);
    QTest::newRow("ar_EG") << QLocale(QLocale::Arabic, QLocale::Egypt);
    QTest::newRow("fa_IR") << QLocale(QLocale::Persian, QLocale::Iran);
}

void TestDial::roundTrip()
{
    QFETCH(QLocale, locale);
    for (const double value : {900.0, 153.589838486225, 846.410161513775, -25.4754, 0.0, 1e-7, 3e38}) {
        QCOMPARE(dial::textToSingle(dial::numberToText(value, locale), locale), float(value));
        // The default argument is the user's locale.
        const LocaleScope scope(locale);
        QCOMPARE(dial::textToSingle(dial::numberToText(value)), float(value));
        // A point kept as text reads back as the same point, in single precision.
        const QPointF point(value, 153.589838486225);
        QCOMPARE(dial::PointText::of(point).read(), QPointF(float(value), 153.589838486225f));
    }
}

void TestDial::rejectsText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<bool>("number");

    const QLocale us(QLocale::English, QLocale::UnitedStates);
    const QLocale bg(QLocale::Bulgarian, QLocale::Bulgaria);
    QTest::newRow("empty") << QString() << us << false;
    QTest::newRow("word") << u"III"_s << us << false;
    QTest::newRow("point where comma is used") << u"153.5"_s << bg << false;
    QTest::newRow("group separator") << u"1,000"_s << us << false;
    QTest::newRow("infinity") << u"inf"_s << us << false;
    QTest::newRow("not a number") << u"nan"_s << us << false;
    QTest::newRow("beyond single") << u"1E+39"_s << us << false;
    QTest::newRow("surrounding blanks are fine") << u" 12.5 "_s << us << true;
}

void TestDial::rejectsText()
{
    QFETCH(QString, text);
    QFETCH(QLocale, locale);
    QFETCH(bool, number);
    QCOMPARE(dial::textToSingle(text, locale).has_value(), number);
    // One text that is no number, and the point has no place.
    QCOMPARE((dial::PointText{u"500"_s, text}.read(locale).has_value()), number);
}

void TestDial::spokenNumbers_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");
    QTest::newRow("one hour, singular") << dial::hourWords(1) << u"1 час"_s;
    QTest::newRow("two hours") << dial::hourWords(2) << u"2 часа"_s;
    QTest::newRow("twelve hours") << dial::hourWords(12) << u"12 часа"_s;
    QTest::newRow("degrees round down") << dial::wholeDegreesText(158.49) << u"158°"_s;
    QTest::newRow("degrees round up") << dial::wholeDegreesText(7.5) << u"8°"_s;
    QTest::newRow("a full turn is 0") << dial::wholeDegreesText(359.6) << u"0°"_s;
}

void TestDial::spokenNumbers()
{
    QFETCH(QString, text);
    QFETCH(QString, expected);
    QCOMPARE(text, expected);
}

void TestDial::practiceRound()
{
    // A round's rules, whatever its seed draws: each task asks in words,
    // an arrow by its angle alone; a choice answers once; four answers
    // wrong, one of them for each task of three.
    using Phase = dial::PracticeRound::Phase;
    for (const quint32 seed : {2026u, 7u}) {
        dial::PracticeRound round(seed);
        int arrowsBefore = 0;
        for (int i = 0; i < dial::PracticeRound::TaskCount; ++i) {
            QCOMPARE(round.phase(), Phase::Asking);
            const dial::PracticeRound::Task task = round.task();
            const bool pointAt = task.kind == dial::PracticeRound::Kind::PointAt;
            // How an arrow is measured is told with the round's first arrow only.
            QCOMPARE(round.firstArrow(), !pointAt && arrowsBefore == 0);
            arrowsBefore += pointAt ? 0 : 1;
            // Left before its first answer, a round loses nothing.
            QCOMPARE(round.unfinished(), i > 0);
            const QString hour = dial::hourWords(task.hour);
            if (pointAt)
                QCOMPARE(round.taskText(), u"Посочете %1."_s.arg(hour));
            else
                QCOMPARE(round.taskText(), u"Стрелката сочи под %1. Колко часа показва?"_s.arg(dial::wholeDegreesText(task.arrowDegrees)));
            const bool wrong = i % 3 == 0;
            const qint16 answer = wrong ? dial::hourAfter(task.hour, 1) : task.hour;
            QVERIFY(round.choose(answer));
            QVERIFY(!round.choose(task.hour)); // while the feedback shows: nothing
            if (!wrong)
                QCOMPARE(round.feedbackText(), u"Вярно!"_s);
            else if (pointAt)
                QCOMPARE(round.feedbackText(), u"Не е вярно: избрахте %1, а търсеният е %2."_s.arg(dial::hourWords(answer), hour));
            else
                QCOMPARE(round.feedbackText(),
                         u"Не е вярно: избрахте %1, а стрелката показва %2."_s.arg(dial::hourWords(answer), hour));
            if (i == 2)
                QCOMPARE(round.leftText(), u"Упражнението е прекъснато на задача 3 от 10. Верни отговори: 2 от 3."_s);
            round.next();
        }
        QVERIFY(!round.unfinished());
        QCOMPARE(round.scoreText(), u"Верни отговори: 6 от 10"_s);
        QCOMPARE(round.endText(), u"Край на кръга: 6 от 10 верни. Изберете час, за да започнете нов кръг."_s);
        round.next(); // nothing to go on to
        QCOMPARE(round.phase(), Phase::Finished);

        // A choice starts the next round, which it does not answer.
        QVERIFY(!round.choose(3));
        QCOMPARE(round.phase(), Phase::Asking);
        QCOMPARE(round.scoreText(), u"Верни отговори: 0 от 0"_s);
    }
}

void TestDial::practiceTasksOverManySeeds()
{
    // Two rounds for each of many seeds: five tasks of each kind, never the
    // same hour twice in a row, each arrow inside its hour's sector (15
    // degrees either side of the hour's direction) and 5 degrees from its edges.
    for (quint32 seed = 0; seed < 500; ++seed) {
        dial::PracticeRound round(seed);
        qint16 previous = 0;
        for (int task = 0, arrows = 0; task < 2 * dial::PracticeRound::TaskCount; ++task) {
            const dial::PracticeRound::Task asked = round.task();
            QVERIFY2(asked.hour != previous, qPrintable(u"seed %1, task %2"_s.arg(seed).arg(task)));
            previous = asked.hour;
            if (asked.kind == dial::PracticeRound::Kind::ReadArrow) {
                const double intoSector = std::fmod(asked.arrowDegrees + 15, 30);
                QVERIFY2(asked.arrowDegrees >= 0 && asked.arrowDegrees < 360 && intoSector >= 5 && intoSector <= 25,
                         qPrintable(u"seed %1: arrow at %2"_s.arg(seed).arg(asked.arrowDegrees)));
                QCOMPARE(dial::hourAt(asked.arrowDegrees), asked.hour);
                ++arrows;
            }
            round.choose(asked.hour);
            round.next();
            if (round.phase() == dial::PracticeRound::Phase::Finished) {
                QCOMPARE(arrows, dial::PracticeRound::TaskCount / 2);
                arrows = 0;
                round.choose(1); // the next round
            }
        }
    }
}

void TestDial::intersections_data()
{
    QTest::addColumn<bool>("circles"); // two circles, or a line (first centre to second) and a circle
    QTest::addColumn<QPointF>("a");
    QTest::addColumn<QPointF>("b");
    QTest::addColumn<double>("radius"); // of both circles, or of the second
    QTest::addColumn<QList<QPointF>>("expected");
    // 3-4-5 triangles: the points are exact.
    QTest::newRow("circles, side by side") << true << QPointF(0, 0) << QPointF(6, 0) << 5.0
                                           << QList<QPointF>{{3, -4}, {3, 4}};
    QTest::newRow("circles, one above the other") << true << QPointF(0, 0) << QPointF(0, 8) << 5.0
                                                  << QList<QPointF>{{3, 4}, {-3, 4}};
    QTest::newRow("circles too far apart") << true << QPointF(0, 0) << QPointF(11, 0) << 5.0 << QList<QPointF>{};
    QTest::newRow("circles on one centre") << true << QPointF(1, 1) << QPointF(1, 1) << 5.0 << QList<QPointF>{};
    QTest::newRow("line through the centre") << false << QPointF(-10, 0) << QPointF(0, 0) << 5.0
                                             << QList<QPointF>{{-5, 0}, {5, 0}};
    QTest::newRow("line off the centre, backwards") << false << QPointF(10, 3) << QPointF(7, 3) << 5.0
                                                    << QList<QPointF>{{4, 3}, {-4, 3}};
    QTest::newRow("line missing") << false << QPointF(0, 6) << QPointF(1, 6) << 5.0 << QList<QPointF>{};
}

void TestDial::intersections()
{
    QFETCH(bool, circles);
    QFETCH(QPointF, a);
    QFETCH(QPointF, b);
    QFETCH(double, radius);
    QFETCH(QList<QPointF>, expected);
    // The second circle is centred at b when there are two, at the origin otherwise.
    const auto found = circles ? dial::intersections(dial::Circle{a, radius}, dial::Circle{b, radius})
                               : dial::intersections(dial::Line{a, b}, dial::Circle{{0, 0}, radius});
    QCOMPARE(found.has_value(), !expected.isEmpty());
    for (qsizetype i = 0; found && i < 2; ++i) {
        QVERIFY2(std::hypot(found->at(i).x() - expected[i].x(), found->at(i).y() - expected[i].y()) < 1e-12,
                 qPrintable(u"%1, %2"_s.arg(found->at(i).x()).arg(found->at(i).y())));
    }
}

void TestDial::constructionSteps()
{
    // Each step's strokes, written out, and the hours it finds; every point
    // found lies on the dial's dot for its hour.
    struct Expected
    {
        int arcs;
        int segments;
        QList<int> hours;
        int polygons;
    };
    const Expected expected[] = {{1, 0, {12}, 0},   {0, 1, {6}, 0},          {2, 1, {9, 3}, 0}, {1, 0, {10, 2}, 0},
                                 {1, 0, {4, 8}, 0}, {2, 0, {1, 5, 7, 11}, 0}, {0, 0, {}, 4}};
    const QList<dial::ConstructionStep> steps = dial::construction(dial::Centre, dial::Radius);
    QCOMPARE(steps.size(), 7);
    QList<int> all;
    for (int i = 0; i < 7; ++i) {
        const dial::ConstructionStep &step = steps[i];
        QCOMPARE(step.arcs.size(), expected[i].arcs);
        QCOMPARE(step.segments.size(), expected[i].segments);
        QCOMPARE(step.polygons.size(), expected[i].polygons);
        QList<int> hours;
        for (const dial::ConstructionStep::Found &found : step.found) {
            hours << found.hour;
            const QPointF dot = HourPoints[found.hour - 1];
            const QPointF exact = dial::hourPoint(found.hour, dial::Centre);
            QVERIFY2(std::hypot(found.at.x() - exact.x(), found.at.y() - exact.y()) < 1e-9, qPrintable(QString::number(found.hour)));
            QVERIFY(std::hypot(found.at.x() - dot.x(), found.at.y() - dot.y()) < 0.005);
        }
        QCOMPARE(hours, expected[i].hours);
        all << hours;
        QVERIFY(dial::stepCaption(step, i, 7).startsWith(u"Стъпка %1 от 7: "_s.arg(i + 1)));
    }
    std::sort(all.begin(), all.end());
    QCOMPARE(all, QList<int>({1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12}));
    QCOMPARE(dial::stepCaption(steps[3], 3, 7), u"Стъпка 4 от 7: пергелът в 12, с радиуса на окръжността, засича окръжността в 10 и 2."_s);
    // The polygons through every 1st, 2nd, 3rd and 4th point, with their angles.
    const QList<dial::ConstructionStep::Polygon> &polygons = steps[6].polygons;
    for (const auto &[corners, stride, degrees] : {std::tuple{12, 1, 150.0}, {6, 2, 120.0}, {4, 3, 90.0}, {3, 4, 60.0}}) {
        QVERIFY(std::any_of(polygons.begin(), polygons.end(), [&](const dial::ConstructionStep::Polygon &p) {
            return p.corners == corners && p.stride == stride && p.interiorAngle == degrees;
        }));
    }
}

QTEST_GUILESS_MAIN(TestDial)
#include "tst_dial.moc"
