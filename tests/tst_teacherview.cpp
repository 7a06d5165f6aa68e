// The teacher's view through the window: nothing changes while it is off;
// on, the dial shows the 12-gon and the angle of each choice, and a press on
// a drawn line still chooses by direction.

#include "app/mainwindow.h"
#include "testsupport.h"

#include <QAccessible>
#include "widgets/hourlist.h"

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
    QCOMPARE(m_window->highlight().SelectedHour, qint16(12));
}

void TestTeacherView::tellsTheAngleOfEachChoice()
{
    m_window->Picture1_MouseDown(600, 400);
    QCOMPARE(said(), u"1 час (I)"_s); // off: the hour alone
    view()->trigger();
    m_window->Picture1_MouseDown(600, 400);
    QCOMPARE(said(), u"1 час (I); a = 45,00000000000004°"_s);
    m_window->Picture1_MouseDown(700, 500); // right of the centre
    QCOMPARE(said(), u"3 часа (III); a = 0,00°"_s);
    auto *hours = control<HourList>(*m_window, u"List1(1)"_s);
    hours->setCurrentIndex(hours->model()->index(6, 0)); // hour 7 from the list
    QCOMPARE(said(), u"7 часа (VII); a = 240,00°"_s);
    hours->setCurrentIndex(hours->model()->index(11, 0));
    QCOMPARE(said(), u"12 часа (XII); a = 90,00°"_s);
}

QTEST_MAIN(TestTeacherView)
#include "tst_teacherview.moc"
