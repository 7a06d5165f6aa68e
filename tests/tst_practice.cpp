// Practice through the window: on, the practice text takes the
// description's place and the pupil answers with a press, a list row or
// the keys; off again, the window is as it was.

#include "app/mainwindow.h"
#include "app/practice.h"
#include "dial/dialgeometry.h"
#include "windowsupport.h"
#include "widgets/hourlist.h"

#include <QLabel>
#include <QtMath>

#include <array>
#include <functional>
#include <utility>

using namespace Qt::StringLiterals;

class TestPractice : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void pupilAnswersByPressListAndKeys();
    void offAgainTheWindowIsAsBefore();
    void eachSwitchOnANewRound();
    void aDragAcrossTheListAnswersOnce();
    void feedbackIsNotCutShort();

private:
    const dial::PracticeRound &round() const { return control<Practice>(*m_window, u"Practice"_s)->round(); }
    QLabel &panel() const { return *control<QLabel>(*m_window, u"Practice"_s); }
    void togglePractice() { QTest::keyClick(m_window.get(), Qt::Key_E, Qt::ControlModifier); }
    // Black, or nearly so where a line's edge is smoothed, at the pixel or
    // one beside it.
    bool blackAt(QPointF units) const
    {
        const QImage dial = m_window->grab(QRect(DialOrigin, QSize(DialPixels, DialPixels))).toImage();
        const QPoint at = dialPixels(units).toPoint();
        int darkest = 255;
        for (int dx = -1; dx <= 1; ++dx) {
            for (int dy = -1; dy <= 1; ++dy)
                darkest = std::min(darkest, qGray(dial.pixel(at + QPoint(dx, dy))));
        }
        return darkest < 40;
    }
    void endHighlight()
    {
        for (int n = 0; n < 13; ++n)
            tick(*m_window);
    }

    std::unique_ptr<MainWindow> m_window;
};

void TestPractice::init()
{
    // The same round every time: the tasks' directions never meet by chance.
    qputenv("RAVELINTA_PRACTICE_SEED", "2026");
    m_window = std::make_unique<MainWindow>();
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
}

void TestPractice::cleanup()
{
    m_window.reset();
}

void TestPractice::pupilAnswersByPressListAndKeys()
{
    using Kind = dial::PracticeRound::Kind;
    togglePractice();
    QTest::keyClick(m_window.get(), Qt::Key_T, Qt::ControlModifier); // the direction of each answer drawn
    QVERIFY(panel().isVisible() && !control(*m_window, u"Text1"_s)->isVisible());
    // A press on the centre dot has no direction to speak of: no answer, no choice.
    QTest::mouseClick(m_window->windowHandle(), Qt::LeftButton, {}, DialOrigin + dialPixels({502, 503}).toPoint());
    QCOMPARE(round().answers(), 0);
    QCOMPARE(highlightOf(*m_window).SelectedHour, qint16(0));
    auto *hours = control<HourList>(*m_window, u"List1(1)"_s);
    bool pressed = false, listed = false, keyed = false, listKeyed = false, arrowSeen = false;
    for (int task = 1; !(pressed && listed && keyed && listKeyed) && task < dial::PracticeRound::TaskCount; ++task) {
        // The round's first arrow says how its angle is measured.
        const bool firstArrow = round().task().kind == Kind::ReadArrow && !std::exchange(arrowSeen, true);
        QCOMPARE(panel().text().section(u'\n', 0, 0),
                 firstArrow ? round().taskText() + u" Ъгълът на стрелката се мери от посоката към 3 часа (0°) обратно на часовниковата стрелка."_s
                            : round().taskText());
        QVERIFY2(panel().text().section(u'\n', -1).startsWith(u"Задача %1 от 10. "_s.arg(task)), qPrintable(panel().text()));
        const int answers = round().answers();
        const qint16 sought = round().task().hour;
        const QPointF soughtPoint = HourPoints[sought - 1];
        if (round().task().kind == Kind::PointAt && !pressed) {
            // A press on the sought hour's point: right.
            QTest::mouseClick(m_window->windowHandle(), Qt::LeftButton, {}, DialOrigin + dialPixels(soughtPoint).toPoint());
            QCOMPARE(round().feedbackText(), u"Вярно!"_s);
            pressed = true;
        } else if (round().task().kind == Kind::ReadArrow && !listed) {
            // The arrow's shaft halfway out; a list row answers.
            const double radians = qDegreesToRadians(round().task().arrowDegrees);
            QVERIFY(blackAt(QPointF(500 + 150 * std::cos(radians), 500 - 150 * std::sin(radians))));
            const QModelIndex next = hours->model()->index(sought % 12, 0);
            QTest::mouseClick(hours->viewport(), Qt::LeftButton, {}, hours->visualRect(next).center());
            QCOMPARE(round().answer(), std::optional<qint16>(next.row() + 1));
            listed = true;
        } else if (!keyed) {
            // The arrow keys pass over hours; Enter answers with the one shown.
            control(*m_window, u"Picture1"_s)->setFocus();
            QTest::keyClick(m_window->focusWidget(), Qt::Key_Right);
            QCOMPARE(round().answers(), answers);
            QTest::keyClick(m_window->focusWidget(), Qt::Key_Return);
            keyed = true;
        } else {
            // So in the list: Down passes over a row, Space answers with it.
            hours->setFocus();
            QTest::keyClick(hours, Qt::Key_Down);
            QTest::keyClick(hours, Qt::Key_Down);
            QCOMPARE(round().answers(), answers);
            QTest::keyClick(hours, Qt::Key_Space);
            QCOMPARE(round().answer(), std::optional<qint16>(hours->currentRow() + 1));
            listKeyed = true;
        }
        QCOMPARE(round().answers(), answers + 1);
        QCOMPARE(panel().text().section(u'\n', 1, 1), round().feedbackText());
        // The sought hour's point is ringed, and the answer's direction
        // drawn, until the next task.
        const QPointF onRing = soughtPoint + QPointF(0, 45);
        const QPointF onDirection = (dial::Centre * 2 + HourPoints[round().answer().value() - 1]) / 3;
        QVERIFY(blackAt(onRing));
        QVERIFY(blackAt(onDirection));
        endHighlight();
        QCOMPARE(round().phase(), dial::PracticeRound::Phase::Asking);
        QVERIFY(!blackAt(onRing));
        QVERIFY(!blackAt(onDirection));
    }
    QVERIFY(pressed && listed && keyed && listKeyed);

    // The longest texts there can be fit the description's place.
    for (const QString &longest : {u"Стрелката сочи под 158°. Колко часа показва?\n"
                                   "Не е вярно: избрахте 12 часа, а стрелката показва 11 часа.\n"
                                   "Задача 10 от 10. Верни отговори: 10 от 10"_s,
                                   u"Стрелката сочи под 158°. Колко часа показва? Ъгълът на стрелката се мери от посоката "
                                   "към 3 часа (0°) обратно на часовниковата стрелка.\n"
                                   "Задача 10 от 10. Верни отговори: 9 от 9"_s}) {
        panel().setText(longest);
        QCOMPARE_LE(panel().heightForWidth(panel().width()), panel().height());
    }
}

