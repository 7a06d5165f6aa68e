#pragma once

#include <QApplication>

namespace forms {

class RuntimeError;

// The application object. A run-time error raised in any event handler ends
// here: it is reported to the user, further errors are not piled on top, and
// the event loop ends with exit code 1.
class Application : public QApplication
{
    Q_OBJECT

public:
    Application(int &argc, char **argv);

    bool notify(QObject *receiver, QEvent *event) override;

    // Shows the error (standard error, and a message box where there is a
    // screen to show it on). Returns the exit code to end with.
    static int report(const RuntimeError &error);

private:
    bool m_ending = false;
};

} // namespace forms
