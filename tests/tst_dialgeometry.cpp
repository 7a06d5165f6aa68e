#include "app/dialgeometry.h"

#include <QTest>

class TestDialGeometry : public QObject
{
    Q_OBJECT

private slots:
    void startAngleIsAQuarterTurn();
    void hourPoints_data();
    void hourPoints();
};

void TestDialGeometry::startAngleIsAQuarterTurn()
{
    // With the literal pi the half-sum is a hair under the full-precision pi/2.
    QCOMPARE(dial::startAngle(), 1.570796326794895);
    QVERIFY(dial::startAngle() < M_PI_2);
}

void TestDialGeometry::hourPoints_data()
{
    QTest::addColumn<int>("hour");
    QTest::addColumn<QPointF>("point");

    const QPointF expected[12] = {{700, 153.59}, {846.41, 300},    {900, 500},    {846.41, 700},
                                  {700, 846.41}, {500, 900},       {300, 846.41}, {153.59, 700},
                                  {100, 500},    {153.59, 300},    {300, 153.59}, {500, 100}};
    for (int hour = 1; hour <= 12; ++hour)
        QTest::addRow("hour %d", hour) << hour << expected[hour - 1];
}

void TestDialGeometry::hourPoints()
{
    QFETCH(int, hour);
    QFETCH(QPointF, point);
    const QPointF actual = dial::hourPoint(hour, QPointF(500, 500));
    QVERIFY2(qAbs(actual.x() - point.x()) < 0.005 && qAbs(actual.y() - point.y()) < 0.005,
             qPrintable(QStringLiteral("(%1, %2)").arg(actual.x(), 0, 'g', 17).arg(actual.y(), 0, 'g', 17)));
    // The centre moves the circle with it.
    QCOMPARE(dial::hourPoint(hour, QPointF(0, 0)) + QPointF(500, 500), actual);
}

QTEST_GUILESS_MAIN(TestDialGeometry)
#include "tst_dialgeometry.moc"
