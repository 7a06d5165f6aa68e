#include "app/mainwindow.h"

#include "app/constructionview.h"
#include "app/controls.h"
#include "app/menubutton.h"
#include "app/modepanel.h"
#include "app/practice.h"
#include "app/stepbuttons.h"
#include "app/teacherview.h"
#include "app/windowcommands.h"
#include "app/windownote.h"
#include "app/windowzoom.h"
#include "dial/dialgeometry.h"
#include "dial/numbertext.h"
#include "dial/zoom.h"
#include "widgets/announcement.h"
#include "widgets/choicehold.h"
#include "widgets/clockdial.h"
#include "widgets/dialaccessible.h"
#include "widgets/designlayout.h"
#include "widgets/hourlist.h"
#include "widgets/keyboardfocusframe.h"
#include "widgets/longtouch.h"

#include <QAccessible>
#include <QAction>
#include <QGuiApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QScreen>
#include <QStandardItemModel>

using namespace Qt::StringLiterals;

namespace {

// Colours as the design gives them, 0x00BBGGRR: blue in the high byte.
constexpr quint32 WindowColour = 0x00FFC0C0;
constexpr quint32 DialColour = 0x00FF8080;
constexpr quint32 HeadingColour = 0x0080C0FF;

constexpr int FontPointSize = 12;
constexpr double SmallestStartZoom = 0.5;
const QSize DesignSize = twips(0, 0, 7335, 6465).size();
// Upright, on a phone: the dial across the width, the list and the
// description below it side by side, the list's rows a fingertip high.
const QSize PortraitSize(283, 612);
constexpr qreal PortraitRowScale = 1.75;

// The hours to choose from: each row shows the hour and tells a screen
// reader its name and numeral.
QStandardItemModel *hourRows(QObject *parent)
{
    auto *hours = new QStandardItemModel(parent);
    for (int hour = 1; hour <= dial::Hours; ++hour) {
        auto *row = new QStandardItem(QString::number(hour));
        row->setData(dial::hourName(hour), Qt::AccessibleTextRole);
        row->setEditable(false);
        hours->appendRow(row);
    }
    return hours;
}

} // namespace

