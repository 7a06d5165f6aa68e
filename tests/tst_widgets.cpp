// The window's two widgets on their own: the dial and the hour list.

#include "widgets/clockdial.h"
#include "windowsupport.h"
#include "widgets/hourlist.h"
#include "widgets/longtouch.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QScopeGuard>
#include <QScrollBar>
#include <QScroller>
#include <QSignalSpy>
#include <QStringListModel>
#include <QStyleFactory>
#include <QStyleHints>
#include <QTest>

using namespace Qt::StringLiterals;

class TestWidgets : public QObject
{
    Q_OBJECT

private slots:
    void dialGrowsWithItsBorder();
    void dialDrawsItsDots();
    void dialChoosesByAnyButton_data();
    void dialChoosesByAnyButton();
    void hourListKeysAndButtons_data();
    void hourListKeysAndButtons();
    void hourListChoiceStaysMarked_data();
    void hourListChoiceStaysMarked();
    void longTouchAsksForTheMenu_data();
    void longTouchAsksForTheMenu();
    void fingerScrollsTheListAndTapsChoose();
};

namespace {

// The dial as the window has it at 100 %: 267 pixels with its 2-pixel
// border, so 263 for 1000 units, on white.
std::unique_ptr<ClockDial> makeDial()
{
    auto dial = std::make_unique<ClockDial>(QSize(267, 267));
    QPalette palette = dial->palette();
    palette.setColor(QPalette::Window, Qt::white);
    dial->setPalette(palette);
    return dial;
}

bool isDark(QRgb pixel)
{
    return qGray(pixel) < 64;
}

} // namespace

void TestWidgets::dialGrowsWithItsBorder()
{
    // Shown at twice its size, the border grows with it.
    const auto dial = makeDial();
    dial->show();
    QVERIFY(QTest::qWaitForWindowExposed(dial.get()));
    dial->resize(534, 534);
    QTRY_COMPARE(dial->zoom(), 2.0);
    QCOMPARE(dial->transform().map(QPointF(0, 0)).toPoint(), QPoint(4, 4)); // the border is 4 pixels now
    QCOMPARE(dial->transform().map(QPointF(1000, 1000)).toPoint(), QPoint(530, 530));

    const QImage image = dial->grab().toImage();
    const QPalette &colours = dial->palette();
    QCOMPARE(image.pixel(1, 100), colours.color(QPalette::Dark).rgb());
    QCOMPARE(image.pixel(3, 100), colours.color(QPalette::Shadow).rgb());
    QCOMPARE(image.pixel(4, 100), colours.color(QPalette::Window).rgb());
    QCOMPARE(image.pixel(532, 100), colours.color(QPalette::Light).rgb());
    // Hour 9's marker reaches past the dial's left edge: cut off there.
    const auto *marker = control(*dial, u"Picture3(9)"_s);
    QVERIFY(marker->x() < 4);
    QCOMPARE(marker->mask().boundingRect().left(), 4 - marker->x());
}

void TestWidgets::dialDrawsItsDots()
{
    const auto dial = makeDial();
    dial->show();
    QVERIFY(QTest::qWaitForWindowExposed(dial.get()));
    for (int repaint = 0; repaint < 2; ++repaint) {
        dial->repaint();
        const QImage image = dial->grab().toImage();
        // The centre dot, 15 across, at 133.5.
        QVERIFY(isDark(image.pixel(133, 133)));
        QVERIFY(isDark(image.pixel(133 + 6, 133)));
        QVERIFY(!isDark(image.pixel(133 + 9, 133)));
        // Hour 9's, 5 across, at 28.3.
        QVERIFY(isDark(image.pixel(28, 133)));
        QVERIFY(!isDark(image.pixel(28 + 4, 133)));
        QCOMPARE(QColor(image.pixel(60, 60)), QColor(Qt::white));
    }
}

void TestWidgets::dialChoosesByAnyButton_data()
{
    QTest::addColumn<Qt::MouseButton>("button");
    QTest::addColumn<QPoint>("at");
    QTest::addColumn<int>("hour");
    QTest::addColumn<double>("degrees");

    QTest::newRow("left, right of the centre") << Qt::LeftButton << QPoint(250, 133) << 3 << 0.25;
    QTest::newRow("right, below it") << Qt::RightButton << QPoint(133, 250) << 6 << 269.75;
    QTest::newRow("middle, above it") << Qt::MiddleButton << QPoint(133, 10) << 12 << 90.25;
}

