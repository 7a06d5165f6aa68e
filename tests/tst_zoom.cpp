// Bigger for a projector: the zoom keys, Ctrl+wheel, and what grows with
// them. Runs on a 2560 x 1600 offscreen screen, where 300 % is the largest
// step that fits.

#include "app/helpdialog.h"
#include "app/mainwindow.h"
#include "app/menubutton.h"
#include "app/signbutton.h"
#include "app/windowcommands.h"
#include "windowsupport.h"
#include "widgets/hourlist.h"

#include <QFocusFrame>
#include <QLabel>
#include <QMenu>
#include <QScrollBar>
#include <QTextEdit>
#include <QToolButton>
#include <QPlainTextEdit>

using namespace Qt::StringLiterals;

class TestZoom : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void everythingTwiceAt200();
    void stepsKeysAndWheel();
    void highlightGoesOnThroughAZoom();
    void markerSharpAt300();
    void styleGrowsWithTheZoom();
    void commandsInTheContextMenu_data();
    void commandsInTheContextMenu();
    void rightPressOnTheDialOpensNoMenu();
    void commandsEnabledWhereTheyAct();
    void fullScreenKeptWhereTheWindowIsTheScreen();
    void fullScreenShowsItsWayOut();
    void helpListsEveryCommand();
    void uprightOnAPhone();

private:
    void zoomIn(int steps)
    {
        for (int step = 0; step < steps; ++step)
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Plus, Qt::ControlModifier);
    }

    std::unique_ptr<MainWindow> m_window;
};

void TestZoom::init()
{
    m_window = std::make_unique<MainWindow>();
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    QTRY_VERIFY(QApplication::focusWidget());
}

void TestZoom::cleanup()
{
    m_window.reset();
}

void TestZoom::everythingTwiceAt200()
{
    MainWindow &window = *m_window;
    zoomIn(4); // 125, 150, 175, 200
    QTRY_COMPARE(window.size(), QSize(978, 862));

    // Every rectangle twice the one at 100 %, in the window; what lies on the
    // dial twice as large, where dial units put it.
    for (const DesignedControl &designed : Design) {
        const QWidget *widget = control(window, QString::fromUtf16(designed.name));
        const QRect twice(designed.rect.topLeft() * 2, designed.rect.size() * 2);
        if (widget->parentWidget() == &window)
            QCOMPARE(widget->geometry(), twice);
        else
            QCOMPARE(widget->size(), twice.size());
    }
    QCOMPARE(QFontInfo(control(window, u"Label1(2)"_s)->font()).pointSize(), 24);
    // Practice's text, first shown now, takes the description's zoomed frame.
    QTest::keyClick(&window, Qt::Key_E, Qt::ControlModifier);
    const auto *panel = control<QFrame>(window, u"Practice"_s);
    QTRY_VERIFY(panel->isVisible());
    QCOMPARE(panel->frameWidth(), control<QFrame>(window, u"Text1"_s)->frameWidth());
    QCOMPARE_GT(panel->frameWidth(), 1);
    QTest::keyClick(&window, Qt::Key_E, Qt::ControlModifier);

    // The dots at twice their places and twice their widths.
    const QImage image = window.grab().toImage();
    const QPoint origin = DialOrigin * 2; // inside a border 4 pixels wide
    for (const QPointF &point : HourPoints)
        QVERIFY(qGray(image.pixel(origin + (dialPixels(point) * 2).toPoint())) < 64);
    const QPoint centre = origin + QPoint(DialPixels, DialPixels);
    QVERIFY(qGray(image.pixel(centre + QPoint(13, 0))) < 64);   // 30 across
    QVERIFY(qGray(image.pixel(centre + QPoint(17, 0))) > 128);

    // Hour 9's marker still starts left of the dial, clipped; a press below the
    // centre still chooses 6.
    QCOMPARE(control(window, u"Picture3(9)"_s)->mapTo(&window, QPoint(0, 0)).x() - origin.x(), -13); // -25.5 units at 0.526 pixels a unit
    QTest::mouseClick(window.windowHandle(), Qt::LeftButton, {}, origin + (dialPixels(QPointF(500, 700)) * 2).toPoint());
    QCOMPARE(highlightOf(window).SelectedHour, qint16(6));
}

