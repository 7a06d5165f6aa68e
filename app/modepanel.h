#pragma once

#include "widgets/announcement.h"

// What a mode says in the description's place (a practice task, a step of
// the construction): large type on white, to be read from the back of a
// classroom, that a screen reader says as news. Hidden until its mode is on.
class ModePanel : public Announcement
{
    Q_OBJECT

public:
    ModePanel(const QString &name, QWidget *parent);

public slots:
    // The type and the margin follow the window's zoom.
    void setZoom(qreal zoom);
};
