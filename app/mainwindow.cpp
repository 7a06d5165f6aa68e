#include "app/mainwindow.h"

#include "app/controls.h"
#include "app/practice.h"
#include "app/teacherview.h"
#include "app/windowcommands.h"
#include "dial/dialgeometry.h"
#include "dial/numbertext.h"
#include "dial/zoom.h"
#include "widgets/designlayout.h"
#include "widgets/dialcanvas.h"
#include "widgets/hourlist.h"
#include "widgets/keyboardfocusframe.h"

#include <QAction>
#include <QGuiApplication>
#include <QLabel>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QScreen>
#include <QStandardItemModel>
#include <QStringListModel>
#include <QTimer>

#include <cstdio>

using namespace Qt::StringLiterals;

namespace {

// Colours as the design gives them, 0x00BBGGRR: blue in the high byte.
constexpr quint32 WindowColour = 0x00FFC0C0;
constexpr quint32 DialColour = 0x00FF8080;
constexpr quint32 HeadingColour = 0x0080C0FF;

constexpr int FontPointSize = 12;
constexpr int TickMs = 100;
constexpr int CentreDot = 0; // the first dot the dial draws
constexpr int DialBorder = 2;                // a sunken panel, in pixels at 100 %
constexpr QSize MarkerPictureSize{32, 32};   // logical pixels at 100 %
constexpr double SmallestStartZoom = 0.5;
const QSize DesignSize = twips(0, 0, 7335, 6465).size();
const QSize MarkerSize = twips(0, 0, 495, 495).size();

} // namespace

