// The construction through the window: its keys, what each step draws on
// the dial, its caption, and the dial as it was once it is off.

#include "app/mainwindow.h"
#include "dial/dialgeometry.h"
#include "widgets/hourlist.h"
#include "windowsupport.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QLabel>

using namespace Qt::StringLiterals;

class TestConstruction : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void stepsForwardAndBack();
    void keysAreTheListsWhileOff();
    void captionFitsItsPlace();
    void buttonsStepAsTheKeysDo();

private:
    void key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QTest::keyClick(m_window->focusWidget(), key, modifiers);
    }
    QImage dial() const { return m_window->grab(QRect(DialOrigin, QSize(DialPixels, DialPixels))).toImage(); }
    QLabel &caption() const { return *control<QLabel>(*m_window, u"Construction"_s); }
    // The colour at `units` on `image`, or one beside it.
    static bool near(const QImage &image, QPointF units, const std::function<bool(QColor)> &colour)
    {
        const QPoint at = dialPixels(units).toPoint();
        for (int dx = -1; dx <= 1; ++dx)
            for (int dy = -1; dy <= 1; ++dy)
                if (colour(QColor(image.pixel(at + QPoint(dx, dy)))))
                    return true;
        return false;
    }
    static bool cyan(QColor c) { return c.red() < 80 && c.green() > 200 && c.blue() > 200; }
    static bool orange(QColor c) { return c.red() > 200 && c.green() > 90 && c.green() < 170 && c.blue() < 80; }

    std::unique_ptr<MainWindow> m_window;
};

void TestConstruction::init()
{
    m_window = std::make_unique<MainWindow>();
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    QTRY_VERIFY(m_window->focusWidget());
}

void TestConstruction::cleanup()
{
    m_window.reset();
}

void TestConstruction::stepsForwardAndBack()
{
    const QImage atStart = m_window->grab().toImage();
    key(Qt::Key_K, Qt::ControlModifier);
    QVERIFY(caption().isVisible());
    QVERIFY(!control(*m_window, u"Text1"_s)->isVisible());
    QCOMPARE(caption().text(), u"Стъпка 1 от 7: пергелът в центъра, отворен до точката на 12, описва окръжността на часовете."_s);

    // Each step's caption in turn; a screen reader is told it.
    QAccessibleInterface *told = QAccessible::queryAccessibleInterface(&caption());
    for (int step = 2; step <= 7; ++step) {
        key(Qt::Key_PageDown);
        QVERIFY(caption().text().startsWith(u"Стъпка %1 от 7: "_s.arg(step)));
        QCOMPARE(told->text(QAccessible::Name), caption().text());
    }
    key(Qt::Key_PageDown); // nothing past the end
    QVERIFY(caption().text().startsWith(u"Стъпка 7 от 7: "_s));

    // All twelve points ringed, each on its dot, once the sides are drawn
    // in: the 12-gon's last side, from 11 to 12, drawn last.
    const auto darkGreen = [](QColor c) { return c.green() > c.red() + 40 && c.green() > c.blue(); };
    QTRY_VERIFY(near(dial(), (HourPoints[10] + HourPoints[11]) / 2, darkGreen));
    const QImage end = dial();
    for (int hour = 1; hour <= 12; ++hour) {
        // 18 units out from the centre, clear of the sides drawn over the rings.
        const QPointF ringAt = HourPoints[hour - 1] + (HourPoints[hour - 1] - dial::Centre) * (18.0 / 400);
        QVERIFY2(near(end, ringAt, cyan), qPrintable(QString::number(hour)));
        QVERIFY(qGray(end.pixel(dialPixels(HourPoints[hour - 1]).toPoint())) < 64); // the dot over it
    }
    // Every side of each polygon: the 12-gon through every
    // point, the hexagon through every second, the square every third and
    // the triangle every fourth, each in its colour.
    const auto magenta = [](QColor c) { return c.red() > 200 && c.green() < 80 && c.blue() > 200; };
    const QList<std::pair<int, std::function<bool(QColor)>>> polygons{{1, darkGreen}, {2, magenta}, {3, cyan}, {4, orange}};
    for (const auto &[every, colour] : polygons) {
        for (int hour = every; hour <= 12; hour += every) {
            // A third of the way along or two thirds: where polygons cross, the later lies on top.
            const QPointF from = HourPoints[(hour == every ? 12 : hour - every) - 1];
            const QPointF along = HourPoints[hour - 1] - from;
            QVERIFY2(near(end, from + along / 3, colour) || near(end, from + along * 2 / 3, colour),
                     qPrintable(u"every %1: the side to %2"_s.arg(every).arg(hour)));
        }
    }

    // Page Up takes the last step's strokes away, at once; Home goes back to the first.
    key(Qt::Key_PageUp);
    QVERIFY(caption().text().startsWith(u"Стъпка 6 от 7: "_s));
    QVERIFY(!near(dial(), {615.5, 300}, orange));
    QVERIFY(near(dial(), HourPoints[0] + QPointF(18, 0), cyan));
    // Page Up goes all the way back to the first step; Home does at once.
    for (int step = 5; step >= 1; --step) {
        key(Qt::Key_PageUp);
        QVERIFY(caption().text().startsWith(u"Стъпка %1 от 7: "_s.arg(step)));
    }
    QVERIFY(!near(dial(), HourPoints[5] + QPointF(18, 0), cyan)); // 6, found in the second step
    key(Qt::Key_End);
    key(Qt::Key_Home);
    QVERIFY(caption().text().startsWith(u"Стъпка 1 от 7: "_s));
    QVERIFY(!near(dial(), HourPoints[0] + QPointF(18, 0), cyan));
    // A step forward is drawn in: not all at once, and whole in a moment.
    key(Qt::Key_PageDown);
    const QPointF onDiameter(500, 880); // the line from 12 down through 6, near its end
    QVERIFY(!near(dial(), onDiameter, [](QColor c) { return c.green() > c.red() + 40 && c.green() > c.blue(); }));
    QTRY_VERIFY(near(dial(), HourPoints[5] + QPointF(18, 0), cyan));

    // Choosing an hour meanwhile shows its marker, as always.
    pressDial(*m_window, {700, 500});
    tick(*m_window);
    QVERIFY(control(*m_window, u"Picture3(3)"_s)->isVisible());
    for (int n = 0; n < 12; ++n)
        tick(*m_window);

    key(Qt::Key_K, Qt::ControlModifier);
    QCOMPARE(m_window->grab().toImage(), atStart);
}

