#pragma once

#include <QWidget>

class QAction;
class SignButton;

// The construction's steps for a mouse and a finger: a row of buttons for
// the first step, the previous, the next and the last, each the command of
// its key (Home, Page Up, Page Down, End), enabled with it and named as it
// is for a screen reader. The buttons are square, as large as the row is high.
class StepButtons : public QWidget
{
    Q_OBJECT

public:
    StepButtons(QAction &first, QAction &previous, QAction &next, QAction &last, QWidget *parent);

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    QList<SignButton *> m_buttons;
};
