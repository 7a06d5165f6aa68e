#include "app/mainwindow.h"
#include "windowsupport.h"
#include "widgets/clockdial.h"
#include "widgets/hourlist.h"

#include <QFontInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTimer>

using namespace Qt::StringLiterals;

class TestMainWindow : public QObject
{
    Q_OBJECT

private slots:
    void controlsAsDesigned_data();
    void controlsAsDesigned();
    void windowAndTexts();
    void tabOrder();
    void dialAfterLoad();
    void rendersDesignedColoursAndDots();
    void focusShowsWhenKeysAct();
    void readableInADarkTheme();
    void neverMirrored();
    void numeralOnTheDialsColourAndSevenRows();
    void descriptionHasACaret();
};

namespace {


} // namespace

void TestMainWindow::controlsAsDesigned_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("geometry"); // logical pixels in the window
    QTest::addColumn<bool>("shown");

    for (const DesignedControl &designed : Design) {
        const QString name = QString::fromUtf16(designed.name);
        QTest::newRow(qPrintable(name)) << name << designed.rect << designed.shown;
    }
}

void TestMainWindow::controlsAsDesigned()
{
    QFETCH(QString, name);
    QFETCH(QRect, geometry);
    QFETCH(bool, shown);

    MainWindow window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    const QWidget *widget = control(window, name);
    QCOMPARE(QRect(widget->mapTo(&window, QPoint(0, 0)), widget->size()), geometry);
    QCOMPARE(widget->isVisible(), shown);
}

void TestMainWindow::windowAndTexts()
{
    MainWindow window;
    QCOMPARE(window.size(), WindowSize);
    QVERIFY(window.windowTitle().endsWith(u" Позиция:  правилен N-ъгълник"_s));
    QVERIFY(!window.windowTitle().startsWith(u' '));
    QCOMPARE(window.windowIcon().availableSizes(), (QList<QSize>{{16, 16}, {32, 32}, {48, 48}, {64, 64}}));
    const QFontInfo font(window.font());
    QCOMPARE(font.pointSize(), 12);
    QVERIFY2(font.family() == u"Liberation Serif" || font.family() == u"Times New Roman", qPrintable(font.family()));
    QVERIFY(!font.bold() && !font.italic());

    const auto *hours = control<HourList>(window, u"List1(1)"_s);
    QCOMPARE(hours->model()->rowCount(), 12);
    QCOMPARE(hours->model()->index(0, 0).data().toString(), u"1"_s);
    QCOMPARE(hours->model()->index(11, 0).data().toString(), u"12"_s);
    QCOMPARE(hours->currentRow(), -1);
    // The list stands above its caption, where it reaches over it.
    const QPoint overlap = designed(u"List1(1)").topLeft() + QPoint(20, 1);
    QVERIFY(designed(u"Label1(0)").contains(overlap));
    QVERIFY(hours->isAncestorOf(window.childAt(overlap)));

    QCOMPARE(control<QLabel>(window, u"Label1(2)"_s)->text(), u"Ravelinta"_s);
    QCOMPARE(control<QLabel>(window, u"Label1(0)"_s)->text(), u"Час"_s);
    QCOMPARE(control<QLabel>(window, u"Label2(0)"_s)->text(), u"0"_s);

    // The description's nine lines, blanks included, each ended.
    const QStringList description = {
        u"В много криминални/екшън филми има често срещана реплика от вида:  \"Противникът е на ... часа\". Указаната позиция по часовник служи за ориентир."_s,
        u"Да се реализира проект, представящ вътрешнопредметни връзки в Информатика."_s,
        u"Тема на проекта: Ravelinta"_s,
        u"Проектът да ползва графичен обект, в който се отбелязани 12 едноцветни точки, така че всяка от тях е на място съответстващо на определен час от циферблата. Входни данни за проекта е естествено число от интервала 1..12. Числото се избира от списъчно поле и съответства на определен час. След посочване на ред от това поле се появява временно графичен обект до мястото на указания час. Същият резултат да се постига и чрез посочване на произволна точка от циферблата."_s,
        u"В примерния проект се появява временно графичен обект, разположен под определен ъгъл спрямо предварително избрана централна точка."_s,
        u""_s,
        u"Припомнете си учебния материал за построимост на правилен многоъгълник (само с линия и пергел)."_s,
        u"Многоъгълник, чийто страни не се пресичат и е с равни ъгли и дължини на страни ще наричаме правилен многоъгълник. Пример за такива правилни многоъгълници са равностранния триъгълник, квадратът и др."_s,
        u"Вътрешните ъгли на правилен N-ъгълник (в  градуси) са с размер:  (N-2)*180/N."_s,
        QString()};
    QCOMPARE(control<QPlainTextEdit>(window, u"Text1"_s)->toPlainText().split(u'\n'), description);

    const auto *timer = control<QTimer>(window, u"Timer1"_s);
    QCOMPARE(timer->interval(), 100);
    QVERIFY(!timer->isActive());
}

