#include "app/applicationsetup.h"
#include "app/mainwindow.h"
#include "app/windowcommands.h"

#include <QApplication>

using namespace Qt::StringLiterals;

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    setUpApplication(app);
    MainWindow window;
    // In a web page, the page is the screen: the window fills it, always.
    if (QGuiApplication::platformName() == "wasm"_L1) {
        window.setWindowState(Qt::WindowFullScreen);
        window.commands().keepFullScreen();
    }
    window.show();
    return app.exec();
}