void TestWidgets::dialChoosesByAnyButton()
{
    QFETCH(Qt::MouseButton, button);
    QFETCH(QPoint, at);
    QFETCH(int, hour);
    QFETCH(double, degrees);

    const auto dial = makeDial();
    dial->show();
    QVERIFY(QTest::qWaitForWindowExposed(dial.get()));
    QSignalSpy spy(dial.get(), &ClockDial::hourChosen);
    QTest::mousePress(dial->windowHandle(), button, {}, at);
    QTest::mouseRelease(dial->windowHandle(), button, {}, at);
    // The second press of a double click does not choose again.
    QTest::mouseDClick(dial->windowHandle(), button, {}, at);
    QCOMPARE(spy.count(), 2);
    QCOMPARE(spy.first().at(0).toInt(), hour);
    QVERIFY2(qAbs(spy.first().at(1).toDouble() - degrees) < 0.25, qPrintable(spy.first().at(1).toString()));
    QVERIFY(spy.first().at(2).toBool()); // a press answers
    // On the border, nothing.
    QTest::mouseClick(dial->windowHandle(), button, {}, QPoint(0, 133));
    QCOMPARE(spy.count(), 2);
}

// What the user does to the list: a key (with modifiers), typed text, or a
// press of a mouse button on a row.
struct ListAction
{
    Qt::Key key = Qt::Key_unknown;
    Qt::KeyboardModifiers modifiers;
    QString typed;
    Qt::MouseButton button = Qt::NoButton;
    int row = -1;
};
Q_DECLARE_METATYPE(ListAction)

void TestWidgets::hourListKeysAndButtons_data()
{
    QTest::addColumn<int>("chosen"); // before the action; -1: tabbed in, nothing chosen
    QTest::addColumn<ListAction>("action");
    QTest::addColumn<int>("row");    // chosen after it
    QTest::addColumn<int>("clicks"); // Click signals raised by it

    const auto key = [](Qt::Key key, Qt::KeyboardModifiers modifiers = {}) {
        ListAction action;
        action.key = key;
        action.modifiers = modifiers;
        return action;
    };
    const auto press = [](Qt::MouseButton button, int row, Qt::KeyboardModifiers modifiers = {}) {
        ListAction action;
        action.modifiers = modifiers;
        action.button = button;
        action.row = row;
        return action;
    };
    ListAction typeSeven;
    typeSeven.typed = u"7"_s;
    // From nothing chosen, each key goes where it says.
    QTest::newRow("End from none") << -1 << key(Qt::Key_End) << 11 << 1;
    QTest::newRow("Home from none") << -1 << key(Qt::Key_Home) << 0 << 1;
    QTest::newRow("Down from none") << -1 << key(Qt::Key_Down) << 0 << 1;
    QTest::newRow("Up from none") << -1 << key(Qt::Key_Up) << 0 << 1;
    QTest::newRow("Page Up from none") << -1 << key(Qt::Key_PageUp) << 0 << 1;
    QTest::newRow("Page Down from none") << -1 << key(Qt::Key_PageDown) << 6 << 1;
    QTest::newRow("Page Down from 1") << 0 << key(Qt::Key_PageDown) << 6 << 1;
    QTest::newRow("typing 7 from none") << -1 << typeSeven << 6 << 1;
    QTest::newRow("End from 4") << 3 << key(Qt::Key_End) << 11 << 1;
    QTest::newRow("Down from 4") << 3 << key(Qt::Key_Down) << 4 << 1;
    // A choice is never taken back.
    QTest::newRow("Ctrl+Space on the chosen row") << 3 << key(Qt::Key_Space, Qt::ControlModifier) << 3 << 1;
    // Space and Enter choose the chosen row again, as a click on it does.
    QTest::newRow("Space on the chosen row") << 3 << key(Qt::Key_Space) << 3 << 1;
    QTest::newRow("Enter on the chosen row") << 3 << key(Qt::Key_Return) << 3 << 1;
    QTest::newRow("Space from none") << -1 << key(Qt::Key_Space) << -1 << 0;
    QTest::newRow("Ctrl+click on the chosen row") << 3 << press(Qt::LeftButton, 3, Qt::ControlModifier) << 3 << 1;
    QTest::newRow("Ctrl+click on another row") << 3 << press(Qt::LeftButton, 5, Qt::ControlModifier) << 5 << 1;
    // The left button chooses, again on the chosen row; the others do nothing.
    QTest::newRow("left on the chosen row") << 3 << press(Qt::LeftButton, 3) << 3 << 1;
    QTest::newRow("left from none") << -1 << press(Qt::LeftButton, 5) << 5 << 1;
    QTest::newRow("right on another row") << 3 << press(Qt::RightButton, 5) << 3 << 0;
    QTest::newRow("right on the chosen row") << 3 << press(Qt::RightButton, 3) << 3 << 0;
    QTest::newRow("middle from none") << -1 << press(Qt::MiddleButton, 5) << -1 << 0;
}

