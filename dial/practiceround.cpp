#include "dial/practiceround.h"

#include "dial/dialgeometry.h"
#include "dial/numbertext.h"

#include <algorithm>
#include <utility>

using namespace Qt::StringLiterals;

namespace dial {

PracticeRound::PracticeRound(quint32 seed)
    : m_random(seed)
{
    startRound();
}

void PracticeRound::startRound()
{
    // Half the tasks of each kind, shuffled (Fisher-Yates, on our own
    // generator, so a seed gives the same round everywhere).
    std::array<Kind, TaskCount> kinds{};
    for (int i = 0; i < TaskCount; ++i)
        kinds[i] = i < TaskCount / 2 ? Kind::PointAt : Kind::ReadArrow;
    for (int i = TaskCount - 1; i > 0; --i)
        std::swap(kinds[i], kinds[m_random.bounded(i + 1)]);

    // A task never repeats the one before it, not even across rounds: each
    // asks for another hour than the last.
    std::optional<qint16> previous;
    if (m_phase == Phase::Finished)
        previous = m_tasks[TaskCount - 1].hour;
    for (int i = 0; i < TaskCount; ++i) {
        m_tasks[i] = drawTask(kinds[i], previous);
        previous = m_tasks[i].hour;
    }
    m_index = 0;
    m_right = 0;
    m_answers = 0;
    m_answer.reset();
    m_phase = Phase::Asking;
}

PracticeRound::Task PracticeRound::drawTask(Kind kind, std::optional<qint16> previousHour)
{
    Task task;
    task.kind = kind;
    task.hour = previousHour ? hourAfter(*previousHour, 1 + m_random.bounded(Hours - 1))
                             : qint16(1 + m_random.bounded(Hours));
    const double degrees = sectorEdgesOf(task.hour)[0] + ArrowMargin
                           + m_random.bounded(SectorDegrees - 2 * ArrowMargin);
    task.arrowDegrees = degrees >= FullTurn ? degrees - FullTurn : degrees;
    return task;
}

bool PracticeRound::choose(qint16 hour)
{
    switch (m_phase) {
    case Phase::Asking:
        m_answer = hour;
        ++m_answers;
        if (hour == task().hour)
            ++m_right;
        m_phase = Phase::Answered;
        return true;
    case Phase::Finished:
        startRound();
        return false;
    case Phase::Answered:
        break;
    }
    return false;
}

void PracticeRound::next()
{
    if (m_phase != Phase::Answered)
        return;
    if (m_index + 1 == TaskCount) {
        m_phase = Phase::Finished;
        return;
    }
    ++m_index;
    m_answer.reset();
    m_phase = Phase::Asking;
}

bool PracticeRound::firstArrow() const
{
    const auto arrows = [](Task task) { return task.kind == Kind::ReadArrow; };
    return arrows(task()) && std::none_of(m_tasks.cbegin(), m_tasks.cbegin() + m_index, arrows);
}

QString PracticeRound::progressText() const
{
    return u"Задача %1 от %2"_s.arg(taskNumber()).arg(TaskCount);
}

QString PracticeRound::taskText() const
{
    if (task().kind == Kind::PointAt)
        return u"Посочете %1."_s.arg(hourWords(task().hour));
    // The direction as the teacher's view measures it, so that the task can
    // be answered by ear as well as by eye.
    return u"Стрелката сочи под %1. Колко часа показва?"_s.arg(wholeDegreesText(task().arrowDegrees));
}

QString PracticeRound::feedbackText() const
{
    if (!m_answer)
        return {};
    if (*m_answer == task().hour)
        return u"Вярно!"_s;
    if (task().kind == Kind::PointAt)
        return u"Не е вярно: избрахте %1, а търсеният е %2."_s.arg(hourWords(*m_answer), hourWords(task().hour));
    return u"Не е вярно: избрахте %1, а стрелката показва %2."_s.arg(hourWords(*m_answer), hourWords(task().hour));
}

QString PracticeRound::scoreText() const
{
    return u"Верни отговори: %1 от %2"_s.arg(m_right).arg(m_answers);
}

QString PracticeRound::endText() const
{
    return u"Край на кръга: %1 от %2 верни. Изберете час, за да започнете нов кръг."_s.arg(m_right).arg(TaskCount);
}

QString PracticeRound::leftText() const
{
    return u"Упражнението е прекъснато на задача %1 от %2. %3."_s.arg(taskNumber()).arg(TaskCount).arg(scoreText());
}

QString PracticeRound::arrowRuleText()
{
    return u"Ъгълът на стрелката се мери от посоката към 3 часа (0°) обратно на часовниковата стрелка."_s;
}

} // namespace dial