void TestZoom::stepsKeysAndWheel()
{
    MainWindow &window = *m_window;
    zoomIn(1);
    QTRY_COMPARE(window.size(), QSize(612, 539)); // 125 %, whole pixels
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Equal, Qt::ControlModifier);
    QTRY_COMPARE(window.size(), QSize(734, 647)); // 150 %
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Minus, Qt::ControlModifier);
    QTRY_COMPARE(window.size(), QSize(612, 539));
    zoomIn(8); // capped: 400 % would not fit the screen
    QTRY_COMPARE(window.size(), QSize(1467, 1293));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_0, Qt::ControlModifier);
    QTRY_COMPARE(window.size(), WindowSize);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Minus, Qt::ControlModifier);
    QCOMPARE(window.size(), WindowSize); // 100 % is the smallest step

    // Ctrl+wheel over the description zooms the window, not the description.
    auto *text = control<QPlainTextEdit>(window, u"Text1"_s);
    const qreal textPoints = text->font().pointSizeF();
    const QPoint at = text->rect().center();
    QWheelEvent wheel(at, text->mapToGlobal(at), {}, QPoint(0, 120), Qt::NoButton, Qt::ControlModifier,
                      Qt::NoScrollPhase, false);
    QApplication::sendEvent(text->viewport(), &wheel);
    QTRY_COMPARE(window.size(), QSize(612, 539));
    QCOMPARE(text->font().pointSizeF(), textPoints * 1.25);

    // Two notches at once, over the dial, are two steps.
    QWidget *dial = control(window, u"Picture1"_s);
    QWheelEvent twoNotches(dial->rect().center(), dial->mapToGlobal(dial->rect().center()), {}, QPoint(0, 240),
                           Qt::NoButton, Qt::ControlModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(dial, &twoNotches);
    QTRY_COMPARE(window.size(), QSize(856, 755)); // 175 %
}

void TestZoom::highlightGoesOnThroughAZoom()
{
    MainWindow &window = *m_window;
    auto *hours = control<HourList>(window, u"List1(1)"_s);
    hours->setCurrentIndex(hours->model()->index(2, 0));
    tick(window);
    const QLabel *marker = control<QLabel>(window, u"Picture3(3)"_s);
    const QLabel *numeral = control<QLabel>(window, u"Label2(0)"_s);
    const QPoint markerAt = marker->pos();
    const QPoint numeralAt = numeral->pos();

    zoomIn(4);
    QTRY_COMPARE(window.size(), QSize(978, 862));
    QVERIFY(marker->isVisible());
    QVERIFY((marker->pos() - markerAt * 2).manhattanLength() <= 2);
    QVERIFY((numeral->pos() - numeralAt * 2).manhattanLength() <= 2);
    QCOMPARE(highlightOf(window).HighlightTicks, qint16(1));
    for (int n = 2; n <= 13; ++n)
        tick(window);
    QVERIFY(!marker->isVisible());
}

void TestZoom::markerSharpAt300()
{
    MainWindow &window = *m_window;
    zoomIn(6);
    QTRY_COMPARE(window.size(), QSize(1467, 1293));
    pressDial(window, HourPoints[0]); // hour 1's marker, as it shows
    const QImage picture = control<QLabel>(window, u"Picture3(1)"_s)->pixmap().toImage();
    QCOMPARE(picture.size(), QSize(96, 96));

    // A 32 px drawing blown up three times is made of uniform 3 x 3 blocks;
    // a drawing made at this size mostly is not.
    int blocks = 0, uniform = 0;
    for (int y = 0; y + 3 <= picture.height(); y += 3) {
        for (int x = 0; x + 3 <= picture.width(); x += 3) {
            if (qAlpha(picture.pixel(x, y)) == 0)
                continue; // outside the drawing
            bool same = true;
            for (int dy = 0; dy < 3; ++dy)
                for (int dx = 0; dx < 3; ++dx)
                    same = same && picture.pixel(x + dx, y + dy) == picture.pixel(x, y);
            ++blocks;
            uniform += same;
        }
    }
    QVERIFY2(uniform * 2 < blocks, qPrintable(u"%1 of %2 blocks uniform"_s.arg(uniform).arg(blocks)));
}

