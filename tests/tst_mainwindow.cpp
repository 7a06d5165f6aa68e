#include "app/dialgeometry.h"
#include "app/mainwindow.h"
#include "forms/listbox.h"
#include "forms/picturebox.h"
#include "testsupport.h"

#include <QFontInfo>
#include <QLabel>
#include <QPlainTextEdit>
#include <QTest>
#include <QTimer>

class TestMainWindow : public QObject
{
    Q_OBJECT

private slots:
    void controlsAsDesigned_data();
    void controlsAsDesigned();
    void windowAndTexts();
    void tabOrder();
    void dialAfterLoad_data();
    void dialAfterLoad();
    void rendersDesignedColoursAndDots();
};

namespace {

template <class T = QWidget>
T *control(const QWidget &window, const QString &name)
{
    auto *found = window.findChild<T *>(name);
    if (!found)
        qFatal("no control %s", qPrintable(name));
    return found;
}

QStringList rows(const forms::ListBox &list)
{
    QStringList texts;
    for (int row = 0; row < list.count(); ++row)
        texts << list.item(row)->text();
    return texts;
}

} // namespace

void TestMainWindow::controlsAsDesigned_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("geometry"); // logical pixels in the container
    QTest::addColumn<bool>("shown");
    QTest::addColumn<QString>("container");

    const QString window = u"MainWindow"_qs;
    const QString dial = u"Picture1"_qs;
    QTest::newRow("List1(4)") << u"List1(4)"_qs << QRect(304, 96, 65, 137) << false << window;
    QTest::newRow("List1(3)") << u"List1(3)"_qs << QRect(264, 96, 65, 137) << false << window;
    QTest::newRow("Text1") << u"Text1"_qs << QRect(8, 304, 473, 121) << true << window;
    QTest::newRow("List1(2)") << u"List1(2)"_qs << QRect(296, 264, 65, 61) << false << window;
    QTest::newRow("List1(1)") << u"List1(1)"_qs << QRect(352, 56, 65, 137) << true << window;
    QTest::newRow("Picture1") << u"Picture1"_qs << QRect(8, 32, 267, 267) << true << window;
    QTest::newRow("Picture3(0)") << u"Picture3(0)"_qs << QRect(0, 0, 33, 33) << false << dial;
    QTest::newRow("Label2(0)") << u"Label2(0)"_qs << QRect(40, 0, 33, 25) << false << dial;
    QTest::newRow("Label1(2)") << u"Label1(2)"_qs << QRect(56, 0, 369, 25) << true << window;
    QTest::newRow("Label1(0)") << u"Label1(0)"_qs << QRect(352, 32, 65, 27) << true << window;
}

void TestMainWindow::controlsAsDesigned()
{
    QFETCH(QString, name);
    QFETCH(QRect, geometry);
    QFETCH(bool, shown);
    QFETCH(QString, container);

    MainWindow window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    const QWidget *widget = control(window, name);
    QCOMPARE(widget->geometry(), geometry);
    QCOMPARE(widget->isVisible(), shown);

    // Inside the dial, controls sit within its border.
    const QWidget *parent = widget->parentWidget();
    if (container == u"Picture1")
        parent = parent->parentWidget();
    QCOMPARE(parent->objectName(), container);
}

void TestMainWindow::windowAndTexts()
{
    MainWindow window;
    QCOMPARE(window.size(), QSize(489, 431));
    QVERIFY(window.windowTitle().endsWith(u" Позиция:  правилен N-ъгълник"_qs));
    QVERIFY(!window.windowTitle().startsWith(u' '));
    QCOMPARE(window.windowIcon().availableSizes().value(0), QSize(32, 32));
    const QFontInfo font(window.font());
    QCOMPARE(font.pointSize(), 12);
    QVERIFY2(font.family() == u"Liberation Serif" || font.family() == u"Times New Roman", qPrintable(font.family()));
    QVERIFY(!font.bold() && !font.italic());

    const auto *hours = control<forms::ListBox>(window, u"List1(1)"_qs);
    QStringList expected;
    for (int hour = 1; hour <= 12; ++hour)
        expected << QString::number(hour);
    QCOMPARE(rows(*hours), expected);
    QCOMPARE(hours->ListIndex(), qint16(-1));
    QCOMPARE(rows(*control<forms::ListBox>(window, u"List1(2)"_qs)),
             (QStringList{u"I"_qs, u"II"_qs, u"III"_qs, u"IV"_qs, u"V"_qs, u"VI"_qs, u"VII"_qs, u"VIII"_qs,
                          u"IX"_qs, u"X"_qs, u"XI"_qs, u"XII"_qs}));

    QCOMPARE(control<QLabel>(window, u"Label1(2)"_qs)->text(), u"Ravelinta"_qs);
    QCOMPARE(control<QLabel>(window, u"Label1(0)"_qs)->text(), u"Час"_qs);
    QCOMPARE(control<QLabel>(window, u"Label2(0)"_qs)->text(), u"0"_qs);

    const QStringList lines = control<QPlainTextEdit>(window, u"Text1"_qs)->toPlainText().split(u'\n');
    QCOMPARE(lines.size(), 10); // nine lines, each ended
    QVERIFY(lines.at(0).contains(u"от вида:  \"Противникът е на ... часа\""_qs));
    QVERIFY(lines.at(5).isEmpty());
    QCOMPARE(lines.at(8), u"Вътрешните ъгли на правилен N-ъгълник (в  градуси) са с размер:  (N-2)*180/N."_qs);
    QVERIFY(lines.at(9).isEmpty());

    const auto *timer = control<QTimer>(window, u"Timer1"_qs);
    QCOMPARE(timer->interval(), 100);
    QVERIFY(!timer->isActive());
}

