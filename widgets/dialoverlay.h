#pragma once

#include <QWidget>

class ClockDial;

// The dial's top layer: the figures drawn over it (the teacher's view,
// practice) and its dots, above the markers and the numeral, so that
// nothing a figure shows is hidden while an hour is shown. It takes no
// press, and paints nothing while there are no figures.
class DialOverlay : public QWidget
{
    Q_OBJECT

public:
    explicit DialOverlay(ClockDial *dial);

protected:
    void paintEvent(QPaintEvent *event) override;
};