void TestWidgets::hourListKeysAndButtons()
{
    QFETCH(int, chosen);
    QFETCH(ListAction, action);
    QFETCH(int, row);
    QFETCH(int, clicks);

    QWidget window;
    auto *before = new QLineEdit(&window);
    QStringList rows;
    for (int hour = 1; hour <= 12; ++hour)
        rows << QString::number(hour);
    QStringListModel model(rows);
    auto *list = new HourList(&window);
    list->setModel(&model);
    // Seven whole rows show, as in the window, whatever the font.
    list->setGeometry(0, 30, 65, 7 * list->sizeHintForRow(0) + 2 * list->frameWidth());
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QSignalSpy spy(list, &HourList::chosen);
    // Tabbing in chooses nothing.
    before->setFocus();
    QTest::keyClick(before, Qt::Key_Tab);
    QTRY_VERIFY(list->hasFocus());
    QCOMPARE(spy.count(), 0);
    if (chosen >= 0)
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualRect(model.index(chosen)).center());
    QCOMPARE(list->currentRow(), chosen);
    spy.clear();
    if (action.button != Qt::NoButton)
        QTest::mouseClick(list->viewport(), action.button, action.modifiers,
                          list->visualRect(model.index(action.row)).center());
    else if (!action.typed.isEmpty())
        QTest::keyClicks(list, action.typed);
    else
        QTest::keyClick(list, action.key, action.modifiers);
    QCOMPARE(list->currentRow(), row);
    QCOMPARE(spy.count(), clicks);
}

void TestWidgets::hourListChoiceStaysMarked_data()
{
    QTest::addColumn<bool>("themeChangesLater"); // than the list is made
    QTest::newRow("palette before the list") << false;
    QTest::newRow("palette changed while it shows") << true;
}

void TestWidgets::hourListChoiceStaysMarked()
{
    QFETCH(bool, themeChangesLater);
    // An unfocused selection in light grey, as Windows has it, in the plain
    // Windows style: a selected row filled with the palette's colour, the
    // focus dotted on its edge.
    const QPalette saved = QApplication::palette();
    const auto restore = qScopeGuard([&] { QApplication::setPalette(saved); });
    QPalette windows = saved;
    windows.setColor(QPalette::Inactive, QPalette::Highlight, QColor(0xF0, 0xF0, 0xF0));
    windows.setColor(QPalette::Inactive, QPalette::HighlightedText, Qt::black);
    if (!themeChangesLater)
        QApplication::setPalette(windows);
    const std::unique_ptr<QStyle> style(QStyleFactory::create(u"Windows"_s));
    QStringListModel model({u"10"_s});
    HourList list;
    list.setStyle(style.get());
    list.setModel(&model);
    list.show();
    QVERIFY(QTest::qWaitForWindowExposed(&list));
    if (themeChangesLater) {
        QApplication::setPalette(windows);
        QCoreApplication::sendPostedEvents(); // it reaches windows through their event queues
    }
    const QRect row = list.visualRect(model.index(0)).adjusted(2, 2, -2, -2); // inside the dots
    QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, row.center());
    QTRY_VERIFY(list.hasFocus());
    const QImage focused = list.viewport()->grab(row).toImage();
    const QPoint ground(row.width() - 1, row.height() / 2); // past the text
    QCOMPARE(focused.pixelColor(ground), windows.color(QPalette::Active, QPalette::Highlight));

    list.clearFocus();
    const QImage unfocused = list.viewport()->grab(row).toImage();
    QCOMPARE(unfocused.pixelColor(ground), focused.pixelColor(ground));
    QCOMPARE(unfocused, focused); // the text's ink too
}

namespace {

// A control that keeps the requests for its menu that reach it.
class MenuAsker : public QWidget
{
public:
    using QWidget::QWidget;
    QList<QPoint> asked;

protected:
    void contextMenuEvent(QContextMenuEvent *event) override
    {
        if (event->reason() == QContextMenuEvent::Mouse)
            asked << event->pos();
    }
};

} // namespace

void TestWidgets::longTouchAsksForTheMenu_data()
{
    QTest::addColumn<bool>("finger"); // or the mouse's left button
    QTest::addColumn<int>("holdMs");
    QTest::addColumn<int>("moveBy"); // pixels, across, while held
    QTest::addColumn<bool>("asks");

    const int longer = LongTouch::HoldMs + 200, shorter = LongTouch::HoldMs - 300;
    QTest::newRow("finger held still") << true << longer << 0 << true;
    QTest::newRow("finger lifted sooner") << true << shorter << 0 << false;
    QTest::newRow("finger held, slid away") << true << longer << 30 << false;
    QTest::newRow("finger held, trembling") << true << longer << 2 << true;
    QTest::newRow("mouse button held") << false << longer << 0 << false;
}

