// The built program in a real X server (Xvfb, 96 DPI, no window manager),
// driven with real X input through xdotool and checked on the screen itself.

#include "testsupport.h"

#include <QElapsedTimer>
#include <QImage>
#include <QPainter>
#include <QProcess>
#include <QStandardPaths>
#include <QTest>
#include <QThread>

using namespace Qt::StringLiterals;

class TestEndToEnd : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void windowAsDesigned();
    void listClickAndArrowKeys();
    void pressesOnTheDial_data();
    void pressesOnTheDial();
    void pressOnMarkerChoosesNothing();

private:
    QString run(const QString &program, const QStringList &arguments);
    void xdotool(const QStringList &arguments) { run(u"xdotool"_s, arguments); }
    QImage screenshot();
    QImage dialOf(const QImage &screen) const
    {
        return screen.copy(QRect(m_window.topLeft() + DialOrigin, QSize(DialPixels, DialPixels)));
    }
    QPoint screenAt(QPointF dialUnits) const { return m_window.topLeft() + DialOrigin + dialPixels(dialUnits).toPoint(); }
    void click(QPoint screen, int button = 1);
    // Which hours show a marker, and whether each shown hour has its numeral
    // on its point; everything else must be the untouched dial.
    QList<int> hoursShown(const QImage &dial, QString *mismatch) const;
    void waitUntil(const QElapsedTimer &since, int ms) const
    {
        while (since.elapsed() < ms)
            QThread::msleep(5);
    }

    QProcess m_xvfb;
    QProcess m_program;
    QString m_display;
    QRect m_window;
    QImage m_pristineDial;
};

QString TestEndToEnd::run(const QString &program, const QStringList &arguments)
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(u"DISPLAY"_s, m_display);
    process.setProcessEnvironment(environment);
    process.start(program, arguments);
    if (!process.waitForFinished(10000) || process.exitCode() != 0)
        qWarning() << program << arguments << "failed:" << process.readAllStandardError();
    return QString::fromUtf8(process.readAllStandardOutput());
}

void TestEndToEnd::initTestCase()
{
    for (const QString &tool : {u"Xvfb"_s, u"xdotool"_s, u"import"_s}) {
        if (QStandardPaths::findExecutable(tool).isEmpty())
            QSKIP(qPrintable(tool + u" is not installed: the real-window test needs Xvfb, xdotool and ImageMagick"_s));
    }

    // Xvfb picks a free display and tells us its number.
    m_xvfb.start(u"Xvfb"_s, {u"-displayfd"_s, u"1"_s, u"-screen"_s, u"0"_s, u"640x480x24"_s, u"-dpi"_s,
                              u"96"_s, u"-nolisten"_s, u"tcp"_s});
    if (!m_xvfb.waitForStarted(5000) || !m_xvfb.waitForReadyRead(10000))
        QSKIP("no X server could be started here");
    m_display = u':' + QString::fromLatin1(m_xvfb.readLine()).trimmed();

    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(u"DISPLAY"_s, m_display);
    environment.insert(u"QT_QPA_PLATFORM"_s, u"xcb"_s);
    for (const char *scaling : {"QT_SCALE_FACTOR", "QT_SCREEN_SCALE_FACTORS", "QT_AUTO_SCREEN_SCALE_FACTOR"})
        environment.remove(QString::fromLatin1(scaling));
    m_program.setProcessEnvironment(environment);
    m_program.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    m_program.start(QStringLiteral(RAVELINTA_EXECUTABLE), {});
    QVERIFY(m_program.waitForStarted());

    const QString id = run(u"xdotool"_s, {u"search"_s, u"--sync"_s, u"--onlyvisible"_s, u"--pid"_s,
                                          QString::number(m_program.processId())}).section(u'\n', 0, 0);
    QVERIFY2(!id.isEmpty(), "the window did not appear");
    const QStringList shell = run(u"xdotool"_s, {u"getwindowgeometry"_s, u"--shell"_s, id}).split(u'\n');
    auto value = [&](const QString &key) {
        for (const QString &line : shell) {
            if (line.startsWith(key + u'='))
                return line.section(u'=', 1).toInt();
        }
        return -1;
    };
    m_window = QRect(value(u"X"_s), value(u"Y"_s), value(u"WIDTH"_s), value(u"HEIGHT"_s));
    QTest::qWait(300); // the first paint
    m_pristineDial = dialOf(screenshot());
}

void TestEndToEnd::cleanupTestCase()
{
    m_program.kill();
    m_program.waitForFinished();
    m_xvfb.terminate();
    m_xvfb.waitForFinished();
}

QImage TestEndToEnd::screenshot()
{
    QProcess import;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(u"DISPLAY"_s, m_display);
    import.setProcessEnvironment(environment);
    import.start(u"import"_s, {u"-window"_s, u"root"_s, u"png:-"_s});
    import.waitForFinished(10000);
    return QImage::fromData(import.readAllStandardOutput(), "PNG").convertToFormat(QImage::Format_RGB32);
}

void TestEndToEnd::click(QPoint screen, int button)
{
    xdotool({u"mousemove"_s, u"--sync"_s, QString::number(screen.x()), QString::number(screen.y()),
             u"click"_s, QString::number(button)});
}

