#pragma once

#include <QWidget>

class KeyboardFocusFrame;

// The program's one window: the heading, the hour list, the dial and the
// description's place. It builds them where the design puts them and wires
// them: the list and the keys choose on the dial, and the modes (the
// teacher's view, practice) follow the dial, switched by the window's
// commands.
class MainWindow : public QWidget
{
    Q_OBJECT

public:
    explicit MainWindow(QWidget *parent = nullptr);

protected:
    bool focusNextPrevChild(bool next) override;

private:
    KeyboardFocusFrame *m_focusFrame = nullptr;
};
