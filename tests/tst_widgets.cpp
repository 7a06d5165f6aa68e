// The window's two widgets on their own: the dial canvas and the hour list.

#include "widgets/dialcanvas.h"
#include "widgets/hourlist.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QStringListModel>
#include <QStyleFactory>
#include <QTest>

using namespace Qt::StringLiterals;

class TestWidgets : public QObject
{
    Q_OBJECT

private slots:
    void canvasUserScale();
    void canvasGrowsWithItsBorder();
    void canvasDrawingIsRetained();
    void canvasPressesInUserUnits_data();
    void canvasPressesInUserUnits();
    void hourListKeysAndButtons_data();
    void hourListKeysAndButtons();
    void hourListChoiceStaysMarked_data();
    void hourListChoiceStaysMarked();
};

namespace {

// A 263-pixel canvas, as the dial is, 1000 units across.
std::unique_ptr<DialCanvas> makeCanvas()
{
    auto canvas = std::make_unique<DialCanvas>();
    canvas->resize(263, 263);
    QPalette palette = canvas->palette();
    palette.setColor(QPalette::Window, Qt::white);
    canvas->setPalette(palette);
    canvas->setScaleHeight(1000);
    canvas->setScaleWidth(1000);
    return canvas;
}

bool isDark(QRgb pixel)
{
    return qGray(pixel) < 64;
}

} // namespace

void TestWidgets::canvasUserScale()
{
    DialCanvas canvas;
    canvas.resize(263, 200);
    QCOMPARE(canvas.ScaleWidth(), 263.0f); // pixels until a scale is set
    canvas.setScaleHeight(1000);
    QCOMPARE(canvas.ScaleWidth(), 263.0f); // the other axis keeps its scale
    canvas.setScaleWidth(500);
    QCOMPARE(canvas.ScaleHeight(), 1000.0f);
    QCOMPARE(canvas.transform().map(QPointF(250, 1000)).toPoint(), QPoint(132, 200)); // 131.5
    QCOMPARE(canvas.toUser(QPointF(131.5, 200)).toPoint(), QPoint(250, 1000));

    QLabel child(&canvas);
    canvas.placeChild(child, QPointF(-12.75, 990), QSize(33, 25));
    QCOMPARE(canvas.widthInUnits(child), 62.737643f); // 33 of 263 pixels for 500 units
    QCOMPARE(child.pos(), QPoint(-7, 198)); // past the edge, clipped, not moved inside
}

void TestWidgets::canvasGrowsWithItsBorder()
{
    // Designed 267 pixels square with a 2-pixel border, shown at twice that.
    DialCanvas canvas;
    canvas.setDesignSize(QSize(267, 267));
    canvas.setBorderWidth(2);
    canvas.setScaleHeight(1000);
    canvas.setScaleWidth(1000);
    QLabel child(&canvas);
    canvas.placeChild(child, QPointF(900, 500), QSize(33, 25));
    QCOMPARE(child.geometry(), QRect(239, 134, 33, 25)); // 2 + 236.7, 2 + 131.5
    QCOMPARE(child.mask().boundingRect(), QRect(0, 0, 26, 25)); // cut at the border

    canvas.show();
    QVERIFY(QTest::qWaitForWindowExposed(&canvas));
    canvas.resize(534, 534);
    QTRY_COMPARE(canvas.zoom(), 2.0);
    QCOMPARE(canvas.transform().map(QPointF(0, 0)).toPoint(), QPoint(4, 4)); // the border is 4 pixels now
    QCOMPARE(canvas.transform().map(QPointF(1000, 1000)).toPoint(), QPoint(530, 530));
    QCOMPARE(child.geometry(), QRect(477, 267, 66, 50));

    const QImage image = canvas.grab().toImage();
    const QColor dark = canvas.palette().color(QPalette::Dark);
    const QColor shadow = canvas.palette().color(QPalette::Shadow);
    QCOMPARE(image.pixel(1, 100), dark.rgb());
    QCOMPARE(image.pixel(3, 100), shadow.rgb());
    QCOMPARE(image.pixel(4, 100), canvas.palette().color(QPalette::Window).rgb());
    QCOMPARE(image.pixel(532, 100), canvas.palette().color(QPalette::Light).rgb());
}

