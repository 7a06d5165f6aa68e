#include "forms/application.h"

#include "forms/runtimeerror.h"

#include <QMessageBox>

#include <cstdio>

namespace forms {

Application::Application(int &argc, char **argv)
    : QApplication(argc, argv)
{
}

bool Application::notify(QObject *receiver, QEvent *event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (const RuntimeError &error) {
        // While the first error is on screen, later ones (a timer still
        // ticking) are not reported again.
        if (!m_ending) {
            m_ending = true;
            exit(report(error));
        }
        return true;
    }
}

int Application::report(const RuntimeError &error)
{
    std::fprintf(stderr, "%s: %s\n", qPrintable(applicationName()), qPrintable(error.message()));
    std::fflush(stderr);
    const QString platform = platformName();
    if (platform != QLatin1String("offscreen") && platform != QLatin1String("minimal"))
        QMessageBox::critical(nullptr, applicationName(), error.message());
    return 1;
}

} // namespace forms
