#include "app/applicationsetup.h"
#include "app/mainwindow.h"
#include "widgets/clockdial.h"
#include "widgets/hourlist.h"
#include "widgets/newsfeed.h"

#include <QAccessible>
#include <QApplication>
#include <QMenu>
#include <QPlainTextEdit>
#include <QSignalSpy>
#include <QTest>
#include <QtGui/private/qguiapplication_p.h>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>

using namespace Qt::StringLiterals;

class TestDesktop : public QObject
{
    Q_OBJECT

private slots:
    void qtOwnTextsInBulgarian();
    void everyControlNamed();
    void dialFocusesEachChosenHour();
    void newsFeedHearsEveryChange();
};

namespace {

// What took the focus, for a screen reader, by name.
QStringList focused;

void recordFocus(QAccessibleEvent *event)
{
    if (event->type() == QAccessible::Focus && event->accessibleInterface())
        focused.append(event->accessibleInterface()->text(QAccessible::Name));
}

QString accessibleText(QWidget *widget, QAccessible::Text text)
{
    QAccessibleInterface *interface = QAccessible::queryAccessibleInterface(widget);
    return interface ? interface->text(text) : QString();
}

} // namespace

void TestDesktop::qtOwnTextsInBulgarian()
{
    // Whatever the user's locale: the window is Bulgarian throughout.
    QVERIFY(loadQtTranslations(*qApp));
    MainWindow window;
    const std::unique_ptr<QMenu> menu(window.findChild<QPlainTextEdit *>(u"Text1"_s)->createStandardContextMenu());
    QStringList texts;
    for (const QAction *action : menu->actions())
        texts << action->text().section(u'\t', 0, 0);
    QVERIFY2(texts.contains(u"&Копиране"_s), qPrintable(texts.join(u" | ")));
    QVERIFY2(texts.contains(u"Избиране на всичко"_s), qPrintable(texts.join(u" | ")));
}

void TestDesktop::everyControlNamed()
{
    // A screen reader names what the keys reach.
    MainWindow window;
    int named = 0;
    for (QWidget *control : window.findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
        if (control->focusPolicy() & Qt::TabFocus) {
            QVERIFY2(!accessibleText(control, QAccessible::Name).isEmpty(), qPrintable(control->objectName()));
            ++named;
        }
    }
    QCOMPARE(named, 3); // the dial, the list, the description
}

void TestDesktop::dialFocusesEachChosenHour()
{
    MainWindow window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    auto *dial = window.findChild<ClockDial *>(u"Picture1"_s);
    QTRY_VERIFY(dial->hasFocus());
    // As when a screen reader is listening.
    QPlatformAccessibility *platform = QGuiApplicationPrivate::platformIntegration()->accessibility();
    if (!platform)
        QSKIP("this platform has no accessibility");
    platform->setActive(true);
    focused.clear();
    QAccessible::installUpdateHandler(recordFocus);

    // Each choice on the dial, by key or press, focuses its hour at once.
    QTest::keyClick(dial, Qt::Key_Right);
    QTest::keyClick(dial, Qt::Key_Left);
    QTest::keyClick(dial, Qt::Key_Left);
    QTest::mouseClick(dial, Qt::LeftButton, {}, dial->transform().map(QPointF(700, 500)).toPoint());
    QCOMPARE(focused, (QStringList{u"1 час (I)"_s, u"12 часа (XII)"_s, u"11 часа (XI)"_s, u"3 часа (III)"_s}));
    QAccessibleInterface *hour = QAccessible::queryAccessibleInterface(dial)->focusChild();
    QVERIFY(hour && hour->state().focused);
    QCOMPARE(hour->text(QAccessible::Name), u"3 часа (III)"_s);
    // Where it is among the dial's items, which are its twelve hours: "3 of 12".
    QCOMPARE(QAccessible::queryAccessibleInterface(dial)->childCount(), 12);
    QCOMPARE(QAccessible::queryAccessibleInterface(dial)->indexOfChild(hour), 2);

    // Chosen from the list, the hour is the list's to tell.
    focused.clear();
    auto *hours = window.findChild<HourList *>(u"List1(1)"_s);
    hours->setFocus();
    QTest::keyClick(hours, Qt::Key_Down);
    QCOMPARE(focused.value(0), u"1 час (I)"_s);
    QAccessible::installUpdateHandler(nullptr);
    platform->setActive(false);
}

void TestDesktop::newsFeedHearsEveryChange()
{
    // What a screen reader hears is told to the news feed too, in the same
    // words, for a platform where no screen reader can read the window.
    MainWindow window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QTRY_VERIFY(QApplication::focusWidget());
    QSignalSpy told(&NewsFeed::instance(), &NewsFeed::told);
    // Keys, and how the last news they bring begins.
    const QList<std::pair<QKeyCombination, QString>> steps = {
        {Qt::Key_End, u"12 часа (XII)"_s},
        {Qt::CTRL | Qt::Key_T, u"Учителският изглед е включен."_s},
        {Qt::Key_Home, u"1 час (I); a = "_s}, // with the angle that chose it
        {Qt::CTRL | Qt::Key_T, u"Учителският изглед е изключен."_s},
        {Qt::CTRL | Qt::Key_K, u"Стъпка 1 от 7: пергелът в центъра"_s},
        {Qt::Key_PageUp, u"Това е първата стъпка."_s},
        {Qt::Key_End, u"Стъпка 7 от 7: страните"_s},
        {Qt::Key_PageDown, u"Това е последната стъпка."_s},
        {Qt::CTRL | Qt::Key_K, u"Построяването е изключено."_s},
        {Qt::CTRL | Qt::Key_E, u"Задача 1 от 10. "_s},
        {Qt::CTRL | Qt::Key_E, u"Упражнението е изключено."_s},
    };
    for (const auto &[keys, news] : steps) {
        told.clear();
        QTest::keyClick(QApplication::focusWidget(), keys.key(), keys.keyboardModifiers());
        QVERIFY2(!told.isEmpty() && told.last().first().toString().startsWith(news),
                 qPrintable(u"%1: %2"_s.arg(QKeySequence(keys).toString(), told.isEmpty() ? QString() : told.last().first().toString())));
    }
}

QTEST_MAIN(TestDesktop)
#include "tst_desktop.moc"