MainWindow::MainWindow(QWidget *parent)
    : QWidget(parent)
    , m_marker(markerIcon())
{
    setObjectName(u"MainWindow"_s);
    setWindowTitle(u"ravelinta.org Позиция:  правилен N-ъгълник"_s);
    setWindowIcon(applicationIcon());
    // The texts are Bulgarian: nothing mirrors, whatever the locale or -reverse says.
    setLayoutDirection(Qt::LeftToRight);
    setBackground(*this, WindowColour);
    setFont(designFont(FontPointSize));
    auto *layout = new DesignLayout(DesignSize, this);

    List1[YTexts] = makeList(this, u"List1(4)"_s);
    List1[XTexts] = makeList(this, u"List1(3)"_s);

    Timer1 = new QTimer(this);
    Timer1->setObjectName(u"Timer1"_s);
    Timer1->setInterval(TickMs);
    // Coarse timers may fire 5% early or late; the highlight counts ticks,
    // so each one must keep its period.
    Timer1->setTimerType(Qt::PreciseTimer);

    auto *Text1 = makeDescription(this);
    const QRect descriptionRect = twips(120, 4560, 7095, 1815);
    layout->addWidget(Text1, descriptionRect);

    List1[Numerals] = makeList(this, u"List1(2)"_s,
                               {u"I"_s, u"II"_s, u"III"_s, u"IV"_s, u"V"_s, u"VI"_s, u"VII"_s, u"VIII"_s, u"IX"_s,
                                u"X"_s, u"XI"_s, u"XII"_s});
    // The rows show the hour and tell a screen reader its name and numeral.
    auto *hours = new QStandardItemModel(this);
    for (qint16 hour = 1; hour <= dial::Hours; ++hour) {
        auto *row = new QStandardItem(QString::number(hour));
        row->setData(spokenHour(hour), Qt::AccessibleTextRole);
        row->setEditable(false);
        hours->appendRow(row);
    }
    hourList = new HourList(this);
    hourList->setObjectName(u"List1(1)"_s);
    hourList->setModel(hours);
    layout->addWidget(hourList, twips(5280, 840, 975, 2055));
    hourList->setAccessibleName(u"Час"_s);

    Picture1 = new DialCanvas(this);
    Picture1->setObjectName(u"Picture1"_s);
    const QRect dialRect = twips(120, 480, 4000, 4000);
    Picture1->setDesignSize(dialRect.size());
    Picture1->setBorderWidth(DialBorder);
    layout->addWidget(Picture1, dialRect);
    setBackground(*Picture1, DialColour);
    Picture1->setAccessibleName(u"Циферблат"_s);

    Picture3[0] = new QLabel(Picture1);
    Picture3[0]->setObjectName(u"Picture3(0)"_s);
    Picture1->placeChild(*Picture3[0], QPointF(0, 0), MarkerSize);
    Picture3[0]->setAlignment(Qt::AlignCenter);
    Picture3[0]->setAttribute(Qt::WA_NoMousePropagation);
    Picture3[0]->setAccessibleName(u"Маркер на избрания час"_s);
    Picture3[0]->hide();
    Label2 = makeLabel(Picture1, u"Label2(0)"_s, u"0"_s, DialColour);
    Label2->setAttribute(Qt::WA_NoMousePropagation); // a press on it is its own, not the dial's
    const QRect numeralRect = twips(600, 0, 495, 375); // in the dial's inner area
    Picture1->placeChild(*Label2, Picture1->toUser(numeralRect.topLeft() + QPoint(DialBorder, DialBorder)),
                         numeralRect.size());
    Label2->hide();
    layout->addWidget(makeLabel(this, u"Label1(2)"_s, u"Ravelinta"_s, HeadingColour), twips(840, 0, 5535, 375));
    layout->addWidget(makeLabel(this, u"Label1(0)"_s, u"Час"_s, HeadingColour), twips(5280, 480, 975, 405));
    // A list box stands above the label over which it reaches.
    hourList->raise();

    setTabOrder(Picture1, hourList);
    setTabOrder(hourList, Text1);
    m_practice = new Practice(*Picture1, *Text1, *layout, descriptionRect, this);

    Form_Load();

    connect(Timer1, &QTimer::timeout, this, &MainWindow::Timer1_Timer);
    connect(hourList, &HourList::Click, this, [this] { List1_Click(HourRows); });
    connect(Picture1, &DialCanvas::MouseDown, this, &MainWindow::Picture1_MouseDown);

    // The keys choose on the dial as a press does: the arrows step from hour
    // to hour, and Space or Enter picks the hour shown, as a practice answer.
    connect(Picture1, &DialCanvas::StepKey, this,
            [this](int steps) { chooseHour(dial::hourAfter(m_highlight.SelectedHour, steps), false); });
    connect(Picture1, &DialCanvas::AgainKey, this, [this] {
        if (m_highlight.SelectedHour != 0)
            chooseHour(m_highlight.SelectedHour, true);
    });

    m_focusFrame = new KeyboardFocusFrame(this);
    Picture1->setFocus();

    m_commands = new WindowCommands(*this, *layout);
    connect(m_commands->practice(), &QAction::toggled, m_practice, &Practice::setOn);
    m_teacher = new TeacherView(*Picture1, this);
    connect(m_commands->teacherView(), &QAction::toggled, m_teacher, &TeacherView::setShown);
    connect(m_practice, &Practice::taskAsked, m_teacher, &TeacherView::forgetChoice);
    // The angle the teacher's view shows is told with the hour it chose.
    connect(m_teacher, &TeacherView::angleShown, Picture1, &DialCanvas::setCurrentItemDetail);
    connect(layout, &DesignLayout::zoomChanged, this, &MainWindow::drawMarkers);
    drawMarkers(layout->zoom());
    // On a screen too small for it, the window opens smaller.
    const QSize available = screen()->availableGeometry().size();
    resize(dial::zoomedSize(DesignSize, dial::startZoom(DesignSize, available, SmallestStartZoom)));
    layout->activate(); // every control in place before the window is first shown
}

bool MainWindow::focusNextPrevChild(bool next)
{
    const bool moved = QWidget::focusNextPrevChild(next);
    m_focusFrame->followTab();
    return moved;
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

    Picture1->setDrawWidth(dial::CentreDotWidth);
    Picture1->PSet(cx, cy);
    Picture1->setDrawWidth(dial::HourDotWidth);

    QStringList xs, ys;
    for (qint16 i = 1; i <= dial::Hours; ++i) {
        const QPointF point = dial::hourPoint(i, QPointF(cx, cy));
        Picture1->PSet(float(point.x()), float(point.y()));
        xs << dial::numberToText(point.x());
        ys << dial::numberToText(point.y());

        // A hidden copy of the pattern marker.
        Picture3[i] = new QLabel(Picture1);
        Picture3[i]->setObjectName(u"Picture3(%1)"_s.arg(i));
        Picture3[i]->setAlignment(Picture3[0]->alignment());
        Picture3[i]->setAttribute(Qt::WA_NoMousePropagation);
        Picture3[i]->setAccessibleName(Picture3[0]->accessibleName());
        Picture3[i]->hide();
        Picture1->placeChild(*Picture3[i], QPointF(), MarkerSize);
        const float top = float(point.y() - dial::MarkerLift);
        const float left = float(point.x() - Picture1->widthInUnits(*Picture3[i]));
        Picture1->moveChild(*Picture3[i], QPointF(left, top));
    }
    List1[XTexts]->setStringList(xs);
    List1[YTexts]->setStringList(ys);

    // A screen reader finds each hour on the dial, by its name and numeral.
    QList<DialCanvas::Item> items;
    for (qint16 i = 1; i <= dial::Hours; ++i)
        items.append({spokenHour(i), dial::hourPoint(i, QPointF(cx, cy))});
    Picture1->setItems(items);
}