void TestZoom::styleGrowsWithTheZoom()
{
    MainWindow &window = *m_window;
    const auto *hours = control<HourList>(window, u"List1(1)"_s);
    const auto focusMargin = [&] {
        const auto *frame = window.findChild<QFocusFrame *>();
        return hours->geometry().left() - frame->geometry().left();
    };
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QTRY_COMPARE(QApplication::focusWidget(), hours);
    const int scrollBar = hours->verticalScrollBar()->width();
    const int margin = focusMargin();
    QVERIFY(scrollBar > 0 && margin > 0);

    zoomIn(6); // 300 %
    QTRY_COMPARE(window.size(), QSize(1467, 1293));
    QTRY_COMPARE(hours->verticalScrollBar()->width(), scrollBar * 3);
    QTRY_COMPARE(focusMargin(), margin * 3);
    // Its arrow stands clear of the caption above the list.
    const QWidget *caption = control(window, u"Label1(0)"_s);
    QVERIFY(hours->verticalScrollBar()->mapTo(&window, QPoint(0, 0)).y() >= caption->geometry().bottom() - 3 * 3);
}

void TestZoom::commandsInTheContextMenu_data()
{
    QTest::addColumn<QString>("where"); // a control, or "" for the window's background
    // A key with the focus there, or none for a right press on it. (On the
    // desktop the menu key is the platform's to turn into a menu: the
    // end-to-end test tries it.)
    QTest::addColumn<QKeySequence>("key");
    QTest::addColumn<int>("ownEntries"); // before the window's commands
    QTest::addColumn<bool>("inBrowser"); // the window is a browser's page

    const QKeySequence press, shiftF10(Qt::SHIFT | Qt::Key_F10), menuKey(Qt::Key_Menu);
    QTest::newRow("right press on the heading") << u"Label1(2)"_s << press << 0 << false;
    QTest::newRow("right press on the list's caption") << u"Label1(0)"_s << press << 0 << false;
    QTest::newRow("right press on the background") << QString() << press << 0 << false;
    QTest::newRow("right press on the list") << u"List1(1)"_s << press << 0 << false;
    QTest::newRow("Shift+F10 on the dial") << u"Picture1"_s << shiftF10 << 0 << false;
    QTest::newRow("Shift+F10 in the list") << u"List1(1)"_s << shiftF10 << 0 << false;
    // The description keeps its own Copy and Select All.
    QTest::newRow("right press on the description") << u"Text1"_s << press << 2 << false;
    QTest::newRow("Shift+F10 in the description") << u"Text1"_s << shiftF10 << 2 << false;
    // In a page the menu key arrives as a key, which the window takes.
    QTest::newRow("page: menu key on the dial") << u"Picture1"_s << menuKey << 0 << true;
    QTest::newRow("page: menu key in the description") << u"Text1"_s << menuKey << 2 << true;
    QTest::newRow("page: Shift+F10 in the list") << u"List1(1)"_s << shiftF10 << 0 << true;
    QTest::newRow("page: right press on the background") << QString() << press << 0 << true;
}

