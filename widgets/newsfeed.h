#pragma once

#include <QObject>
#include <QString>

// Every piece of news the program gives a screen reader, in the words a
// screen reader says: a choice, a task, a step, a mode on or off. A desktop
// screen reader reads them from the controls themselves; a platform whose
// screen readers cannot (a web page, where the window is a picture) follows
// the feed and tells them its own way.
class NewsFeed : public QObject
{
    Q_OBJECT

public:
    static NewsFeed &instance();
    // Tells every follower `news`, as it is told to a screen reader.
    static void tell(const QString &news);

signals:
    void told(const QString &news);

private:
    explicit NewsFeed(QObject *parent = nullptr)
        : QObject(parent)
    {
    }
};
