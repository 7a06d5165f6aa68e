#pragma once

#include <QRandomGenerator>
#include <QString>
#include <QtGlobal>

#include <array>
#include <optional>

namespace dial {

// A round of practice: ten tasks, half of each kind, in random order, that
// the pupil answers by choosing an hour. The round decides what was asked,
// whether a choice answers it, what counts as right and the score; it draws
// from its own seeded generator, so a seed always plays the same round.
class PracticeRound
{
public:
    enum class Kind {
        PointAt,  // "point at 8 o'clock": the pupil finds the hour
        ReadArrow // an arrow from the centre: the pupil names its hour
    };
    struct Task
    {
        Kind kind = Kind::PointAt;
        qint16 hour = 1;
        // The arrow's direction, counterclockwise from 3 o'clock, inside
        // the hour's sector and at least ArrowMargin from its edges.
        double arrowDegrees = 0;
    };
    enum class Phase {
        Asking,   // a task waits for its answer
        Answered, // the answer's feedback shows; choices count for nothing
        Finished  // the round is over; a choice starts the next one
    };

    static constexpr int TaskCount = 10;
    static constexpr double ArrowMargin = 5; // degrees

    explicit PracticeRound(quint32 seed);

    Phase phase() const { return m_phase; }
    const Task &task() const { return m_tasks[m_index]; }
    // The task's place in the round, 1 to TaskCount.
    int taskNumber() const { return m_index + 1; }
    int rightAnswers() const { return m_right; }
    int answers() const { return m_answers; }
    // The last answer's hour, once the current task has one.
    std::optional<qint16> answer() const { return m_answer; }
    // Whether this task is the round's first arrow: the one where a pupil
    // first needs to know how the arrow's angle is measured.
    bool firstArrow() const;
    // Whether leaving now loses answers: some given, the round not over.
    bool unfinished() const { return m_answers > 0 && m_phase != Phase::Finished; }

    // The pupil chose `hour`: an answer while a task asks, the start of a
    // new round once this one is over, nothing while feedback shows.
    // Returns whether the choice answered a task.
    bool choose(qint16 hour);
    // The feedback has been seen: on to the next task, or to the round's end.
    void next();

    // The texts the pupil reads: where the round is, the task, the
    // answer's feedback (empty before an answer), the score, and the
    // round's last word.
    QString progressText() const; // "Задача 3 от 10"
    QString taskText() const;
    QString feedbackText() const;
    QString scoreText() const;
    QString endText() const;
    // Where the round stood when it was left unfinished, with its score.
    QString leftText() const;
    // How an arrow's angle is measured: from 3 o'clock, counterclockwise.
    static QString arrowRuleText();

private:
    void startRound();
    Task drawTask(Kind kind, std::optional<qint16> previousHour);

    QRandomGenerator m_random;
    std::array<Task, TaskCount> m_tasks{};
    int m_index = 0;
    int m_right = 0;
    int m_answers = 0;
    std::optional<qint16> m_answer;
    Phase m_phase = Phase::Asking;
};

} // namespace dial
