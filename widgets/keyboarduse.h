#pragma once

#include <QObject>

class QWidget;

// Tells when the keys are used in a window, and when the mouse is: a key
// that moves or chooses reaching the control with the focus, or a mouse
// button going down anywhere in it. Shortcuts and modifiers alone are not
// keys in use. It watches the program's events as they are delivered.
class KeyboardUse : public QObject
{
    Q_OBJECT

public:
    explicit KeyboardUse(QWidget *window);

    // The keys that move or choose in the window's controls: the arrows,
    // Home, End, Page Up and Down, Space and Enter.
    static bool movesOrChooses(int key);

signals:
    void keysActed();
    void mousePressed();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool inWindow(QObject *object) const;

    QWidget *m_window = nullptr;
};
