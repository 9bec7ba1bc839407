#pragma once

#include "ExamResult.h"
#include "ExamSettings.h"
#include "core/record/RecordTypes.h"

#include <QDateTime>

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

struct QuestionBank;
class RandomSource;

// One question of an exam: the entry, where its answers stand (drawn once
// for the whole exam) and what the student made of it.
struct ExamQuestion {
    int entry = 0;
    // answerButtons[k] is the button (1..6) showing answer k+1; [0] is right.
    std::array<std::int8_t, 6> answerButtons = {1, 2, 3, 4, 5, 6};
    int chosen = 0; // the button chosen, 1..6; 0: none yet
    bool flagged = false;
    int changes = 0;   // how often a chosen answer was changed for another
    qint64 timeMs = 0; // how long it was on screen
    [[nodiscard]] bool isRight() const { return chosen != 0 && chosen == answerButtons[0]; }
};

// The rules of a practice exam: a fixed set of different questions, asked
// without telling right from wrong, answers that can be changed and
// questions flagged until the end, which comes with the Finish button or
// when the time runs out. Times are milliseconds since the exam began, given
// by the caller; nothing changes once the exam has finished.
class Exam {
  public:
    // Draws `settings.questions` different entries (all there are, when
    // fewer) from the askable entries of the chosen wordings, without
    // replacement, each with its answers in a random order.
    static Exam draw(const QuestionBank &bank, RandomSource &random, const ExamSettings &settings);
    // How many entries of the bank an exam with these wordings can ask.
    static int eligibleCount(const QuestionBank &bank, const ExamSettings &settings);

    Exam(std::vector<ExamQuestion> questions, int minutes, int passMark);

    [[nodiscard]] int count() const { return int(m_questions.size()); }
    [[nodiscard]] int currentIndex() const { return m_current; }
    [[nodiscard]] const ExamQuestion &current() const
    {
        return m_questions[std::size_t(m_current)];
    }
    [[nodiscard]] const std::vector<ExamQuestion> &questions() const { return m_questions; }
    [[nodiscard]] bool finished() const { return m_finished; }
    [[nodiscard]] bool timeLimited() const { return m_limitMs > 0; }
    [[nodiscard]] int answeredCount() const;
    [[nodiscard]] int passMark() const { return m_passMark; }

    // button: 1..6; any other number, or the one already chosen, changes nothing.
    void choose(int button);
    void toggleFlag();
    // index: 0..count()-1; any other is ignored.
    void goTo(int index, qint64 nowMs);
    void previous(qint64 nowMs) { goTo(m_current - 1, nowMs); }
    void next(qint64 nowMs) { goTo(m_current + 1, nowMs); }

    // Ends the exam when its time is up at nowMs; true when it ended now.
    bool checkTime(qint64 nowMs);
    void finish(qint64 nowMs);
    // Left at nowMs, never below 0; nullopt without a limit.
    [[nodiscard]] std::optional<qint64> timeLeftMs(qint64 nowMs) const;

    // "Question 7 of 50"
    [[nodiscard]] QString counterText() const;
    // "Time left: 59:32", counting whole seconds up, so that 0:00 is the end;
    // empty without a limit.
    [[nodiscard]] QString timeLeftText(qint64 nowMs) const;

    [[nodiscard]] ExamResult result(const QuestionBank &bank) const;
    // The answers for the learning record, one first try per answered
    // question, as given at the end.
    [[nodiscard]] std::vector<AnswerEvent> answerEvents(const QuestionBank &bank,
                                                        const QDateTime &at) const;

  private:
    // Adds the time since the last move to the question on screen.
    void noteTime(qint64 nowMs);

    std::vector<ExamQuestion> m_questions;
    qint64 m_limitMs = 0;
    int m_passMark = 75;
    int m_current = 0;
    qint64 m_shownAt = 0;
    qint64 m_takenMs = 0;
    bool m_finished = false;
    bool m_timedOut = false;
};