void TestWidgets::longTouchAsksForTheMenu()
{
    QFETCH(bool, finger);
    QFETCH(int, holdMs);
    QFETCH(int, moveBy);
    QFETCH(bool, asks);
    static QPointingDevice *const touchScreen = QTest::createTouchDevice();
    // Each row's press is a press of its own, never the second of a double
    // click (which starts no hold), however soon after the row before it.
    QStyleHints *hints = QGuiApplication::styleHints();
    const int doubleClick = hints->mouseDoubleClickInterval();
    hints->setMouseDoubleClickInterval(0);
    const auto restore = qScopeGuard([=] { hints->setMouseDoubleClickInterval(doubleClick); });

    QWidget window;
    window.resize(300, 200);
    auto *control = new MenuAsker(&window);
    control->setGeometry(100, 50, 150, 100);
    new LongTouch(window);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    // Held until the request comes, where one must: a busy machine may be
    // late with it, never early; held the row's time otherwise.
    const QPoint at(140, 90), moved = at + QPoint(moveBy, 0); // in the window
    QElapsedTimer held;
    const auto hold = [&] {
        if (asks)
            QTRY_VERIFY_WITH_TIMEOUT(!control->asked.isEmpty(), 20 * LongTouch::HoldMs);
        else
            QTest::qWait(holdMs);
    };
    if (finger) {
        QTest::touchEvent(&window, touchScreen).press(0, at);
        held.start();
        if (moveBy)
            QTest::touchEvent(&window, touchScreen).move(0, moved);
        hold();
        QTest::touchEvent(&window, touchScreen).release(0, moved);
    } else {
        QTest::mousePress(window.windowHandle(), Qt::LeftButton, {}, at);
        held.start();
        hold();
        QTest::mouseRelease(window.windowHandle(), Qt::LeftButton, {}, at);
    }
    // A finger lifted sooner proves nothing where the machine kept it down
    // for longer than a long touch.
    if (holdMs < LongTouch::HoldMs && held.elapsed() >= LongTouch::HoldMs)
        QSKIP("the machine was too busy to lift the finger in time");
    QTest::qWait(std::max(0, LongTouch::HoldMs - holdMs) + 100); // no request comes late
    // Asked once, where the finger went down.
    QCOMPARE(control->asked, asks ? QList<QPoint>{at - control->pos()} : QList<QPoint>{});
}

void TestWidgets::fingerScrollsTheListAndTapsChoose()
{
    static QPointingDevice *const touchScreen = QTest::createTouchDevice();
    QStringList rows;
    for (int hour = 1; hour <= 12; ++hour)
        rows << QString::number(hour);
    QStringListModel model(rows);
    HourList list;
    list.setModel(&model);
    list.resize(65, 7 * list.sizeHintForRow(0) + 2 * list.frameWidth()); // seven rows show
    list.show();
    QVERIFY(QTest::qWaitForWindowExposed(&list));
    QSignalSpy chosen(&list, &HourList::chosen);

    // A finger slid up the rows scrolls them on, and chooses nothing.
    const QPoint low = list.viewport()->rect().center() + QPoint(0, list.sizeHintForRow(0) * 2);
    QTest::touchEvent(&list, touchScreen).press(0, list.viewport()->mapTo(&list, low));
    for (int step = 1; step <= 8; ++step) {
        QTest::qWait(20);
        QTest::touchEvent(&list, touchScreen).move(0, list.viewport()->mapTo(&list, low - QPoint(0, step * 10)));
    }
    QTest::touchEvent(&list, touchScreen).release(0, list.viewport()->mapTo(&list, low - QPoint(0, 80)));
    QTRY_VERIFY(list.verticalScrollBar()->value() > 0);
    QCOMPARE(chosen.count(), 0);
    QCOMPARE(list.currentRow(), -1);

    // Once still, a tap chooses the row under it.
    QTRY_COMPARE(QScroller::scroller(list.viewport())->state(), QScroller::Inactive);
    const QModelIndex tapped = list.indexAt(list.viewport()->rect().center());
    QTest::touchEvent(&list, touchScreen).press(0, list.viewport()->mapTo(&list, list.viewport()->rect().center()));
    QTest::touchEvent(&list, touchScreen).release(0, list.viewport()->mapTo(&list, list.viewport()->rect().center()));
    QTRY_COMPARE(chosen.count(), 1);
    QCOMPARE(list.currentRow(), tapped.row());
}

QTEST_MAIN(TestWidgets)
#include "tst_widgets.moc"
