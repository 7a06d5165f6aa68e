#include "app/applicationsetup.h"
#include "app/mainwindow.h"
#include "forms/application.h"
#include "forms/runtimeerror.h"

int main(int argc, char *argv[])
{
    forms::Application app(argc, argv);
    setUpApplication(app);
    try {
        MainWindow window;
        window.show();
        return app.exec();
    } catch (const forms::RuntimeError &error) {
        return forms::Application::report(error);
    }
}
