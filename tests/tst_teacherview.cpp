// The teacher's view through the window: nothing changes while it is off;
// on, the dial shows the 12-gon and the angle of each choice, and a press on
// a drawn line still chooses by direction.

#include "app/mainwindow.h"
#include "dial/dialgeometry.h"
#include "windowsupport.h"
#include "widgets/hourlist.h"

#include <QAccessible>
#include <QAction>

using namespace Qt::StringLiterals;

class TestTeacherView : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void offChangesNothing();
    void drawsThe12GonAndTakesNoPress();
    void tellsTheAngleOfEachChoice();
    void numeralAndMarkerHideNothing();
    void drawsAnglesEdgesAndTheChoice();

private:
    QAction *view() const
    {
        for (QAction *action : m_window->actions()) {
            if (action->text() == u"Учителски изглед")
                return action;
        }
        qFatal("no teacher's view");
    }
    QImage dial() const { return m_window->grab(QRect(DialOrigin, QSize(DialPixels, DialPixels))).toImage(); }
    // The share of 100 points along the line from `from` to `to` (dial
    // units) where `colour` holds at the point or beside it.
    template <class Colour>
    static double share(const QImage &image, QPointF from, QPointF to, Colour colour)
    {
        int found = 0;
        for (int i = 0; i < 100; ++i) {
            const QPoint at = dialPixels(from + (to - from) * (i / 99.0)).toPoint();
            bool near = false;
            for (int dx = -1; dx <= 1; ++dx)
                for (int dy = -1; dy <= 1; ++dy)
                    near = near || colour(QColor(image.pixel(at + QPoint(dx, dy))));
            found += near;
        }
        return found / 100.0;
    }
    // What a screen reader is told of the dial's chosen hour.
    QString said() const
    {
        QAccessibleInterface *dial = QAccessible::queryAccessibleInterface(control(*m_window, u"Picture1"_s));
        for (int i = 0; i < dial->childCount(); ++i) {
            if (dial->child(i)->role() == QAccessible::ListItem && dial->child(i)->state().selected)
                return dial->child(i)->text(QAccessible::Name);
        }
        return {};
    }

    std::unique_ptr<LocaleScope> m_locale;
    std::unique_ptr<MainWindow> m_window;
};

void TestTeacherView::init()
{
    m_locale = std::make_unique<LocaleScope>(QLocale(QLocale::Bulgarian, QLocale::Bulgaria));
    m_window = std::make_unique<MainWindow>();
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
}

void TestTeacherView::cleanup()
{
    m_window.reset();
    m_locale.reset();
}

void TestTeacherView::offChangesNothing()
{
    const QImage before = m_window->grab().toImage();
    QVERIFY(!view()->isChecked()); // off at every start
    QTest::keyClick(m_window.get(), Qt::Key_T, Qt::ControlModifier);
    QVERIFY(view()->isChecked());
    QVERIFY(dial() != before.copy(QRect(DialOrigin, QSize(DialPixels, DialPixels))));
    view()->trigger();
    QCOMPARE(m_window->grab().toImage(), before);
}

void TestTeacherView::drawsThe12GonAndTakesNoPress()
{
    view()->trigger();
    // A quarter of the way along the side from 12 (500, 100) to 1 (700, 153.59).
    const QPointF onSide(550, 113.3975);
    QCOMPARE(QColor(dial().pixel(dialPixels(onSide).toPoint())), QColor(Qt::white));
    QTest::mouseClick(m_window->windowHandle(), Qt::LeftButton, {}, DialOrigin + dialPixels(onSide).toPoint());
    QCOMPARE(highlightOf(*m_window).SelectedHour, qint16(12));
}

void TestTeacherView::tellsTheAngleOfEachChoice()
{
    pressDial(*m_window, {600, 400});
    QCOMPARE(said(), u"1 час (I)"_s); // off: the hour alone
    view()->trigger();
    pressDial(*m_window, {600, 400});
    QCOMPARE(said(), u"1 час (I); a = 45,00000000000004°"_s);
    pressDial(*m_window, {700, 500}); // right of the centre
    QCOMPARE(said(), u"3 часа (III); a = 0,00°"_s);
    auto *hours = control<HourList>(*m_window, u"List1(1)"_s);
    hours->setCurrentIndex(hours->model()->index(6, 0)); // hour 7 from the list
    QCOMPARE(said(), u"7 часа (VII); a = 240,00°"_s);
    hours->setCurrentIndex(hours->model()->index(11, 0));
    QCOMPARE(said(), u"12 часа (XII); a = 90,00°"_s);
    view()->trigger(); // off: no angle is told that is not drawn
    QCOMPARE(said(), u"12 часа (XII)"_s);
}

