#include "widgets/newsfeed.h"

NewsFeed &NewsFeed::instance()
{
    static NewsFeed feed;
    return feed;
}

void NewsFeed::tell(const QString &news)
{
    emit instance().told(news);
}