void TestMainWindow::tabOrder()
{
    MainWindow window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    const QStringList order = {u"Picture1"_s, u"List1(1)"_s, u"Text1"_s, u"Picture1"_s};
    QTRY_COMPARE(QApplication::focusWidget()->objectName(), order.first());
    for (qsizetype step = 1; step < order.size(); ++step) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QTRY_COMPARE(QApplication::focusWidget()->objectName(), order.at(step));
    }
    QCOMPARE(control<HourList>(window, u"List1(1)"_s)->currentRow(), -1);
}

void TestMainWindow::dialAfterLoad()
{
    MainWindow window;
    // Thirteen markers, none shown; each with its right edge on its point's
    // x and its top 10 units above it, to within a pixel's rounding.
    const QList<QLabel *> markers = window.findChildren<QLabel *>(QRegularExpression(u"^Picture3\\(\\d+\\)$"_s));
    QCOMPARE(markers.size(), 13);
    for (const QLabel *marker : markers)
        QVERIFY(marker->isHidden());
    for (int hour = 1; hour <= 12; ++hour) {
        const QLabel *marker = control<QLabel>(window, u"Picture3(%1)"_s.arg(hour));
        const QPointF point = dialPixels(HourPoints[hour - 1]);
        const QPoint at = marker->mapTo(&window, QPoint(0, 0)) - DialOrigin;
        QCOMPARE(marker->size(), QSize(33, 33));
        QVERIFY(qAbs(at.x() + 33 - point.x()) < 1);
        QVERIFY(qAbs(at.y() - (point.y() - dialPixels(QPointF(0, 10)).y())) < 1);
    }
    // Hour 9's point is 100 units in: its marker starts left of the dial.
    QCOMPARE(control<QLabel>(window, u"Picture3(9)"_s)->mapTo(&window, QPoint(0, 0)).x() - DialOrigin.x(), -7);
}

void TestMainWindow::rendersDesignedColoursAndDots()
{
    MainWindow window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    const QImage image = window.grab().toImage();

    QCOMPARE(QColor(image.pixel(470, 150)), QColor(0xC0, 0xC0, 0xFF)); // window
    QCOMPARE(QColor(image.pixel(415, 5)), QColor(0xFF, 0xC0, 0x80));   // heading, past its text
    QCOMPARE(QColor(image.pixel(410, 50)), QColor(0xFF, 0xC0, 0x80));  // "Час", past its text

    // Inside the dial's border: its colour, and dark only at the 13 dots.
    QList<QPair<QPointF, double>> dots{{dialPixels(QPointF(500, 500)), 7.5}};
    for (const QPointF &point : HourPoints)
        dots.append({dialPixels(point), 2.5});
    for (const auto &[centre, radius] : dots)
        QVERIFY2(qGray(image.pixel(DialOrigin + centre.toPoint())) < 64, qPrintable(QString::number(radius)));

    const QColor dialColour(0x80, 0x80, 0xFF);
    int stray = 0;
    for (int y = 0; y < DialPixels; ++y) {
        for (int x = 0; x < DialPixels; ++x) {
            const QPointF at(x + 0.5, y + 0.5);
            const bool nearDot = std::any_of(dots.cbegin(), dots.cend(), [&](const auto &dot) {
                return QLineF(at, dot.first).length() <= dot.second + 1;
            });
            if (!nearDot && QColor(image.pixel(DialOrigin + QPoint(x, y))) != dialColour)
                ++stray;
        }
    }
    QCOMPARE(stray, 0);
}