MainWindow::MainWindow(QWidget *parent)
    : QWidget(parent)
{
    // A screen reader's view of the dial, its hours as items, given before
    // the dial is made: Qt keeps the first view it finds of a widget.
    static const bool dialAccessible = (QAccessible::installFactory(&DialAccessible::factory), true);
    Q_UNUSED(dialAccessible);
    setObjectName(u"MainWindow"_s);
    setWindowTitle(u"ravelinta.org Позиция:  правилен N-ъгълник"_s);
    setWindowIcon(applicationIcon());
    // The texts are Bulgarian: nothing mirrors, whatever the locale or -reverse says.
    setLayoutDirection(Qt::LeftToRight);
    setBackground(*this, WindowColour);
    setFont(designFont(FontPointSize));
    auto *layout = new DesignLayout(DesignSize, this);
    layout->setPortraitDesign(PortraitSize);

    // The description's place shows the description, or practice's text.
    // Siblings, not pages of a stack, so that the keyboard's focus frame
    // round the description is not cut off at the place's edge.
    auto *description = makeDescription(this);
    auto *practicePanel = new ModePanel(u"Practice"_s, this);
    auto *constructionPanel = new ModePanel(u"Construction"_s, this);
    const QRect descriptionPlace = twips(120, 4560, 7095, 1815);
    const QRect descriptionUpright(81, 307, 194, 245);
    for (QWidget *inPlace : {static_cast<QWidget *>(description), static_cast<QWidget *>(practicePanel),
                             static_cast<QWidget *>(constructionPanel)})
        layout->addWidget(inPlace, descriptionPlace, descriptionUpright);

    auto *hourList = new HourList(this);
    hourList->setObjectName(u"List1(1)"_s);
    hourList->setModel(hourRows(hourList));
    hourList->setAccessibleName(u"Час"_s);
    layout->addWidget(hourList, twips(5280, 840, 975, 2055), QRect(8, 334, 65, 270));
    connect(layout, &DesignLayout::arrangementChanged, hourList,
            [hourList](bool portrait) { hourList->setRowScale(portrait ? PortraitRowScale : 1); });

    const QRect dialRect = twips(120, 480, 4000, 4000);
    auto *dial = new ClockDial(dialRect.size(), this);
    setBackground(*dial, DialColour);
    dial->setMarkerPicture(&markerIcon);
    layout->addWidget(dial, dialRect, QRect(QPoint(8, 32), dialRect.size()));

    layout->addWidget(makeLabel(this, u"Label1(2)"_s, u"Ravelinta"_s, HeadingColour), twips(840, 0, 5535, 375),
                      QRect(8, 0, 267, 25));
    layout->addWidget(makeLabel(this, u"Label1(0)"_s, u"Час"_s, HeadingColour), twips(5280, 480, 975, 405),
                      QRect(8, 307, 65, 27));
    // A list box stands above the label over which it reaches.
    hourList->raise();
    setTabOrder(dial, hourList);
    setTabOrder(hourList, description);
    m_focusFrame = new KeyboardFocusFrame(this);
    dial->setFocus();

    // A row of the list chooses its hour on the dial.
    connect(hourList, &HourList::chosen, dial, [dial](int row, bool answers) { dial->chooseHour(row + 1, answers); });

    auto *zoom = new WindowZoom(*this, *layout);
    auto *commands = new WindowCommands(*this, *zoom, *description);
    auto *teacher = new TeacherView(*dial, this);
    connect(commands->teacherView(), &QAction::toggled, teacher, &TeacherView::setShown);
    // The description gives its place to a mode's text while one is on,
    // before the text shows, so that a screen reader hears the text last.
    for (QAction *mode : {commands->practice(), commands->construction()}) {
        connect(mode, &QAction::toggled, description, [description, commands] {
            description->setVisible(!commands->practice()->isChecked() && !commands->construction()->isChecked());
        });
    }
    auto *construction = new ConstructionView(*dial, *constructionPanel, this);
    // Beside the caption, below the list: the steps for a mouse and a finger.
    auto *stepButtons = new StepButtons(*commands->firstStep(), *commands->previousStep(), *commands->nextStep(),
                                        *commands->lastStep(), this);
    layout->addWidget(stepButtons, twips(4380, 3780, 2775, 660), QRect(81, 560, 194, 44));
    stepButtons->hide();
    connect(commands->construction(), &QAction::toggled, stepButtons, &StepButtons::setVisible);
    connect(commands->construction(), &QAction::toggled, construction, &ConstructionView::setShown);
    connect(commands->nextStep(), &QAction::triggered, construction, &ConstructionView::next);
    connect(commands->previousStep(), &QAction::triggered, construction, &ConstructionView::previous);
    connect(commands->firstStep(), &QAction::triggered, construction, &ConstructionView::first);
    connect(commands->lastStep(), &QAction::triggered, construction, &ConstructionView::last);
    auto *practice = new Practice(*dial, *practicePanel, this);
    connect(commands->practice(), &QAction::toggled, practice, &Practice::setOn);
    for (ModePanel *panel : {practicePanel, constructionPanel})
        connect(layout, &DesignLayout::zoomChanged, panel, &ModePanel::setZoom);
    // A new task leaves the last answer's direction behind.
    connect(practice, &Practice::taskAsked, teacher, &TeacherView::forgetChoice);
    // An answer's feedback is not cut short by another choice.
    auto *hold = new ChoiceHold(this);
    for (QWidget *choosing : {static_cast<QWidget *>(dial), static_cast<QWidget *>(hourList), hourList->viewport()})
        hold->watch(*choosing);
    connect(practice, &Practice::choicesHeld, hold, &ChoiceHold::setHeld);

    // What changes with nothing of its own to show it (a mode off, a zoom
    // step) is told to screen readers by news that takes no room; a round
    // left half-way is shown too, in a note at the top.
    auto *news = new Announcement(this);
    news->setObjectName(u"news"_s);
    news->setFixedSize(0, 0);
    connect(teacher, &TeacherView::told, news, &Announcement::announce);
    connect(practice, &Practice::told, news, &Announcement::announce);
    connect(construction, &ConstructionView::told, news, &Announcement::announce);
    connect(commands, &WindowCommands::told, news, &Announcement::announce);
    connect(zoom, &WindowZoom::told, news, &Announcement::announce);
    auto *roundLeft = new WindowNote(u"roundLeft"_s, *this);
    connect(practice, &Practice::roundLeft, roundLeft, &WindowNote::showNote);

    // A long touch asks for the menu as a right press does.
    new LongTouch(*this);
    // In a web page, the page is the screen: the window fills it, always.
    // A tablet has no right button and no keys: a button opens the menu.
    if (QGuiApplication::platformName() == "wasm"_L1) {
        setWindowState(Qt::WindowFullScreen);
        commands->suitBrowser();
        auto *menuButton = new MenuButton(*this);
        connect(menuButton, &MenuButton::clicked, commands, [commands, menuButton] {
            commands->popUpMenu(menuButton->mapToGlobal(QPoint(0, menuButton->height())));
        });
    }
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
