#include "app/applicationsetup.h"
#include "app/mainwindow.h"
#include "forms/listbox.h"
#include "highlight/hourhighlight.h"

#include <QAccessible>
#include <QApplication>
#include <QMenu>
#include <QPlainTextEdit>
#include <QTest>
#include <QtGui/private/qguiapplication_p.h>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>

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
    const std::unique_ptr<QMenu> menu(window.findChild<QPlainTextEdit *>(u"Text1"_qs)->createStandardContextMenu());
    QStringList texts;
    for (const QAction *action : menu->actions())
        texts << action->text().section(u'\t', 0, 0);
    QVERIFY2(texts.contains(u"&Копиране"_qs), qPrintable(texts.join(u" | ")));
    QVERIFY2(texts.contains(u"Избиране на всичко"_qs), qPrintable(texts.join(u" | ")));
}

void TestDesktop::accessibleNames_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("name");
    QTest::newRow("dial") << u"Picture1"_qs << u"Циферблат"_qs;
    QTest::newRow("hour list") << u"List1(1)"_qs << u"Час"_qs;
    QTest::newRow("description") << u"Text1"_qs << u"Описание на упражнението"_qs;
    QTest::newRow("heading") << u"Label1(2)"_qs << u"Ravelinta"_qs;
    QTest::newRow("a marker") << u"Picture3(7)"_qs << u"Маркер на избрания час"_qs;
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
    auto *dial = window.findChild<QWidget *>(u"Picture1"_qs);
    HourHighlight &highlight = window.highlight();
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

    window.findChild<forms::ListBox *>(u"List1(1)"_qs)->setCurrentRow(2);
    highlight.Timer1_Timer();
    QCOMPARE(accessibleText(dial, QAccessible::Description), u"Показан е час 3 (III)"_qs);
    QCOMPARE(changes(), 1);
    highlight.Timer1_Timer();
    QCOMPARE(changes(), 1); // said once, not on every tick

    for (int tick = 3; tick <= 13; ++tick)
        highlight.Timer1_Timer();
    QCOMPARE(accessibleText(dial, QAccessible::Description), QString());
    QCOMPARE(changes(), 2);
    QAccessible::installUpdateHandler(nullptr);
    platform->setActive(false);
}

QTEST_MAIN(TestDesktop)
#include "tst_desktop.moc"