void TestMainWindow::focusShowsWhenKeysAct()
{
    MainWindow window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QTRY_COMPARE(QApplication::focusWidget()->objectName(), u"Picture1"_s);
    const QImage atStart = window.grab().toImage();

    // Just outside the list, the description and the dial.
    const QList<QPair<QString, QPoint>> rings = {
        {u"Picture1"_s, QPoint(7, 150)}, {u"List1(1)"_s, QPoint(351, 120)}, {u"Text1"_s, QPoint(7, 350)}};
    const auto framed = [&](const QImage &image) {
        QStringList names;
        for (const auto &[name, at] : rings) {
            if (image.pixel(at) != atStart.pixel(at))
                names << name;
        }
        return names;
    };
    // No frame at start: just outside each control, the window's own colour.
    for (const auto &[name, at] : rings)
        QCOMPARE(QColor(atStart.pixel(at)), QColor(0xC0, 0xC0, 0xFF));
    // A key that chooses shows the frame at once, and a press hides it.
    auto *dial = control<ClockDial>(window, u"Picture1"_s);
    QTest::keyClick(dial, Qt::Key_Right);
    QCOMPARE(framed(window.grab().toImage()), QStringList{u"Picture1"_s});
    QTest::mouseClick(dial, Qt::LeftButton, {}, dial->rect().center());
    QCOMPARE(framed(window.grab().toImage()), QStringList());
    for (const QString &next : {u"List1(1)"_s, u"Text1"_s, u"Picture1"_s}) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QTRY_COMPARE(QApplication::focusWidget()->objectName(), next);
        QCOMPARE(framed(window.grab().toImage()), QStringList{next});
    }
    // Another window and back: the frame comes back where the focus is.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QTRY_COMPARE(QApplication::focusWidget()->objectName(), u"List1(1)"_s);
    QLineEdit other;
    other.show();
    QVERIFY(QTest::qWaitForWindowExposed(&other));
    QApplication::setActiveWindow(&other);
    other.setFocus();
    QTRY_VERIFY(other.hasFocus());
    QCOMPARE(framed(window.grab().toImage()), QStringList());
    QApplication::setActiveWindow(&window);
    QTRY_VERIFY(window.isActiveWindow());
    QCOMPARE(framed(window.grab().toImage()), QStringList{u"List1(1)"_s});

    // A click moves the focus and shows no frame.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QTRY_COMPARE(QApplication::focusWidget()->objectName(), u"Text1"_s);
    auto *hours = control<HourList>(window, u"List1(1)"_s);
    QTest::mouseClick(hours->viewport(), Qt::LeftButton, {}, hours->visualRect(hours->model()->index(0, 0)).center());
    QTRY_COMPARE(QApplication::focusWidget(), hours);
    QCOMPARE(framed(window.grab().toImage()), QStringList());
    QTest::keyClick(hours, Qt::Key_Down);
    QCOMPARE(framed(window.grab().toImage()), QStringList{u"List1(1)"_s});
}