void TestZoom::commandsInTheContextMenu()
{
    QFETCH(QString, where);
    QFETCH(QKeySequence, key);
    QFETCH(int, ownEntries);
    QFETCH(bool, inBrowser);
    MainWindow &window = *m_window;
    if (inBrowser)
        control<WindowCommands>(window, u"WindowCommands"_s)->suitBrowser();
    QWidget *target = where.isEmpty() ? &window : control(window, where);
    const QPoint at = where.isEmpty() ? QPoint(470, 150) : target->mapTo(&window, target->rect().center());
    if (!key.isEmpty()) {
        target->setFocus();
        QTRY_COMPARE(QApplication::focusWidget(), target);
        // As the keyboard sends it, to the window that has the focus.
        QTest::keyClick(window.windowHandle(), key[0].key(), key[0].keyboardModifiers());
    } else {
        QTest::mouseClick(window.windowHandle(), Qt::RightButton, {}, at);
    }
    QMenu *menu = nullptr;
    QTRY_VERIFY((menu = qobject_cast<QMenu *>(QApplication::activePopupWidget())));

    QStringList entries;
    for (const QAction *action : menu->actions()) {
        if (!action->isSeparator() && action->isVisible())
            entries << (action->text().split(u'\t').first() + u' ' + action->shortcut().toString()).trimmed();
    }
    menu->close();
    // The browser zooms, goes full screen and closes the page, and keeps
    // Ctrl+T for a new tab.
    const QStringList commands = inBrowser
        ? QStringList{u"Учителски изглед Alt+T"_s, u"Построяване с линийка и пергел Ctrl+K"_s,
                      u"Следваща стъпка PgDown"_s, u"Предишна стъпка PgUp"_s, u"Упражнение Ctrl+E"_s,
                      u"Помощ F1"_s}
        : QStringList{u"Увеличи Ctrl++"_s, u"Намали Ctrl+-"_s, u"Нормален размер Ctrl+0"_s, u"Цял екран F11"_s,
                      u"Учителски изглед Ctrl+T"_s, u"Построяване с линийка и пергел Ctrl+K"_s,
                      u"Следваща стъпка PgDown"_s, u"Предишна стъпка PgUp"_s, u"Упражнение Ctrl+E"_s,
                      u"Помощ F1"_s, u"Затвори Ctrl+Q"_s};
    QCOMPARE(entries.mid(ownEntries), commands);
    QCOMPARE(highlightOf(window).SelectedHour, qint16(0)); // nothing chosen on the way
}

void TestZoom::rightPressOnTheDialOpensNoMenu()
{
    MainWindow &window = *m_window;
    QTest::mouseClick(window.windowHandle(), Qt::RightButton, {}, DialOrigin + dialPixels(QPointF(500, 800)).toPoint());
    QCOMPARE(highlightOf(window).SelectedHour, qint16(6));
    QTest::qWait(50);
    QCOMPARE(QApplication::activePopupWidget(), nullptr);
}

void TestZoom::commandsEnabledWhereTheyAct()
{
    MainWindow &window = *m_window;
    const auto enabled = [&] {
        QStringList names;
        for (const QAction *action : window.actions()) {
            if (action->isEnabled() && !action->text().isEmpty())
                names << action->text();
        }
        return names;
    };
    const QString in = u"Увеличи"_s, out = u"Намали"_s, actual = u"Нормален размер"_s, full = u"Цял екран"_s,
                  teacher = u"Учителски изглед"_s, construction = u"Построяване с линийка и пергел"_s,
                  practice = u"Упражнение"_s, help = u"Помощ"_s,
                  close = u"Затвори"_s;
    QCOMPARE(enabled(), (QStringList{in, full, teacher, construction, practice, help, close})); // 100 %
    zoomIn(1);
    QTRY_COMPARE(enabled(), (QStringList{in, out, actual, full, teacher, construction, practice, help, close}));
    zoomIn(8); // 300 %, the largest that fits
    QTRY_COMPARE(enabled(), (QStringList{out, actual, full, teacher, construction, practice, help, close}));

    // Full screen from the menu, and out again by unchecking it.
    QAction *fullScreen = *std::find_if(window.actions().cbegin(), window.actions().cend(),
                                        [&](const QAction *action) { return action->text() == full; });
    fullScreen->trigger();
    QTRY_VERIFY(window.isFullScreen());
    QTRY_VERIFY(fullScreen->isChecked());
    QCOMPARE(enabled(), (QStringList{full, teacher, construction, practice, help, close}));
    fullScreen->trigger();
    QTRY_VERIFY(!window.isFullScreen());
    QVERIFY(!fullScreen->isChecked());

    // Maximised, the window fills the screen already: no step in or out.
    window.showMaximized();
    QTRY_COMPARE(enabled(), (QStringList{full, teacher, construction, practice, help, close}));
    window.showNormal();
    QTRY_VERIFY(enabled().contains(out));
}

