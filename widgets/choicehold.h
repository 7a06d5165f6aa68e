#pragma once

#include <QObject>

class QWidget;

// Holds back the input that chooses an hour (a press, a drag, the keys that
// step or answer) from the controls it watches, while it is held: the
// focus, Tab, the menu and the window's commands still work.
class ChoiceHold : public QObject
{
    Q_OBJECT

public:
    explicit ChoiceHold(QObject *parent = nullptr);

    void watch(QWidget &control);

public slots:
    void setHeld(bool held);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool m_held = false;
};
