#include "highlight/hourdirection.h"

#include <QTest>

class TestHourDirection : public QObject
{
    Q_OBJECT

private slots:
    void directions_data();
    void directions();
    void sectorBoundaries_data();
    void sectorBoundaries();
};

void TestHourDirection::directions_data()
{
    QTest::addColumn<float>("dx");
    QTest::addColumn<float>("dy");
    QTest::addColumn<double>("angle");
    QTest::addColumn<int>("hour");

    QTest::newRow("centre") << 0.f << 0.f << 0.0 << 3;
    QTest::newRow("right") << 400.f << 0.f << 0.0 << 3;
    QTest::newRow("up") << 0.f << 400.f << 90.0 << 12;
    QTest::newRow("left") << -400.f << 0.f << 180.0 << 9;
    QTest::newRow("down") << 0.f << -400.f << 270.0 << 6;
    // The literal pi leaves 45 a hair too large: hour 1, not 2.
    QTest::newRow("rising diagonal, (600, 400)") << 100.f << 100.f << 45.000000000000043 << 1;
    QTest::newRow("diagonal to lower left") << -100.f << -100.f << 225.00000000000003 << 7;
    QTest::newRow("diagonal to upper left") << -100.f << 100.f << 134.99999999999994 << 11;
    QTest::newRow("diagonal to lower right") << 100.f << -100.f << 314.99999999999994 << 5;
    QTest::newRow("first quadrant") << 100.f << 50.f << 26.565051177078018 << 2;
    QTest::newRow("second quadrant") << -50.f << 100.f << 116.56505117707793 << 11;
    QTest::newRow("third quadrant") << -100.f << -50.f << 206.565051177078 << 8;
    QTest::newRow("fourth quadrant") << 50.f << -100.f << 296.56505117707792 << 5;
    QTest::newRow("near, (510, 500)") << 10.f << 0.f << 0.0 << 3;
    QTest::newRow("far, (950, 500)") << 450.f << 0.f << 0.0 << 3;
    // The quotient is a single: 1/5000 is not quite 0.0002.
    QTest::newRow("far off the dial, single quotient") << 5000.f << 1.f << 0.01145915546034512 << 3;
    QTest::newRow("just right of straight down") << 0.5f << -500.f << 270.05729576041443 << 6;
}

void TestHourDirection::directions()
{
    QFETCH(float, dx);
    QFETCH(float, dy);
    QFETCH(double, angle);
    QFETCH(int, hour);
    QCOMPARE(hourdirection::angle(dx, dy), angle);
    QCOMPARE(hourdirection::hourFor(dx, dy), qint16(hour));
}

void TestHourDirection::sectorBoundaries_data()
{
    QTest::addColumn<double>("angle");
    QTest::addColumn<int>("hour");

    // Each sector is open below and closed above.
    const int counterclockwise[12] = {3, 2, 1, 12, 11, 10, 9, 8, 7, 6, 5, 4};
    for (int k = 0; k < 12; ++k) {
        const double top = 15.0 + 30.0 * k;
        const int next = counterclockwise[(k + 1) % 12];
        QTest::addRow("%g belongs to %d", top, counterclockwise[k]) << top << counterclockwise[k];
        QTest::addRow("just over %g is %d", top, next) << std::nextafter(top, 360.0) << next;
    }
    QTest::newRow("zero") << 0.0 << 3;
    QTest::newRow("just under a full turn") << std::nextafter(360.0, 0.0) << 3;
}

void TestHourDirection::sectorBoundaries()
{
    QFETCH(double, angle);
    QFETCH(int, hour);
    QCOMPARE(hourdirection::hourAt(angle), qint16(hour));
}

QTEST_GUILESS_MAIN(TestHourDirection)
#include "tst_hourdirection.moc"