void TestZoom::fullScreenKeptWhereTheWindowIsTheScreen()
{
    // As in a web page: Escape, F11 and the menu cannot leave full screen,
    // Ctrl+Q does not close the window (it would leave a dead page), the
    // zoom keys are the browser's, and Alt+T is the teacher's view.
    MainWindow &window = *m_window;
    window.setWindowState(Qt::WindowFullScreen);
    auto *commands = control<WindowCommands>(window, u"WindowCommands"_s);
    commands->suitBrowser();
    QTRY_VERIFY(window.isFullScreen());
    QTRY_VERIFY(window.font().pointSizeF() > 12); // full screen is zoomed
    const double points = window.font().pointSizeF();
    QTest::keyClick(&window, Qt::Key_Escape);
    QTest::keyClick(&window, Qt::Key_F11);
    QTest::keyClick(&window, Qt::Key_Q, Qt::ControlModifier);
    QTest::keyClick(&window, Qt::Key_Plus, Qt::ControlModifier);
    QTest::qWait(50);
    QVERIFY(window.isFullScreen() && window.isVisible());
    QCOMPARE(window.font().pointSizeF(), points);
    QTest::keyClick(&window, Qt::Key_T, Qt::ControlModifier);
    QVERIFY(!commands->teacherView()->isChecked());
    QTest::keyClick(&window, Qt::Key_T, Qt::AltModifier);
    QVERIFY(commands->teacherView()->isChecked());
    // The help and the read-me's list name the keys that work here.
    QCOMPARE(HelpDialog::keyList(commands->commands()),
             u"  Учителски изглед: Alt+T\n  Построяване с линийка и пергел: Ctrl+K\n  Следваща стъпка: PgDown\n  Предишна стъпка: PgUp\n  Упражнение: Ctrl+E\n  Помощ: F1\n"_s);
    // The help names what opens the menu here: the button and a long
    // touch, and no right press, which opens nothing in a page.
    QTest::keyClick(&window, Qt::Key_F1);
    HelpDialog *help = nullptr;
    QTRY_VERIFY((help = window.findChild<HelpDialog *>()) && help->isVisible());
    const QString text = help->findChild<QTextEdit *>()->toPlainText();
    QVERIFY(text.contains(u"Бутонът с три черти в горния десен ъгъл, пръст, задържан неподвижно извън циферблата"_s));
    QVERIFY(!text.contains(u"Десен бутон"_s));
    QTest::keyClick(help->findChild<QTextEdit *>(), Qt::Key_Escape);

    // The menu button, for a finger, in the top-right corner, off the dial.
    auto *menuButton = new MenuButton(window);
    QTRY_COMPARE(menuButton->geometry().topRight(), QPoint(window.width() - 1, 0));
    QCOMPARE_GE(menuButton->width(), SignButton::SmallestSide);
}

void TestZoom::fullScreenShowsItsWayOut()
{
    MainWindow &window = *m_window;
    QTest::keyClick(&window, Qt::Key_F11);
    QTRY_VERIFY(window.isFullScreen());
    auto *note = control<QLabel>(window, u"FullScreenNote"_s);
    auto *button = control<QToolButton>(window, u"LeaveFullScreen"_s);
    QTRY_VERIFY(note->isVisible() && button->isVisible());
    QCOMPARE(note->text(), u"Esc или F11 — изход от цял екран"_s);
    // At the top and in the corner, as large as the window's type, off the dial.
    const QRect dial(control(window, u"Picture1"_s)->mapTo(&window, QPoint()), control(window, u"Picture1"_s)->size());
    QVERIFY(!note->geometry().intersects(dial) && !button->geometry().intersects(dial));
    QCOMPARE(note->y(), 0);
    QCOMPARE(button->geometry().topRight(), QPoint(window.width() - 1, 0));
    QTRY_VERIFY(window.font().pointSizeF() > 12); // full screen is zoomed
    QCOMPARE(button->font().pointSizeF(), window.font().pointSizeF());
    QCOMPARE(button->geometry().topRight(), QPoint(window.width() - 1, 0));
    // The keys stay with the window's controls: Tab never reaches the ×.
    for (int tab = 0; tab < 4; ++tab) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QVERIFY(QApplication::focusWidget() != button);
    }
    // The note leaves after a few seconds; the way out stays.
    QTRY_VERIFY_WITH_TIMEOUT(!note->isVisible(), 10000);
    QVERIFY(button->isVisible());
    QTest::mouseClick(button, Qt::LeftButton);
    QTRY_VERIFY(!window.isFullScreen());
    QVERIFY(!note->isVisible() && !button->isVisible());
}