void TestWidgets::canvasDrawingIsRetained()
{
    const auto canvas = makeCanvas();
    canvas->setDrawWidth(15);
    canvas->PSet(500, 500);
    canvas->setDrawWidth(5);
    canvas->PSet(100, 500);

    canvas->show();
    QVERIFY(QTest::qWaitForWindowExposed(canvas.get()));
    for (int repaint = 0; repaint < 2; ++repaint) {
        canvas->repaint();
        const QImage image = canvas->grab().toImage();
        QVERIFY(isDark(image.pixel(131, 131)));
        QVERIFY(isDark(image.pixel(131 + 6, 131))); // 15 across
        QVERIFY(!isDark(image.pixel(131 + 9, 131)));
        QVERIFY(isDark(image.pixel(26, 131)));
        QVERIFY(!isDark(image.pixel(26 + 4, 131))); // 5 across
        QCOMPARE(QColor(image.pixel(60, 60)), QColor(Qt::white));
    }
}

void TestWidgets::canvasPressesInUserUnits_data()
{
    QTest::addColumn<Qt::MouseButton>("button");
    QTest::addColumn<QPoint>("at");
    QTest::addColumn<QPointF>("expected");

    // 263 pixels for 1000 units.
    QTest::newRow("left, centre") << Qt::LeftButton << QPoint(131, 131) << QPointF(498.09886, 498.09886);
    QTest::newRow("right, bottom left") << Qt::RightButton << QPoint(0, 262) << QPointF(0, 996.19772);
    QTest::newRow("middle, near top left") << Qt::MiddleButton << QPoint(1, 1) << QPointF(3.8022814, 3.8022814);
}

void TestWidgets::canvasPressesInUserUnits()
{
    QFETCH(Qt::MouseButton, button);
    QFETCH(QPoint, at);
    QFETCH(QPointF, expected);

    const auto canvas = makeCanvas();
    canvas->show();
    QVERIFY(QTest::qWaitForWindowExposed(canvas.get()));
    QSignalSpy spy(canvas.get(), &DialCanvas::MouseDown);
    QTest::mousePress(canvas->windowHandle(), button, {}, at);
    QTest::mouseRelease(canvas->windowHandle(), button, {}, at);
    // The second press of a double click does not choose again.
    QTest::mouseDClick(canvas->windowHandle(), button, {}, at);
    QCOMPARE(spy.count(), 2);
    QVERIFY(qAbs(spy.first().at(0).toFloat() - expected.x()) < 1e-3);
    QVERIFY(qAbs(spy.first().at(1).toFloat() - expected.y()) < 1e-3);
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
    QSignalSpy spy(list, &HourList::Click);
    // Tabbing in chooses nothing.
    before->setFocus();
    QTest::keyClick(before, Qt::Key_Tab);
    QTRY_VERIFY(list->hasFocus());
    QCOMPARE(spy.count(), 0);
    if (chosen >= 0)
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualRect(model.index(chosen)).center());
    QCOMPARE(list->ListIndex(), chosen);
    spy.clear();
    if (action.button != Qt::NoButton)
        QTest::mouseClick(list->viewport(), action.button, action.modifiers,
                          list->visualRect(model.index(action.row)).center());
    else if (!action.typed.isEmpty())
        QTest::keyClicks(list, action.typed);
    else
        QTest::keyClick(list, action.key, action.modifiers);
    QCOMPARE(list->ListIndex(), row);
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

QTEST_MAIN(TestWidgets)
#include "tst_widgets.moc"
