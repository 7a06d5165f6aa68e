#include "forms/controlarray.h"
#include "forms/listbox.h"
#include "forms/picturebox.h"
#include "testsupport.h"

#include <QLabel>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>

using forms::RuntimeError;

class TestForms : public QObject
{
    Q_OBJECT

private slots:
    void userScale();
    void drawingIsRetained();
    void mouseDownInUserUnits_data();
    void mouseDownInUserUnits();
    void controlArrayLoadsCopies();
    void listBoxClicks();
};

namespace {

// A 267-pixel box, as the dial is: a 263-pixel inner area in a 2-pixel border.
std::unique_ptr<forms::PictureBox> makeBox()
{
    auto box = std::make_unique<forms::PictureBox>();
    box->resize(267, 267);
    QPalette palette = box->palette();
    palette.setColor(QPalette::Window, Qt::white);
    box->setPalette(palette);
    box->setAutoFillBackground(true);
    return box;
}

bool isDark(QRgb pixel)
{
    return qGray(pixel) < 64;
}

} // namespace

void TestForms::userScale()
{
    const auto box = makeBox();
    QCOMPARE(box->ScaleWidth(), 263.0f * 15);
    box->setScaleHeight(1000);
    QCOMPARE(box->ScaleWidth(), 263.0f * 15); // the other axis keeps its scale
    box->setScaleWidth(1000);
    QCOMPARE(box->ScaleHeight(), 1000.0f);
    QCOMPARE(box->toPixels(QPointF(500, 1000)), QPointF(131.5, 263));
    QCOMPARE(box->toUser(QPointF(131.5, 263)), QPointF(500, 1000));

    QLabel child(box->clientArea());
    child.resize(33, 25);
    QVERIFY(qAbs(box->childWidth(child) - 33000.0f / 263) < 1e-3f);
    box->setChildLeft(child, -25.5f);
    box->setChildTop(child, 990);
    QCOMPARE(child.pos(), QPoint(-7, 260)); // clipped by the border, not moved inside

    QCOMPARE(runtimeErrorOf([&] { box->setScaleWidth(0); }), int(RuntimeError::Overflow));
    QCOMPARE(runtimeErrorOf([&] { box->setChildLeft(child, 1e30f); }), int(RuntimeError::Overflow));
}

void TestForms::drawingIsRetained()
{
    const auto box = makeBox();
    box->setScaleHeight(1000);
    box->setScaleWidth(1000);
    box->setDrawWidth(15);
    box->PSet(500, 500);
    box->setDrawWidth(5);
    box->PSet(100, 500);

    box->show();
    QVERIFY(QTest::qWaitForWindowExposed(box.get()));
    for (int repaint = 0; repaint < 2; ++repaint) {
        box->repaint();
        const QImage image = box->grab().toImage();
        const QPoint border(2, 2);
        QVERIFY(isDark(image.pixel(border + QPoint(131, 131))));
        QVERIFY(isDark(image.pixel(border + QPoint(131 + 6, 131)))); // 15 across
        QVERIFY(!isDark(image.pixel(border + QPoint(131 + 9, 131))));
        QVERIFY(isDark(image.pixel(border + QPoint(26, 131))));
        QVERIFY(!isDark(image.pixel(border + QPoint(26 + 4, 131)))); // 5 across
        QCOMPARE(QColor(image.pixel(border + QPoint(60, 60))), QColor(Qt::white));
    }
}

void TestForms::mouseDownInUserUnits_data()
{
    QTest::addColumn<Qt::MouseButton>("button");
    QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
    QTest::addColumn<QPoint>("at");
    QTest::addColumn<QVariantList>("expected"); // empty: no MouseDown

    QTest::newRow("left, centre") << Qt::LeftButton << Qt::KeyboardModifiers() << QPoint(133, 133)
                                  << QVariantList{1, 0, 500.0f * 131 / 131.5f, 500.0f * 131 / 131.5f};
    QTest::newRow("right with Shift and Ctrl") << Qt::RightButton << (Qt::ShiftModifier | Qt::ControlModifier)
                                               << QPoint(2, 264) << QVariantList{2, 3, 0.0f, 1000.0f * 262 / 263};
    QTest::newRow("middle with Alt") << Qt::MiddleButton << Qt::KeyboardModifiers(Qt::AltModifier)
                                     << QPoint(2, 2) << QVariantList{4, 4, 0.0f, 0.0f};
    QTest::newRow("on the left border") << Qt::LeftButton << Qt::KeyboardModifiers() << QPoint(1, 100) << QVariantList{};
    QTest::newRow("on the bottom border") << Qt::LeftButton << Qt::KeyboardModifiers() << QPoint(100, 265) << QVariantList{};
}

