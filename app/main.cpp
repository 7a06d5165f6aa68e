#include "app/applicationsetup.h"
#include "app/helpdialog.h"
#include "app/mainwindow.h"
#include "app/windowcommands.h"

#include <QApplication>
#include <QTextStream>

using namespace Qt::StringLiterals;

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    setUpApplication(app);
    MainWindow window;
    // --keys prints the help's list of commands and keys, for the read-me
    // that goes beside the program, and shows no window.
    if (QCoreApplication::arguments().contains(u"--keys"_s)) {
        QTextStream(stdout) << HelpDialog::keyList(window.findChild<WindowCommands *>()->commands());
        return 0;
    }
    window.show();
    return app.exec();
}
