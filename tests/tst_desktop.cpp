#include "app/applicationsetup.h"
#include "app/mainwindow.h"
#include "widgets/hourlist.h"

#include <QAccessible>
#include <QApplication>
#include <QMenu>
#include <QPlainTextEdit>
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
    void accessibleNames_data();
    void accessibleNames();
    void dialTellsScreenReadersTheHour();
};

namespace {

QList<QPair<QObject *, QAccessible::Event>> accessibilityEvents;

void recordAccessibilityEvent(QAccessibleEvent *event)
{
    accessibilityEvents.append({event->object(), event->type()});
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

void TestDesktop::accessibleNames_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("name");
    QTest::newRow("dial") << u"Picture1"_s << u"Циферблат"_s;
    QTest::newRow("hour list") << u"List1(1)"_s << u"Час"_s;
    QTest::newRow("description") << u"Text1"_s << u"Описание на упражнението"_s;
    QTest::newRow("heading") << u"Label1(2)"_s << u"Ravelinta"_s;
    QTest::newRow("a marker") << u"Picture3(7)"_s << u"Маркер на избрания час"_s;
}

void TestDesktop::accessibleNames()
{
    QFETCH(QString, control);
    QFETCH(QString, name);
    MainWindow window;
    QCOMPARE(accessibleText(window.findChild<QWidget *>(control), QAccessible::Name), name);
}

void TestDesktop::dialTellsScreenReadersTheHour()
{
    MainWindow window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    auto *dial = window.findChild<QWidget *>(u"Picture1"_s);
    accessibilityEvents.clear();
    // As when a screen reader is listening.
    QPlatformAccessibility *platform = QGuiApplicationPrivate::platformIntegration()->accessibility();
    if (!platform)
        QSKIP("this platform has no accessibility");
    platform->setActive(true);
    QAccessible::installUpdateHandler(recordAccessibilityEvent);
    const auto changes = [&] {
        return std::count(accessibilityEvents.cbegin(), accessibilityEvents.cend(),
                          qMakePair(static_cast<QObject *>(dial), QAccessible::DescriptionChanged));
    };

    auto *hours = window.findChild<HourList *>(u"List1(1)"_s);
    hours->setCurrentIndex(hours->model()->index(2, 0));
    window.Timer1_Timer();
    QCOMPARE(accessibleText(dial, QAccessible::Description), u"Показан е час 3 (III)"_s);
    QCOMPARE(changes(), 1);
    window.Timer1_Timer();
    QCOMPARE(changes(), 1); // said once, not on every tick

    for (int tick = 3; tick <= 13; ++tick)
        window.Timer1_Timer();
    QCOMPARE(accessibleText(dial, QAccessible::Description), QString());
    QCOMPARE(changes(), 2);
    QAccessible::installUpdateHandler(nullptr);
    platform->setActive(false);
}

QTEST_MAIN(TestDesktop)
#include "tst_desktop.moc"
