// Run at several QT_SCALE_FACTOR values, on a screen large enough to zoom:
// the layout keeps its logical geometry, and the dial's dots and the marker
// are drawn at the device's resolution.

#include "app/mainwindow.h"
#include "windowsupport.h"
#include "widgets/hourlist.h"

#include <QLabel>
#include <QScreen>

using namespace Qt::StringLiterals;

class TestHiDpi : public QObject
{
    Q_OBJECT

private slots:
    void logicalGeometryKept();
    void dotsAtDeviceResolution();
    void markerAtDeviceResolution();
    void fitsTheScreenAtStart();

private:
    const double m_scale = qEnvironmentVariableIsSet("QT_SCALE_FACTOR")
            ? qEnvironmentVariable("QT_SCALE_FACTOR").toDouble()
            : 1.0;
};

void TestHiDpi::logicalGeometryKept()
{
    MainWindow window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QCOMPARE(window.devicePixelRatioF(), m_scale);
    QCOMPARE(window.size(), WindowSize);
    for (const QString &name : {u"Picture1"_s, u"List1(1)"_s})
        QCOMPARE(control(window, name)->geometry(), designed(name));
}

void TestHiDpi::dotsAtDeviceResolution()
{
    MainWindow window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    const QImage image = window.grab().toImage();
    QCOMPARE(image.size(), (QSizeF(WindowSize) * m_scale).toSize());

    auto device = [&](QPointF dialUnits) { return ((DialOrigin + dialPixels(dialUnits)) * m_scale).toPoint(); };
    QVERIFY(qGray(image.pixel(device(QPointF(500, 500)))) < 64);
    for (const QPointF &point : HourPoints)
        QVERIFY2(qGray(image.pixel(device(point))) < 64, qPrintable(QString::number(point.x())));
    // Beside a dot, the dial.
    QCOMPARE(QColor(image.pixel(device(QPointF(500, 560)))), QColor(0x80, 0x80, 0xFF));

    // A drawing blown up from one pixel per point would come in blocks of
    // equal device pixels; at twice the resolution the centre dot's rim has
    // neighbours within a block that differ.
    if (m_scale == 2.0) {
        const QPoint centre = device(QPointF(500, 500));
        int differing = 0;
        for (int y = centre.y() - 20; y < centre.y() + 20; y += 2)
            for (int x = centre.x() - 20; x < centre.x() + 20; x += 2)
                differing += image.pixel(x, y) != image.pixel(x + 1, y) || image.pixel(x, y) != image.pixel(x, y + 1);
        QVERIFY2(differing > 0, "the dots are a scaled-up low-resolution drawing");
    }
}

void TestHiDpi::markerAtDeviceResolution()
{
    MainWindow window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    auto *hours = window.findChild<HourList *>(u"List1(1)"_s);
    hours->setCurrentIndex(hours->model()->index(3, 0));
    tick(window);
    const auto *marker = window.findChild<QLabel *>(u"Picture3(4)"_s);
    QVERIFY(marker->isVisible());
    QCOMPARE(marker->size(), QSize(33, 33));
    QCOMPARE(marker->pixmap().devicePixelRatio(), m_scale);
    QCOMPARE(marker->pixmap().deviceIndependentSize(), QSizeF(32, 32));

    // Zoom and the screen's scale multiply: 125 % on top of it.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Plus, Qt::ControlModifier);
    QTRY_COMPARE(window.size(), QSize(612, 539));
    QCOMPARE(marker->pixmap().devicePixelRatio(), m_scale);
    QCOMPARE(marker->pixmap().deviceIndependentSize(), QSizeF(40, 40));
}

void TestHiDpi::fitsTheScreenAtStart()
{
    MainWindow window;
    // 1024 x 768 at a scale factor of 2 is 512 x 384 logical pixels: the
    // window opens at 89 %, its whole description on the screen.
    if (window.screen()->availableGeometry().size() != QSize(512, 384))
        QSKIP("for a 1024 x 768 screen at a scale factor of 2 (tst_hidpi@small)");
    QCOMPARE(window.size(), QSize(436, 384));
    // So does the help, its button and all.
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QTest::keyClick(&window, Qt::Key_F1);
    QWidget *help = nullptr;
    QTRY_VERIFY((help = window.findChild<QWidget *>(u"Help"_s)) && help->isVisible());
    QVERIFY(window.screen()->availableGeometry().contains(help->frameGeometry()));
}

QTEST_MAIN(TestHiDpi)
#include "tst_hidpi.moc"
