// A page is left in one key (Ctrl+W, F5): while a practice round or the
// construction is under way, the page asks first (ravelinta.html asks the
// program through this function as the page is about to go).

#include "app/windowcommands.h"

#include <QAction>
#include <QApplication>
#include <QWidget>

#include <emscripten/bind.h>

namespace {

bool workUnderWay()
{
    for (const QWidget *window : QApplication::topLevelWidgets()) {
        if (const auto *commands = window->findChild<WindowCommands *>())
            return commands->practice()->isChecked() || commands->construction()->isChecked();
    }
    return false;
}

} // namespace

EMSCRIPTEN_BINDINGS(ravelinta_page)
{
    emscripten::function("workUnderWay", &workUnderWay);
}