QList<int> TestEndToEnd::hoursShown(const QImage &dial, QString *mismatch) const
{
    QList<int> shown;
    QImage rest = dial;
    for (int hour = 1; hour <= 12; ++hour) {
        const QPointF point = dialPixels(HourPoints[hour - 1]);
        const QRect marker(QPoint(qRound(point.x()) - 33, qRound(point.y() - dialPixels(QPointF(0, 10)).y())), QSize(33, 33));
        const QRect numeral(point.toPoint(), QSize(33, 25));
        int changed = 0;
        for (int y = marker.top(); y <= marker.bottom(); ++y)
            for (int x = marker.left(); x <= marker.right(); ++x)
                changed += dial.rect().contains(x, y) && dial.pixel(x, y) != m_pristineDial.pixel(x, y);
        if (changed < 100)
            continue;
        shown << hour;
        int ink = 0;
        for (int y = numeral.top(); y <= numeral.bottom(); ++y)
            for (int x = numeral.left(); x <= numeral.right(); ++x)
                ink += dial.rect().contains(x, y) && qGray(dial.pixel(x, y)) < 90;
        if (ink < 10)
            *mismatch += QStringLiteral("no numeral at hour %1; ").arg(hour);
        QPainter blank(&rest);
        blank.drawImage(marker.adjusted(-1, -1, 1, 1), m_pristineDial, marker.adjusted(-1, -1, 1, 1));
        blank.drawImage(numeral.adjusted(-1, -1, 1, 1), m_pristineDial, numeral.adjusted(-1, -1, 1, 1));
    }
    if (rest != m_pristineDial)
        *mismatch += u"something else is drawn on the dial; "_s;
    return shown;
}

void TestEndToEnd::windowAsDesigned()
{
    QCOMPARE(m_window.size(), QSize(489, 431));
    const QImage screen = screenshot();
    const QPoint origin = m_window.topLeft();
    QCOMPARE(QColor(screen.pixel(origin + QPoint(470, 150))), QColor(0xC0, 0xC0, 0xFF));
    QCOMPARE(QColor(screen.pixel(origin + QPoint(415, 5))), QColor(0xFF, 0xC0, 0x80));
    QCOMPARE(QColor(m_pristineDial.pixel(20, 240)), QColor(0x80, 0x80, 0xFF));
    QVERIFY(qGray(m_pristineDial.pixel(QPoint(131, 131))) < 64);
    for (const QPointF &point : HourPoints)
        QVERIFY(qGray(m_pristineDial.pixel(dialPixels(point).toPoint())) < 64);
}

void TestEndToEnd::listClickAndArrowKeys()
{
    QString mismatch;
    click(m_window.topLeft() + QPoint(375, 56 + 10)); // row "1"
    QTest::qWait(400);
    QCOMPARE(hoursShown(dialOf(screenshot()), &mismatch), QList<int>{1});
    QVERIFY2(mismatch.isEmpty(), qPrintable(mismatch));

    for (int hour = 2; hour <= 3; ++hour) {
        xdotool({u"key"_s, u"Down"_s});
        QTest::qWait(400);
        QCOMPARE(hoursShown(dialOf(screenshot()), &mismatch), QList<int>{hour});
        QVERIFY2(mismatch.isEmpty(), qPrintable(mismatch));
    }
    QTest::qWait(1600);
    QCOMPARE(dialOf(screenshot()), m_pristineDial);
}

void TestEndToEnd::pressesOnTheDial_data()
{
    QTest::addColumn<QPointF>("at");
    QTest::addColumn<int>("button");
    QTest::addColumn<int>("hour");
    QTest::newRow("left of the centre") << QPointF(150, 500) << 1 << 9;
    QTest::newRow("far up") << QPointF(505, 20) << 1 << 12;
    QTest::newRow("near, lower right, right button") << QPointF(560, 580) << 3 << 5;
    QTest::newRow("corner, upper right") << QPointF(990, 10) << 1 << 1;
}

void TestEndToEnd::pressesOnTheDial()
{
    QFETCH(QPointF, at);
    QFETCH(int, button);
    QFETCH(int, hour);
    QString mismatch;
    click(screenAt(at), button);
    QTest::qWait(400);
    QCOMPARE(hoursShown(dialOf(screenshot()), &mismatch), QList<int>{hour});
    QVERIFY2(mismatch.isEmpty(), qPrintable(mismatch));
    QTest::qWait(1600);
    QCOMPARE(dialOf(screenshot()), m_pristineDial);
}

void TestEndToEnd::pressOnMarkerChoosesNothing()
{
    // Choose 3, then press its marker a second later: were the press taken
    // as a new choice, the highlight would last until 2.3 s.
    QElapsedTimer since;
    click(screenAt(QPointF(950, 500)));
    since.start();
    QTest::qWait(400);
    QString mismatch;
    QCOMPARE(hoursShown(dialOf(screenshot()), &mismatch), QList<int>{3});
    waitUntil(since, 1000);
    click(screenAt(HourPoints[2]) + QPoint(-16, 14)); // the marker's middle
    waitUntil(since, 1800);
    QCOMPARE(dialOf(screenshot()), m_pristineDial);
}

QTEST_GUILESS_MAIN(TestEndToEnd)
#include "tst_endtoend.moc"