namespace {

// WCAG's contrast ratio of two colours.
double contrast(QColor a, QColor b)
{
    const auto luminance = [](QColor c) {
        const auto linear = [](double v) { return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
        return 0.2126 * linear(c.redF()) + 0.7152 * linear(c.greenF()) + 0.0722 * linear(c.blueF());
    };
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

} // namespace

void TestMainWindow::readableInADarkTheme()
{
    // A dark desktop: light text on dark grounds.
    const QPalette saved = QApplication::palette();
    QPalette dark = saved;
    dark.setColor(QPalette::Window, QColor(0x24, 0x24, 0x24));
    dark.setColor(QPalette::WindowText, QColor(0xEE, 0xEE, 0xEC));
    dark.setColor(QPalette::Base, QColor(0x1E, 0x1E, 0x1E));
    dark.setColor(QPalette::Text, QColor(0xEE, 0xEE, 0xEC));
    QApplication::setPalette(dark);
    MainWindow window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    auto *hours = control<HourList>(window, u"List1(1)"_s);
    hours->setCurrentIndex(hours->model()->index(2, 0));
    tick(window); // "III" on the dial

    // Each text on a fixed ground: its ink against the ground.
    for (const QString &name : {u"Label1(2)"_s, u"Label1(0)"_s, u"Label2(0)"_s}) {
        auto *label = control<QLabel>(window, name);
        const QImage image = label->grab().toImage();
        const QColor ground = label->palette().color(QPalette::Window);
        double best = 1;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                best = std::max(best, contrast(image.pixelColor(x, y), ground));
        QVERIFY2(best >= 4.5, qPrintable(name + u": "_s + QString::number(best)));
    }
    QApplication::setPalette(saved);
}

void TestMainWindow::neverMirrored()
{
    // -reverse, or a right-to-left language: the Bulgarian window stays as it is.
    MainWindow leftToRight;
    leftToRight.show();
    QVERIFY(QTest::qWaitForWindowExposed(&leftToRight));
    const QImage expected = leftToRight.grab().toImage();
    leftToRight.hide();

    QApplication::setLayoutDirection(Qt::RightToLeft);
    MainWindow reversed;
    reversed.show();
    QVERIFY(QTest::qWaitForWindowExposed(&reversed));
    const QImage actual = reversed.grab().toImage();
    QApplication::setLayoutDirection(Qt::LeftToRight);
    QVERIFY(actual == expected);
}

void TestMainWindow::numeralOnTheDialsColourAndSevenRows()
{
    MainWindow window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    // Only the numeral's text stands out against the dial.
    auto *hours = control<HourList>(window, u"List1(1)"_s);
    hours->setCurrentIndex(hours->model()->index(0, 0));
    tick(window);
    auto *numeral = control<QLabel>(window, u"Label2(0)"_s);
    const QImage image = numeral->grab().toImage();
    QCOMPARE(QColor(image.pixel(image.width() - 1, image.height() - 1)), QColor(0x80, 0x80, 0xFF));

    // About seven rows show at a time; the rest scroll.
    const double rows = double(hours->viewport()->height()) / hours->sizeHintForRow(0);
    QVERIFY2(rows >= 6.5 && rows <= 7.5, qPrintable(QString::number(rows)));
}

void TestMainWindow::descriptionHasACaret()
{
    MainWindow window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    auto *text = control<QPlainTextEdit>(window, u"Text1"_s);
    text->setFocus();
    QTRY_VERIFY(text->hasFocus());
    QCOMPARE(text->textCursor().position(), 0);
    const int top = text->cursorRect().top();
    QTest::keyClick(text, Qt::Key_Down);
    QVERIFY(text->textCursor().position() > 0);
    const int moved = text->cursorRect().top() - top; // one line down
    QVERIFY2(moved >= QFontMetrics(text->font()).lineSpacing() && moved < 2 * QFontMetrics(text->font()).lineSpacing(),
             qPrintable(QString::number(moved)));
    QTest::keyClick(text, Qt::Key_End, Qt::ControlModifier);
    QCOMPARE(text->textCursor().position(), text->toPlainText().size());
    QVERIFY(text->isReadOnly());
}

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
