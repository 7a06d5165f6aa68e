#include "widgets/announcement.h"

#include "widgets/newsfeed.h"

#include <QAccessible>
#include <QAccessibleWidget>

namespace {

QAccessibleInterface *notificationFactory(const QString &className, QObject *object)
{
    if (className == QLatin1String(Announcement::staticMetaObject.className()) && object && object->isWidgetType())
        return new QAccessibleWidget(static_cast<QWidget *>(object), QAccessible::Notification);
    return nullptr;
}

} // namespace

Announcement::Announcement(QWidget *parent)
    : QLabel(parent)
{
    static const bool accessible = (QAccessible::installFactory(&notificationFactory), true);
    Q_UNUSED(accessible);
}

void Announcement::announce(const QString &news)
{
    setAccessibleName(news);
    NewsFeed::tell(news);
    // Screen readers say a notification when it shows; the label is on the
    // screen already, so it is shown to them again.
    if (isVisible() && QAccessible::isActive()) {
        QAccessibleEvent shown(this, QAccessible::ObjectShow);
        QAccessible::updateAccessibility(&shown);
    }
}
