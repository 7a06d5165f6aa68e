#include "forms/conversions.h"
#include "testsupport.h"

#include <QTest>

using forms::RuntimeError;

class TestConversions : public QObject
{
    Q_OBJECT

private slots:
    void numberToText_data();
    void numberToText();
    void roundTrip_data();
    void roundTrip();
    void rejectsText_data();
    void rejectsText();
};

void TestConversions::numberToText_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("text");

    const QLocale c = QLocale::c();
    const QLocale us(QLocale::English, QLocale::UnitedStates);
    const QLocale bg(QLocale::Bulgarian, QLocale::Bulgaria);
    const QLocale de(QLocale::German, QLocale::Germany);
    const QLocale egypt(QLocale::Arabic, QLocale::Egypt);

    QTest::newRow("whole number") << 900.0 << c << u"900"_qs;
    QTest::newRow("15 digits, residue kept") << 500.000000000001 << c << u"500.000000000001"_qs;
    QTest::newRow("16th digit rounded away") << 153.58983848622455 << us << u"153.589838486225"_qs;
    QTest::newRow("no trailing zeros") << 846.5 << us << u"846.5"_qs;
    QTest::newRow("decimal comma") << 153.589838486225 << bg << u"153,589838486225"_qs;
    QTest::newRow("negative, German") << -25.5 << de << u"-25,5"_qs;
    QTest::newRow("no group separators") << 1234567.25 << us << u"1234567.25"_qs;
    QTest::newRow("no group separators, German") << 1234567.25 << de << u"1234567,25"_qs;
    QTest::newRow("ASCII digits in Arabic") << 12.5 << egypt << u"12\u066B5"_qs;
    QTest::newRow("negative zero") << -0.0 << c << u"0"_qs;
    QTest::newRow("small, fixed") << 0.0001 << c << u"0.0001"_qs;
    QTest::newRow("smaller, exponent") << 0.00001 << c << u"1E-05"_qs;
    QTest::newRow("15 integer digits") << 123456789012345.0 << c << u"123456789012345"_qs;
    QTest::newRow("16 integer digits, exponent") << 1e15 << c << u"1E+15"_qs;
}

void TestConversions::numberToText()
{
    QFETCH(double, value);
    QFETCH(QLocale, locale);
    QFETCH(QString, text);
    QCOMPARE(forms::numberToText(value, locale), text);
}

void TestConversions::roundTrip_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::newRow("C") << QLocale::c();
    QTest::newRow("en_US") << QLocale(QLocale::English, QLocale::UnitedStates);
    QTest::newRow("bg_BG") << QLocale(QLocale::Bulgarian, QLocale::Bulgaria);
    QTest::newRow("fr_FR") << QLocale(QLocale::French, QLocale::France);
    QTest::newRow("ar_EG") << QLocale(QLocale::Arabic, QLocale::Egypt);
    QTest::newRow("fa_IR") << QLocale(QLocale::Persian, QLocale::Iran);
}

void TestConversions::roundTrip()
{
    QFETCH(QLocale, locale);
    for (const double value : {900.0, 153.589838486225, 846.410161513775, -25.4754, 0.0, 1e-7, 3e38}) {
        const QString text = forms::numberToText(value, locale);
        QCOMPARE(forms::textToSingle(text, locale), float(value));
        // The default argument is the user's locale.
        const LocaleScope scope(locale);
        QCOMPARE(forms::textToSingle(forms::numberToText(value)), float(value));
    }
}

void TestConversions::rejectsText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<int>("error");

    const QLocale us(QLocale::English, QLocale::UnitedStates);
    const QLocale bg(QLocale::Bulgarian, QLocale::Bulgaria);
    const int mismatch = RuntimeError::TypeMismatch;

    QTest::newRow("empty") << QString() << us << mismatch;
    QTest::newRow("word") << u"III"_qs << us << mismatch;
    QTest::newRow("point where comma is used") << u"153.5"_qs << bg << mismatch;
    QTest::newRow("group separator") << u"1,000"_qs << us << mismatch;
    QTest::newRow("infinity") << u"inf"_qs << us << mismatch;
    QTest::newRow("not a number") << u"nan"_qs << us << mismatch;
    QTest::newRow("beyond single") << u"1E+39"_qs << us << int(RuntimeError::Overflow);
    QTest::newRow("surrounding blanks are fine") << u" 12.5 "_qs << us << 0;
}

void TestConversions::rejectsText()
{
    QFETCH(QString, text);
    QFETCH(QLocale, locale);
    QFETCH(int, error);
    QCOMPARE(runtimeErrorOf([&] { forms::textToSingle(text, locale); }), error);
}

QTEST_GUILESS_MAIN(TestConversions)
#include "tst_conversions.moc"