void TestConstruction::keysAreTheListsWhileOff()
{
    auto *hours = control<HourList>(*m_window, u"List1(1)"_s);
    hours->setFocus();
    QTRY_VERIFY(hours->hasFocus());
    QTest::keyClick(hours, Qt::Key_Down);
    QTest::keyClick(hours, Qt::Key_PageDown);
    QCOMPARE_GT(hours->currentRow(), 1); // the list's own page down
    QTest::keyClick(hours, Qt::Key_Home);
    QCOMPARE(hours->currentRow(), 0);
    // On, the keys step the construction, wherever the focus is.
    QTest::keyClick(hours, Qt::Key_K, Qt::ControlModifier);
    QTest::keyClick(hours, Qt::Key_End);
    QCOMPARE(hours->currentRow(), 0);
    QVERIFY(caption().text().startsWith(u"Стъпка 7 от 7: "_s));
    // Practice takes the description's place from it.
    QTest::keyClick(hours, Qt::Key_E, Qt::ControlModifier);
    QVERIFY(!caption().isVisible());
    QVERIFY(control(*m_window, u"Practice"_s)->isVisible());
    QTest::keyClick(hours, Qt::Key_PageDown);
    QCOMPARE_GT(hours->currentRow(), 0);
}

void TestConstruction::captionFitsItsPlace()
{
    key(Qt::Key_K, Qt::ControlModifier);
    for (int step = 1; step <= 7; ++step) {
        QCOMPARE_LE(caption().heightForWidth(caption().width()), caption().height());
        key(Qt::Key_PageDown);
    }
}

void TestConstruction::buttonsStepAsTheKeysDo()
{
    QWidget *keys = m_window->focusWidget();
    key(Qt::Key_K, Qt::ControlModifier);
    const QList<std::pair<QString, int>> clicks{{u"lastStep"_s, 7}, {u"previousStep"_s, 6}, {u"firstStep"_s, 1}, {u"nextStep"_s, 2}};
    for (const auto &[button, step] : clicks) {
        QTest::mouseClick(control<QAbstractButton>(*m_window, button), Qt::LeftButton);
        QVERIFY2(caption().text().startsWith(u"Стъпка %1 от 7: "_s.arg(step)), qPrintable(button));
    }
    QCOMPARE(m_window->focusWidget(), keys); // a click leaves the keys where they were
    key(Qt::Key_K, Qt::ControlModifier);
    QVERIFY(!control(*m_window, u"nextStep"_s)->isVisible());
}

QTEST_MAIN(TestConstruction)
#include "tst_construction.moc"