void TestForms::mouseDownInUserUnits()
{
    QFETCH(Qt::MouseButton, button);
    QFETCH(Qt::KeyboardModifiers, modifiers);
    QFETCH(QPoint, at);
    QFETCH(QVariantList, expected);

    const auto box = makeBox();
    box->setScaleHeight(1000);
    box->setScaleWidth(1000);
    box->show();
    QVERIFY(QTest::qWaitForWindowExposed(box.get()));
    QSignalSpy spy(box.get(), &forms::PictureBox::MouseDown);
    QTest::mousePress(box->window()->windowHandle(), button, modifiers, at);
    QTest::mouseRelease(box->window()->windowHandle(), button, modifiers, at);

    if (expected.isEmpty()) {
        QCOMPARE(spy.count(), 0);
        return;
    }
    QCOMPARE(spy.count(), 1);
    const QVariantList args = spy.first();
    QCOMPARE(args.at(0).toInt(), expected.at(0).toInt());
    QCOMPARE(args.at(1).toInt(), expected.at(1).toInt());
    QVERIFY(qAbs(args.at(2).toFloat() - expected.at(2).toFloat()) < 1e-3f);
    QVERIFY(qAbs(args.at(3).toFloat() - expected.at(3).toFloat()) < 1e-3f);
}

void TestForms::controlArrayLoadsCopies()
{
    QWidget container;
    auto *prototype = new QLabel(&container);
    prototype->setGeometry(3, 4, 33, 33);
    QPixmap picture(32, 32);
    picture.fill(Qt::red);
    prototype->setPixmap(picture);
    prototype->setAttribute(Qt::WA_NoMousePropagation);

    forms::ControlArray<QLabel> markers(u"Picture3"_qs);
    QCOMPARE(runtimeErrorOf([&] { markers.load(1); }), int(RuntimeError::ControlArrayElementMissing));
    markers.add(0, prototype);

    QLabel &copy = markers.load(7);
    QCOMPARE(&markers(7), &copy);
    QCOMPARE(copy.parentWidget(), &container);
    QCOMPARE(copy.geometry(), prototype->geometry());
    QCOMPARE(copy.pixmap().toImage(), picture.toImage());
    QVERIFY(copy.testAttribute(Qt::WA_NoMousePropagation));
    QVERIFY(copy.isHidden());
    QCOMPARE(copy.objectName(), u"Picture3(7)"_qs);
    QCOMPARE(markers.count(), 2);

    QCOMPARE(runtimeErrorOf([&] { markers.load(7); }), int(RuntimeError::ObjectAlreadyLoaded));
    QCOMPARE(runtimeErrorOf([&] { markers(3); }), int(RuntimeError::ControlArrayElementMissing));
}

void TestForms::listBoxClicks()
{
    QWidget window;
    auto *before = new QLineEdit(&window);
    auto *list = new forms::ListBox(&window);
    list->setGeometry(0, 30, 80, 200);
    for (int row = 1; row <= 12; ++row)
        list->AddItem(QString::number(row));
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QSignalSpy clicks(list, &forms::ListBox::Click);

    // Tabbing in chooses nothing; the first arrow key chooses the first row.
    before->setFocus();
    QTest::keyClick(before, Qt::Key_Tab);
    QTRY_VERIFY(list->hasFocus());
    QCOMPARE(clicks.count(), 0);
    QCOMPARE(list->ListIndex(), qint16(-1));
    QTest::keyClick(list, Qt::Key_Down);
    QCOMPARE(list->ListIndex(), qint16(0));
    QCOMPARE(clicks.count(), 1);

    // A press on another row, then on the same row again: each one acts.
    const QPoint row3 = list->visualItemRect(list->item(2)).center();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, row3);
    QCOMPARE(list->ListIndex(), qint16(2));
    QCOMPARE(clicks.count(), 2);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, row3);
    QCOMPARE(clicks.count(), 3);

    QCOMPARE(list->List(11), u"12"_qs);
    QCOMPARE(runtimeErrorOf([&] { list->List(12); }), int(RuntimeError::InvalidPropertyArrayIndex));
    QCOMPARE(runtimeErrorOf([&] { list->List(-1); }), int(RuntimeError::InvalidPropertyArrayIndex));
}

QTEST_MAIN(TestForms)
#include "tst_forms.moc"