void TestMainWindow::tabOrder()
{
    MainWindow window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    const QStringList order = {u"Picture1"_qs, u"List1(1)"_qs, u"Text1"_qs, u"Picture1"_qs};
    QTRY_COMPARE(QApplication::focusWidget()->objectName(), order.first());
    for (qsizetype step = 1; step < order.size(); ++step) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QTRY_COMPARE(QApplication::focusWidget()->objectName(), order.at(step));
    }
    QCOMPARE(control<forms::ListBox>(window, u"List1(1)"_qs)->ListIndex(), qint16(-1));
}

void TestMainWindow::dialAfterLoad_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::newRow("decimal point") << QLocale(QLocale::English, QLocale::UnitedStates);
    QTest::newRow("decimal comma") << QLocale(QLocale::Bulgarian, QLocale::Bulgaria);
}

void TestMainWindow::dialAfterLoad()
{
    QFETCH(QLocale, locale);
    const LocaleScope scope(locale);
    MainWindow window;
    const auto *dial = control<forms::PictureBox>(window, u"Picture1"_qs);
    QCOMPARE(dial->ScaleWidth(), 1000.0f);
    QCOMPARE(dial->ScaleHeight(), 1000.0f);

    const QStringList xs = rows(*control<forms::ListBox>(window, u"List1(3)"_qs));
    const QStringList ys = rows(*control<forms::ListBox>(window, u"List1(4)"_qs));
    QCOMPARE(xs.size(), 12);
    QCOMPARE(ys.size(), 12);
    const QString point = locale.decimalPoint();
    QCOMPARE(xs.at(2), u"900"_qs);
    QCOMPARE(ys.at(2), u"500"_qs);
    // Residues of the literal pi; the last digit is the platform's sin and cos.
    QVERIFY2(xs.at(5).startsWith(u"500"_qs + point + u"00000000000"_qs), qPrintable(xs.at(5)));
    QVERIFY2(xs.at(11).startsWith(u"499"_qs + point + u"99999999999"_qs), qPrintable(xs.at(11)));
    QVERIFY2(ys.at(0).startsWith(u"153"_qs + point + u"58983848622"_qs), qPrintable(ys.at(0)));

    const int inner = 263; // pixels across the dial's inner area
    int markers = 0;
    for (const QLabel *marker : window.findChildren<QLabel *>(QRegularExpression(u"^Picture3\\(\\d+\\)$"_qs))) {
        ++markers;
        QVERIFY(marker->isHidden());
    }
    QCOMPARE(markers, 13);

    for (int hour = 1; hour <= 12; ++hour) {
        const QPointF expected = dial::hourPoint(hour, QPointF(500, 500));
        QCOMPARE(xs.at(hour - 1).size() <= 16 && !xs.at(hour - 1).contains(u'E'), true);
        QVERIFY(qAbs(locale.toDouble(xs.at(hour - 1)) - expected.x()) < 1e-9);
        QVERIFY(qAbs(locale.toDouble(ys.at(hour - 1)) - expected.y()) < 1e-9);

        // The marker's right edge on the point's x, its top 10 units above.
        const QLabel *marker = control<QLabel>(window, QStringLiteral("Picture3(%1)").arg(hour));
        const double width = 33.0 * 1000 / inner;
        // To within the rounding to whole pixels.
        QVERIFY(qAbs(marker->x() - (expected.x() - width) * inner / 1000) < 1);
        QVERIFY(qAbs(marker->y() - (expected.y() - 10) * inner / 1000) < 1);
        QCOMPARE(marker->size(), QSize(33, 33));
    }
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
    const QPoint inner(8 + 2, 32 + 2);
    const double scale = 263.0 / 1000;
    QList<QPair<QPointF, double>> dots{{QPointF(500, 500) * scale, 7.5}};
    for (int hour = 1; hour <= 12; ++hour)
        dots.append({dial::hourPoint(hour, QPointF(500, 500)) * scale, 2.5});
    for (const auto &[centre, radius] : dots)
        QVERIFY2(qGray(image.pixel(inner + centre.toPoint())) < 64, qPrintable(QString::number(radius)));

    const QColor dialColour(0x80, 0x80, 0xFF);
    int stray = 0;
    for (int y = 0; y < 263; ++y) {
        for (int x = 0; x < 263; ++x) {
            const QPointF at(x + 0.5, y + 0.5);
            const bool nearDot = std::any_of(dots.cbegin(), dots.cend(), [&](const auto &dot) {
                return QLineF(at, dot.first).length() <= dot.second + 1;
            });
            if (!nearDot && QColor(image.pixel(inner + QPoint(x, y))) != dialColour)
                ++stray;
        }
    }
    QCOMPARE(stray, 0);
}

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
