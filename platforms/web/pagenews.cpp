// Qt for WebAssembly 6.4 draws the window into a canvas and tells the
// browser nothing of it, so a screen reader in the browser would hear only
// the page's title. The page has a live region for that: everything the
// program tells a desktop screen reader, it tells the page too.

#include "widgets/newsfeed.h"

#include <QCoreApplication>

#include <emscripten/val.h>

namespace {

void tellThePage()
{
    NewsFeed &feed = NewsFeed::instance();
    QObject::connect(&feed, &NewsFeed::told, &feed, [](const QString &news) {
        // The page's own function (ravelinta.html), where the page has one.
        const emscripten::val say = emscripten::val::global("ravelintaNews");
        if (say.typeOf().as<std::string>() == "function")
            say(news.toStdString());
    });
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(tellThePage)
