#include "forms/application.h"
#include "forms/runtimeerror.h"

#include <QTest>
#include <QTimer>

// A run-time error in an event handler ends the program with exit code 1; it
// does not carry on, and later errors while it ends are not reported again.
class TestApplication : public QObject
{
    Q_OBJECT

private slots:
    void errorInHandlerEndsEventLoop();
};

void TestApplication::errorInHandlerEndsEventLoop()
{
    int handled = 0;
    int afterError = 0;
    QTimer ticking;
    ticking.setInterval(1);
    connect(&ticking, &QTimer::timeout, this, [&] {
        if (++handled >= 2)
            forms::raiseRuntimeError(forms::RuntimeError::TypeMismatch, u"a coordinate that is not a number"_qs);
    });
    ticking.start();
    QTimer::singleShot(2000, this, [&] {
        ++afterError;
        QCoreApplication::exit(0);
    });

    QCOMPARE(QCoreApplication::exec(), 1);
    QCOMPARE(afterError, 0);
    QVERIFY(handled >= 2);

    const forms::RuntimeError error(forms::RuntimeError::TypeMismatch, u"List1(3)"_qs);
    QCOMPARE(error.message(), u"Run-time error '13':\n\nType mismatch\n(List1(3))"_qs);
}

int main(int argc, char *argv[])
{
    forms::Application app(argc, argv);
    TestApplication test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_application.moc"