void TestPractice::offAgainTheWindowIsAsBefore()
{
    const QImage before = m_window->grab().toImage();
    togglePractice();
    pressDial(*m_window, {700, 500});
    // Left half-way, the round says where it stood, for a few seconds.
    const int right = round().rightAnswers();
    togglePractice();
    endHighlight();
    auto *note = control<QLabel>(*m_window, u"roundLeft"_s);
    QVERIFY(note->isVisible());
    QCOMPARE(note->text(), u"Упражнението е прекъснато на задача 1 от 10. Верни отговори: %1 от 1."_s.arg(right));
    QTRY_VERIFY_WITH_TIMEOUT(!note->isVisible(), 10000);
    QCOMPARE(m_window->grab().toImage(), before);
}

void TestPractice::eachSwitchOnANewRound()
{
    // Each switch-on draws a new round; RAVELINTA_PRACTICE_SEED plays the
    // same one every time.
    const auto firstTasks = [this] {
        QSet<QString> tasks;
        for (int on = 0; on < 5; ++on) {
            togglePractice();
            tasks << round().taskText() + QString::number(round().task().arrowDegrees);
            togglePractice();
        }
        return tasks.size();
    };
    QCOMPARE(firstTasks(), 1);
    qunsetenv("RAVELINTA_PRACTICE_SEED");
    QCOMPARE_GT(firstTasks(), 1);
}

void TestPractice::aDragAcrossTheListAnswersOnce()
{
    // Pressed on row 2 and let go on row 7: the answer is 7, the hour shown.
    togglePractice();
    auto *hours = control<HourList>(*m_window, u"List1(1)"_s);
    QWidget *rows = hours->viewport();
    const auto rowAt = [hours](int row) { return hours->visualRect(hours->model()->index(row, 0)).center(); };
    QTest::mousePress(rows, Qt::LeftButton, {}, rowAt(1));
    for (int row = 2; row <= 6; ++row) {
        QMouseEvent move(QEvent::MouseMove, rowAt(row), rows->mapToGlobal(rowAt(row)), Qt::NoButton, Qt::LeftButton, {});
        QCoreApplication::sendEvent(rows, &move);
    }
    QCOMPARE(round().answers(), 0); // the mark moves along; nothing is chosen yet
    QTest::mouseRelease(rows, Qt::LeftButton, {}, rowAt(6));
    QCOMPARE(round().answers(), 1);
    QCOMPARE(round().answer(), std::optional<qint16>(7));
    QCOMPARE(highlightOf(*m_window).SelectedHour, qint16(7));
}

void TestPractice::feedbackIsNotCutShort()
{
    // While an answer's feedback shows, no press, row or key answers again
    // or moves the marker; the next task takes them again.
    togglePractice();
    auto *hours = control<HourList>(*m_window, u"List1(1)"_s);
    QWidget *dial = control(*m_window, u"Picture1"_s);
    const qint16 sought = round().task().hour;
    pressDial(*m_window, HourPoints[sought - 1]);
    const qint16 other = dial::hourAfter(sought, 6);
    const auto tries = std::to_array<std::function<void()>>({
        [&] { QTest::mouseClick(m_window->windowHandle(), Qt::LeftButton, {}, DialOrigin + dialPixels(HourPoints[other - 1]).toPoint()); },
        [&] { QTest::mouseClick(hours->viewport(), Qt::LeftButton, {}, hours->visualRect(hours->model()->index(other - 1, 0)).center()); },
        [&] { QTest::keyClick(dial, Qt::Key_Right); },
        [&] { QTest::keyClick(dial, Qt::Key_Return); },
        [&] { QTest::keyClick(hours, Qt::Key_Down); },
    });
    for (const auto &choose : tries) {
        choose();
        QCOMPARE(round().answers(), 1);
        QCOMPARE(highlightOf(*m_window).SelectedHour, sought);
    }
    endHighlight();
    QCOMPARE(round().phase(), dial::PracticeRound::Phase::Asking);
    QTest::keyClick(dial, Qt::Key_Right);
    QCOMPARE(highlightOf(*m_window).SelectedHour, dial::hourAfter(sought, 1));
}

QTEST_MAIN(TestPractice)
#include "tst_practice.moc"