void TestZoom::helpListsEveryCommand()
{
    MainWindow &window = *m_window;
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_F1);
    HelpDialog *help = nullptr;
    QTRY_VERIFY((help = window.findChild<HelpDialog *>()) && help->isVisible());
    // Each command of the menu with all its keys, a line each, so that a
    // screen reader hears a command and its keys together.
    const QStringList lines = help->findChild<QTextEdit *>()->toPlainText().split(u'\n');
    for (const QString &command :
         {u"Увеличи: Ctrl++ или Ctrl+="_s, u"Намали: Ctrl+-"_s, u"Нормален размер: Ctrl+0"_s, u"Цял екран: F11"_s,
          u"Учителски изглед: Ctrl+T"_s, u"Построяване с линийка и пергел: Ctrl+K"_s, u"Следваща стъпка: PgDown"_s,
          u"Предишна стъпка: PgUp"_s, u"Упражнение: Ctrl+E"_s, u"Помощ: F1"_s, u"Затвори: Ctrl+Q"_s})
        QVERIFY2(lines.contains(command), qPrintable(command));
    // So are the ways to the menu, and how a task's arrow is measured.
    QVERIFY(help->findChild<QTextEdit *>()->toPlainText().contains(u"Десен бутон навсякъде освен върху циферблата, пръст, задържан"_s));
    QVERIFY(help->findChild<QTextEdit *>()->toPlainText().contains(u"от посоката към 3 часа (0°) обратно на часовниковата стрелка"_s));

    // A finger slid up the text scrolls it, and selects nothing.
    static QPointingDevice *const touchScreen = QTest::createTouchDevice();
    auto *text = help->findChild<QTextEdit *>();
    const QPoint low = text->viewport()->mapTo(help, text->viewport()->rect().center() + QPoint(0, 40));
    QTest::touchEvent(help, touchScreen).press(0, low);
    for (int step = 1; step <= 8; ++step) {
        QTest::qWait(20);
        QTest::touchEvent(help, touchScreen).move(0, low - QPoint(0, step * 10));
    }
    QTest::touchEvent(help, touchScreen).release(0, low - QPoint(0, 80));
    QTRY_VERIFY(text->verticalScrollBar()->value() > 0);
    QVERIFY(!text->textCursor().hasSelection());
    QTest::keyClick(help->findChild<QTextEdit *>(), Qt::Key_Escape);
    QTRY_VERIFY(!help->isVisible());
}

void TestZoom::uprightOnAPhone()
{
    // A phone held upright, 390 x 844: the dial across the width, the list
    // and the description side by side below it, the list's rows a
    // fingertip high. Back at its own size, the window is as it was.
    MainWindow &window = *m_window;
    const QSize ownSize = window.size();
    const QImage atStart = window.grab().toImage();
    window.resize(390, 844);
    const QRect dial = dialOf(window).geometry();
    auto *list = control<HourList>(window, u"List1(1)"_s);
    const QRect text = control(window, u"Text1"_s)->geometry();
    QTRY_COMPARE_GE(dialOf(window).width(), 360);
    QCOMPARE_GT(list->geometry().top(), dial.bottom());
    QCOMPARE_GT(text.top(), dial.bottom());
    QCOMPARE_GT(text.left(), list->geometry().right());
    QTRY_COMPARE_GE(list->visualRect(list->model()->index(0, 0)).height(), SignButton::SmallestSide);
    window.resize(ownSize);
    QTRY_COMPARE(window.grab().toImage(), atStart);
}

QTEST_MAIN(TestZoom)
#include "tst_zoom.moc"
