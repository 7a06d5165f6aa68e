#pragma once

#include "forms/controlarray.h"

#include <QWidget>

class QLabel;
class QPlainTextEdit;
class QTimer;
class HourHighlight;

namespace forms {
class ListBox;
class PictureBox;
} // namespace forms

// The program's one window: the heading, the hour list, the dial and the
// description, built from the design data. On load it sets up the dial's
// coordinates and draws it.
class MainWindow : public QWidget
{
    Q_OBJECT

public:
    explicit MainWindow(QWidget *parent = nullptr);

    HourHighlight &highlight() const { return *m_highlight; }

private:
    void Form_Load();
    void DrawDial();

    forms::PictureBox *Picture1 = nullptr;
    QPlainTextEdit *Text1 = nullptr;
    QTimer *Timer1 = nullptr;
    forms::ControlArray<forms::ListBox> List1;
    forms::ControlArray<QLabel> Label1;
    forms::ControlArray<QLabel> Label2;
    forms::ControlArray<QLabel> Picture3;
    HourHighlight *m_highlight = nullptr;
};
