#include "app/applicationsetup.h"
#include "app/helpdialog.h"
#include "app/mainwindow.h"
#include "app/windowcommands.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QTextStream>

using namespace Qt::StringLiterals;

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    setUpApplication(app);
    QCommandLineParser options;
    options.setApplicationDescription(u"Позициите по часовник: циферблат, часовете и правилни многоъгълници."_s);
    options.addHelpOption();
    options.addVersionOption();
    // The help's list of commands and keys, for the read-me that goes
    // beside the program, printed instead of a window shown.
    const QCommandLineOption keys(u"keys"_s, u"Отпечатва командите и клавишите им и излиза."_s);
    options.addOption(keys);
    options.process(app);
    MainWindow window;
    if (options.isSet(keys)) {
        QTextStream(stdout) << HelpDialog::keyList(window.findChild<WindowCommands *>()->commands());
        return 0;
    }
    window.show();
    return app.exec();
}
