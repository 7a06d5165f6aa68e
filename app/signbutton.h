#pragma once

#include <QAbstractButton>
#include <QPainterPath>

// A button that shows a sign, drawn rather than written (the window's
// typeface may lack the character), large enough for a fingertip at any
// zoom. The sign is given in a square of SignUnits a side.
class SignButton : public QAbstractButton
{
    Q_OBJECT

public:
    static constexpr double SignUnits = 12;
    // Large enough for a fingertip: touch guidelines ask for 40 to 48 pixels.
    static constexpr int SmallestSide = 44;

    SignButton(const QPainterPath &sign, QWidget *parent);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QPainterPath m_sign;
};
