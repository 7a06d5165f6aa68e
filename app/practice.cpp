#include "app/practice.h"

#include "app/modepanel.h"
#include "dial/dialgeometry.h"
#include "widgets/clockdial.h"


using namespace Qt::StringLiterals;
using dial::Centre;
using dial::towards;

namespace {

// Black on the dial's blue (6.4:1), over the teacher's view's lines.
constexpr Qt::GlobalColor FigureColour = Qt::black;
constexpr qreal ArrowWidth = 4; // pixels at 100 %
constexpr qreal RingWidth = 3;
constexpr double ArrowLength = 330; // dial units: well inside the circle of hours
constexpr double HeadLength = 45;
constexpr double HeadSpread = 25; // degrees either side of the shaft
constexpr double RingRadius = 45;


// A new round's seed: RAVELINTA_PRACTICE_SEED, where it is set, plays the
// same rounds every time (a class practising together, a screenshot).
quint32 roundSeed()
{
    bool given = false;
    const uint seed = qEnvironmentVariableIntValue("RAVELINTA_PRACTICE_SEED", &given);
    return given ? seed : QRandomGenerator::global()->generate();
}

} // namespace

Practice::Practice(ClockDial &dial, ModePanel &panel, QObject *parent)
    : QObject(parent)
    , m_dial(dial)
    , m_panel(panel)
{
    setObjectName(u"Practice"_s);
    connect(&dial, &ClockDial::hourChosen, this, [this](int hour, double, bool answers) { chose(hour, answers); });
    connect(&dial, &ClockDial::highlightEnded, this, &Practice::highlightEnded);
}

void Practice::setOn(bool on)
{
    if (m_on && !on) {
        // A round left half-way is not lost without a word.
        if (m_round.unfinished())
            emit roundLeft(m_round.leftText());
        else
            emit told(u"Упражнението е изключено."_s);
    }
    m_on = on;
    if (on)
        m_round = dial::PracticeRound(roundSeed());
    // The centre dot points nowhere: in practice a press on it is no answer.
    m_dial.setCentrePressIgnored(on);
    // The first task is in place before the panel shows: a screen reader
    // says the panel as it appears.
    show();
    m_panel.setVisible(on);
}

void Practice::chose(int hour, bool answers)
{
    if (m_on && answers && (m_round.choose(qint16(hour)) || m_round.phase() == dial::PracticeRound::Phase::Asking))
        show();
}

void Practice::highlightEnded()
{
    if (m_on && m_round.phase() == dial::PracticeRound::Phase::Answered) {
        m_round.next();
        show();
    }
}

void Practice::show()
{
    emit choicesHeld(m_on && m_round.phase() == dial::PracticeRound::Phase::Answered);
    QList<ClockDial::Figure> figures;
    if (!m_on) {
        m_dial.setFigures(ClockDial::Layer::Practice, figures);
        m_dial.setItemDescription({});
        return;
    }
    using Phase = dial::PracticeRound::Phase;
    const dial::PracticeRound::Task &task = m_round.task();
    // What is new is said wherever the focus is, and while a task asks,
    // the dial's hours carry it, so that a screen reader's "where am I"
    // on the dial repeats it.
    const bool asking = m_round.phase() == Phase::Asking;
    // How an arrow is measured goes with the round's first arrow, and with
    // every arrow a screen reader is asked about.
    const bool arrow = task.kind == dial::PracticeRound::Kind::ReadArrow;
    const QString taskWithRule = u"%1 %2"_s.arg(m_round.taskText(), dial::PracticeRound::arrowRuleText());
    const QString taskNow = asking && m_round.firstArrow() ? taskWithRule : m_round.taskText();
    m_dial.setItemDescription(!asking ? QString() : arrow ? taskWithRule : m_round.taskText());
    if (asking)
        emit taskAsked();
    if (m_round.phase() == Phase::Finished) {
        m_panel.setText(m_round.endText());
        m_panel.announce(m_round.endText());
    } else {
        // Where the round is goes with the score: four lines fill the place.
        QStringList lines{taskNow};
        if (m_round.phase() == Phase::Answered)
            lines << m_round.feedbackText();
        lines << u"%1. %2"_s.arg(m_round.progressText(), m_round.scoreText());
        m_panel.setText(lines.join(u'\n'));
        m_panel.announce(asking ? u"%1. %2"_s.arg(m_round.progressText(), taskNow)
                                 : u"%1 %2"_s.arg(m_round.feedbackText(), m_round.scoreText()));

        if (task.kind == dial::PracticeRound::Kind::ReadArrow) {
            const QPointF tip = towards(Centre, task.arrowDegrees, ArrowLength);
            QPainterPath arrow(Centre);
            arrow.lineTo(tip);
            arrow.moveTo(towards(tip, task.arrowDegrees + 180 - HeadSpread, HeadLength));
            arrow.lineTo(tip);
            arrow.lineTo(towards(tip, task.arrowDegrees + 180 + HeadSpread, HeadLength));
            figures << ClockDial::Figure{arrow, FigureColour, ArrowWidth, Qt::SolidLine, {}, {}};
        }
        if (m_round.phase() == Phase::Answered) {
            QPainterPath ring;
            ring.addEllipse(dial::hourPoint(task.hour, Centre), RingRadius, RingRadius);
            figures << ClockDial::Figure{ring, FigureColour, RingWidth, Qt::SolidLine, {}, {}};
        }
    }
    m_dial.setFigures(ClockDial::Layer::Practice, figures);
}