void TestTeacherView::numeralAndMarkerHideNothing()
{
    view()->trigger();
    pressDial(*m_window, {600, 400}); // just past the edge at 45°: hour 1, in (45°, 75°]
    tick(*m_window);
    const QWidget *numeral = control(*m_window, u"Label2(0)"_s);
    QVERIFY(control(*m_window, u"Picture3(1)"_s)->isVisible() && numeral->isVisible());
    const QImage shown = dial();
    // Hour 1's dot, a quarter of it under the numeral's box, shows whole...
    const QPoint dot = dialPixels(HourPoints[0]).toPoint() + QPoint(1, 1);
    QCOMPARE(QColor(shown.pixel(dot)), QColor(Qt::black));
    // ...and the chosen sector's yellow edge at 45°, over the direction,
    // crosses the box.
    const QRect box = numeral->geometry().translated(control(*m_window, u"Picture1"_s)->pos() - DialOrigin);
    int yellow = 0;
    for (int x = box.left(); x <= box.right(); ++x) {
        for (int y = box.top(); y <= box.bottom(); ++y) {
            const QColor colour = shown.pixel(x, y);
            yellow += colour.red() > 200 && colour.green() > 200 && colour.blue() < 80;
        }
    }
    QCOMPARE_GT(yellow, 5);
}

void TestTeacherView::drawsAnglesEdgesAndTheChoice()
{
    using dial::Centre;
    using dial::towards;
    const auto white = [](QColor c) { return c.red() > 200 && c.green() > 200 && c.blue() > 200; };
    const auto black = [](QColor c) { return c.lightness() < 40; };
    const auto yellow = [](QColor c) { return c.red() > 200 && c.green() > 200 && c.blue() < 80; };
    view()->trigger();
    const QImage before = dial();
    // The central angle's arc, 120 units round the centre from the ray to
    // 1 (60°) to the ray to 12 (90°); the interior angle's, 50 units round
    // 12 from its side to 11 (195°) to its side to 1 (345°).
    QCOMPARE(share(before, towards(Centre, 64, 120), towards(Centre, 86, 120), white), 1.0);
    const QPointF twelve = HourPoints[11];
    QCOMPARE(share(before, towards(twelve, 215, 50), towards(twelve, 235, 50), white), 1.0);
    // Each sector edge, dashed, from 150 to 400 units out.
    for (const double edge : dial::sectorEdges())
        QVERIFY2(share(before, towards(Centre, edge, 150), towards(Centre, edge, 400), white) > 0.3,
                 qPrintable(QString::number(edge)));
    QCOMPARE(share(before, towards(Centre, 0, 100), towards(Centre, 0, 350), black), 0.0); // no choice yet

    // A choice at 0°: its direction in black, its sector's edges (345°, 15°) in yellow.
    pressDial(*m_window, {700, 500});
    const QImage chosen = dial();
    QCOMPARE(share(chosen, towards(Centre, 0, 100), towards(Centre, 0, 350), black), 1.0);
    for (const double edge : {345.0, 15.0}) {
        QVERIFY2(share(chosen, towards(Centre, edge, 150), towards(Centre, edge, 400), yellow) > 0.3,
                 qPrintable(QString::number(edge)));
        QCOMPARE(share(before, towards(Centre, edge, 150), towards(Centre, edge, 400), yellow), 0.0);
    }
    // Each of the two edges labelled with its angle, near its end.
    const auto labelled = [&](const QImage &image, QRectF units) {
        const QRect pixels(dialPixels(units.topLeft()).toPoint(), dialPixels(units.bottomRight()).toPoint());
        int dark = 0;
        for (int x = pixels.left(); x <= pixels.right(); ++x)
            for (int y = pixels.top(); y <= pixels.bottom(); ++y)
                dark += black(QColor(image.pixel(x, y))) ? 1 : 0;
        return dark;
    };
    for (const QRectF label : {QRectF(890, 369, 100, 50), QRectF(890, 591, 100, 50)}) { // 15°, 345°
        QCOMPARE_GT(labelled(chosen, label), 10);
        QCOMPARE(labelled(before, label), 0);
    }
}

QTEST_MAIN(TestTeacherView)
#include "tst_teacherview.moc"