void MainWindow::drawMarkers(qreal zoom)
{
    const QPixmap picture = m_marker.pixmap(MarkerPictureSize * zoom, devicePixelRatioF());
    for (QLabel *marker : Picture3)
        marker->setPixmap(picture);
}

void MainWindow::startHighlight(qint16 hour)
{
    for (qint16 i = 1; i <= dial::Hours; ++i)
        Picture3[i]->setVisible(false);
    m_highlight.start(hour);
    // A running timer keeps its rhythm: holding an arrow key down then still
    // shows each hour passed over on the next tick.
    if (!Timer1->isActive())
        Timer1->start();
}

void MainWindow::List1_Click(qint16 index)
{
    if (index != HourRows)
        return;
    const int row = hourList->ListIndex();
    if (row < 0)
        return; // nothing selected: nothing chosen
    chooseHour(qint16(row + 1), !hourList->isStepping());
}

void MainWindow::chooseHour(qint16 hour, bool answers)
{
    m_teacher->choseHour(hour);
    Picture1->setCurrentItem(hour - 1); // a screen reader says the hour, then what practice says of it
    if (answers)
        m_practice->chose(hour);
    startHighlight(hour);
}

QString MainWindow::spokenHour(qint16 hour) const
{
    return u"%1 (%2)"_s.arg(dial::hourWords(hour), listText(Numerals, hour));
}

void MainWindow::Picture1_MouseDown(float x, float y)
{
    const float dx = x - Picture1->ScaleWidth() / 2;
    const float dy = Picture1->ScaleHeight() / 2 - y; // upward for the angle
    // The centre dot points nowhere: in practice a press on it is no answer,
    // and no choice either.
    if (m_practice->isOn() && Picture1->dotAt(QPointF(x, y)) == CentreDot)
        return;
    const double degrees = dial::angle(dx, dy);
    const qint16 hour = dial::hourAt(degrees);
    m_teacher->chose(degrees);
    Picture1->setCurrentItem(hour - 1);
    m_practice->chose(hour);
    startHighlight(hour);
}

void MainWindow::Timer1_Timer()
{
    const qint16 h = m_highlight.SelectedHour;
    if (h < 1 || h > dial::Hours) {
        Timer1->stop(); // nothing chosen: nothing to show
        return;
    }
    const std::optional<float> left = dial::textToSingle(listText(XTexts, h));
    const std::optional<float> top = dial::textToSingle(listText(YTexts, h));
    if (!left || !top) {
        fail(u"Вътрешна грешка: мястото на час %1 („%2“, „%3“) не е число. Програмата ще бъде затворена."_s
                     .arg(h)
                     .arg(listText(XTexts, h), listText(YTexts, h)));
        return;
    }

    const bool last = m_highlight.tick();
    Picture3[h]->setVisible(true);
    Picture1->moveChild(*Label2, QPointF(*left, *top));
    Label2->setText(listText(Numerals, h));
    Label2->setVisible(true);

    if (last) {
        Picture3[h]->setVisible(false);
        Timer1->stop();
        Label2->setVisible(false);
        m_practice->highlightEnded();
    }
}

QString MainWindow::listText(ListIndex list, qint16 hour) const
{
    return List1[list]->index(hour - 1).data().toString();
}

void MainWindow::fail(const QString &message)
{
    Timer1->stop();
    std::fprintf(stderr, "ravelinta: %s\n", qPrintable(message));
    const QString platform = QGuiApplication::platformName();
    if (platform != "offscreen"_L1 && platform != "minimal"_L1)
        QMessageBox::critical(this, u"Ravelinta"_s, message);
    QCoreApplication::exit(1);
}
