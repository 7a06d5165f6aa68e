#include "app/mainwindow.h"

#include "app/dialgeometry.h"
#include "app/mainwindowdesign.h"
#include "forms/conversions.h"
#include "forms/formbuilder.h"
#include "forms/listbox.h"
#include "forms/olecolor.h"
#include "forms/picturebox.h"
#include "forms/twips.h"
#include "highlight/hourhighlight.h"

#include <QIcon>
#include <QLabel>
#include <QPlainTextEdit>
#include <QTimer>

MainWindow::MainWindow(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("MainWindow"));
    setWindowTitle(mainwindowdesign::caption());
    setWindowIcon(mainwindowdesign::icon());
    setFixedSize(forms::twipsToPixels(mainwindowdesign::ClientTwips.width()),
                 forms::twipsToPixels(mainwindowdesign::ClientTwips.height()));
    QPalette background = palette();
    background.setColor(QPalette::Window, forms::oleColor(mainwindowdesign::Background));
    setPalette(background);
    setAutoFillBackground(true);
    QFont font(mainwindowdesign::fontFamily(), mainwindowdesign::FontPointSize);
    font.setWeight(QFont::Normal);
    setFont(font);

    const forms::FormControls controls(this, mainwindowdesign::controls());
    Picture1 = controls.single<forms::PictureBox>(QStringLiteral("Picture1"));
    Text1 = controls.single<QPlainTextEdit>(QStringLiteral("Text1"));
    Timer1 = controls.single<QTimer>(QStringLiteral("Timer1"));
    List1 = controls.array<forms::ListBox>(QStringLiteral("List1"));
    Label1 = controls.array<QLabel>(QStringLiteral("Label1"));
    Label2 = controls.array<QLabel>(QStringLiteral("Label2"));
    Picture3 = controls.array<QLabel>(QStringLiteral("Picture3"));

    Text1->setReadOnly(true);
    setTabOrder(Picture1, &List1(1));
    setTabOrder(&List1(1), Text1);

    Form_Load();

    m_highlight = new HourHighlight({Picture1, &List1, &Label2(0), &Picture3, Timer1}, this);
    connect(Timer1, &QTimer::timeout, m_highlight, &HourHighlight::Timer1_Timer);
    List1.forEach([this](qint16 index, forms::ListBox &list) {
        connect(&list, &forms::ListBox::Click, m_highlight, [this, index] { m_highlight->List1_Click(index); });
    });
    connect(Picture1, &forms::PictureBox::MouseDown, m_highlight, &HourHighlight::Picture1_MouseDown);
    Picture1->setFocus();
}

void MainWindow::Form_Load()
{
    Picture1->setScaleHeight(dial::Scale);
    Picture1->setScaleWidth(dial::Scale);
    DrawDial();
}

void MainWindow::DrawDial()
{
    const float cx = Picture1->ScaleWidth() / 2;
    const float cy = Picture1->ScaleHeight() / 2;

    Picture1->setDrawWidth(15);
    Picture1->PSet(cx, cy);
    Picture1->setDrawWidth(5);

    for (qint16 i = 1; i <= dial::Hours; ++i) {
        const QPointF point = dial::hourPoint(i, QPointF(cx, cy));
        Picture1->PSet(float(point.x()), float(point.y()));
        List1(3).AddItem(forms::numberToText(point.x()));
        List1(4).AddItem(forms::numberToText(point.y()));

        QLabel &marker = Picture3.load(i);
        Picture1->setChildTop(marker, float(point.y() - dial::MarkerLift));
        Picture1->setChildLeft(marker, float(point.x() - Picture1->childWidth(marker)));
    }
}
