#pragma once

#include <QLabel>

// A label whose news a screen reader says wherever the keyboard focus is,
// as it says a desktop notification: it is exposed as a notification, and
// each piece of news shows it again to the screen reader. What it shows on
// the screen is its text, as with any label.
class Announcement : public QLabel
{
    Q_OBJECT

public:
    explicit Announcement(QWidget *parent = nullptr);

    // Tells screen readers `news` now, or as the label next shows (it need
    // not be the whole text).
    void announce(const QString &news);
};
