// The regular N-gon's facts: which N straightedge and compass can build, the
// reason in words, the interior angle as the exercise writes it, and the
// corners. Expected values are written out, not computed.

#include "dial/regularpolygon.h"

#include <QLineF>
#include <QTest>

#include <cmath>

using namespace Qt::StringLiterals;

class TestRegularPolygon : public QObject
{
    Q_OBJECT

private slots:
    void constructible_data();
    void constructible();
    void reasons_data();
    void reasons();
    void primeFactors_data();
    void primeFactors();
    void interiorAngle_data();
    void interiorAngle();
    void corners_data();
    void corners();
};

void TestRegularPolygon::constructible_data()
{
    QTest::addColumn<int>("n");
    QTest::addColumn<bool>("constructible");
    // Gauss's list up to 24: powers of 2 times distinct primes 3, 5, 17.
    const QList<int> yes{3, 4, 5, 6, 8, 10, 12, 15, 16, 17, 20, 24};
    for (int n = 3; n <= 24; ++n)
        QTest::addRow("%d", n) << n << yes.contains(n);
}

void TestRegularPolygon::constructible()
{
    QFETCH(int, n);
    QFETCH(bool, constructible);
    QCOMPARE(dial::isConstructible(n), constructible);
    // The caption says the same.
    const QString text = dial::constructibilityText(n);
    QVERIFY2(text.startsWith(constructible ? u"Правилният %1-ъгълник се построява с линийка и пергел: "_s.arg(n)
                                           : u"Правилният %1-ъгълник не може да се построи само с линийка и пергел: "_s.arg(n)),
             qPrintable(text));
}

void TestRegularPolygon::reasons_data()
{
    QTest::addColumn<int>("n");
    QTest::addColumn<QString>("why"); // after the colon
    QTest::newRow("a Fermat prime") << 5 << u"5 е просто число от вида 2^(2^k) + 1."_s;
    QTest::newRow("another prime") << 7 << u"7 е просто число, което не е от вида 2^(2^k) + 1."_s;
    QTest::newRow("a Fermat prime twice") << 9 << u"9 = 3·3, а простото число 3 се среща два пъти."_s;
    QTest::newRow("twice, by 2") << 18 << u"18 = 2·3·3, а простото число 3 се среща два пъти."_s;
    QTest::newRow("a prime not Fermat's") << 21 << u"21 = 3·7, а простото число 7 не е от вида 2^(2^k) + 1."_s;
    QTest::newRow("a power of 2") << 16 << u"16 = 2·2·2·2, степен на 2, а всеки ъгъл се разполовява с линийка и пергел."_s;
    QTest::newRow("one Fermat prime") << 24 << u"24 = 2·2·2·3, а простото число 3 е от вида 2^(2^k) + 1 и се среща веднъж."_s;
    QTest::newRow("two Fermat primes") << 15 << u"15 = 3·5, а простите числа 3 и 5 са от вида 2^(2^k) + 1 и всяко се среща веднъж."_s;
}

void TestRegularPolygon::reasons()
{
    QFETCH(int, n);
    QFETCH(QString, why);
    const QString text = dial::constructibilityText(n);
    QCOMPARE(text.mid(text.indexOf(u": "_s) + 2), why);
}

void TestRegularPolygon::primeFactors_data()
{
    QTest::addColumn<int>("n");
    QTest::addColumn<QList<int>>("factors"); // prime, power, prime, power...
    QTest::newRow("prime") << 17 << QList<int>{17, 1};
    QTest::newRow("square") << 9 << QList<int>{3, 2};
    QTest::newRow("mixed") << 24 << QList<int>{2, 3, 3, 1};
    QTest::newRow("large prime last") << 22 << QList<int>{2, 1, 11, 1};
    QTest::newRow("Fermat's largest") << 65537 << QList<int>{65537, 1};
}

void TestRegularPolygon::primeFactors()
{
    QFETCH(int, n);
    QFETCH(QList<int>, factors);
    QList<int> found;
    for (const dial::PrimePower &factor : dial::primeFactors(n))
        found << factor.prime << factor.power;
    QCOMPARE(found, factors);
}

void TestRegularPolygon::interiorAngle_data()
{
    QTest::addColumn<int>("n");
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("text");
    QTest::newRow("whole") << 5 << u"bg_BG"_s << u"(5 − 2)·180/5 = 108°"_s;
    QTest::newRow("whole, reduced") << 24 << u"bg_BG"_s << u"(24 − 2)·180/24 = 165°"_s;
    QTest::newRow("rounded") << 7 << u"bg_BG"_s << u"(7 − 2)·180/7 = 900/7° ≈ 128,57°"_s;
    QTest::newRow("rounded, point") << 7 << u"en_US"_s << u"(7 − 2)·180/7 = 900/7° ≈ 128.57°"_s;
    QTest::newRow("exact decimal") << 16 << u"bg_BG"_s << u"(16 − 2)·180/16 = 315/2° = 157,5°"_s;
    QTest::newRow("rounded up") << 11 << u"bg_BG"_s << u"(11 − 2)·180/11 = 1620/11° ≈ 147,27°"_s;
    QTest::newRow("seventeen") << 17 << u"bg_BG"_s << u"(17 − 2)·180/17 = 2700/17° ≈ 158,82°"_s;
}

void TestRegularPolygon::interiorAngle()
{
    QFETCH(int, n);
    QFETCH(QString, locale);
    QFETCH(QString, text);
    QCOMPARE(dial::interiorAngleText(n, QLocale(locale)), text);
}

void TestRegularPolygon::corners_data()
{
    QTest::addColumn<int>("n");
    QTest::addColumn<QList<QPointF>>("corners");
    // Centre (500, 500), radius 400, y downward: 12 first, then clockwise.
    const double h = 400 * std::sqrt(3.0) / 2;
    QTest::newRow("triangle") << 3 << QList<QPointF>{{500, 100}, {500 + h, 700}, {500 - h, 700}};
    QTest::newRow("square") << 4 << QList<QPointF>{{500, 100}, {900, 500}, {500, 900}, {100, 500}};
    QTest::newRow("hexagon") << 6
                             << QList<QPointF>{{500, 100}, {500 + h, 300}, {500 + h, 700}, {500, 900}, {500 - h, 700}, {500 - h, 300}};
}

void TestRegularPolygon::corners()
{
    QFETCH(int, n);
    QFETCH(QList<QPointF>, corners);
    const QList<QPointF> found = dial::polygonCorners({500, 500}, 400, n);
    QCOMPARE(found.size(), corners.size());
    for (qsizetype i = 0; i < corners.size(); ++i) {
        QVERIFY2(QLineF(found[i], corners[i]).length() < 1e-9,
                 qPrintable(u"corner %1 at %2, %3"_s.arg(i).arg(found[i].x(), 0, 'g', 17).arg(found[i].y(), 0, 'g', 17)));
    }
}

QTEST_GUILESS_MAIN(TestRegularPolygon)
#include "tst_regularpolygon.moc"
