#pragma once

#include <QAbstractButton>

// A button that opens the window's menu, for a finger: where there is no
// right button, no menu key and no keyboard at all (a tablet), the menu
// and every command in it are a tap away. It stands in the window's
// top-right corner, off the dial, a fingertip large at any zoom, and
// follows the window's size and type.
class MenuButton : public QAbstractButton
{
    Q_OBJECT

public:
    // Large enough for a fingertip: touch guidelines ask for 40 to 48 pixels.
    static constexpr int SmallestSide = 44;

    explicit MenuButton(QWidget &window);

    QSize sizeHint() const override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    void place();
};
