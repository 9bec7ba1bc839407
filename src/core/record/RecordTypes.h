#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>

#include <array>
#include <vector>

// What one click on a question was. Only the first click on a question
// says whether it was known; the rest show how the user went on. Both
// enums are stored by number: new values go at the end.
enum class AnswerOutcome { FirstRight, FirstWrong, SecondRight, SecondWrong, ShowCorrect, Next };

enum class RecordedQuiz { Standard, Timed, Review, Exam };

QString outcomeName(AnswerOutcome outcome);
QString quizName(RecordedQuiz quiz);

inline bool isFirstTry(AnswerOutcome o)
{
    return o == AnswerOutcome::FirstRight || o == AnswerOutcome::FirstWrong;
}

// One answer as it is kept. The question is named by its content, so that
// the same question in a later bank keeps its history.
struct AnswerEvent {
    QByteArray key;
    QString wording;
    QString subject;
    QString rightAnswer;
    RecordedQuiz quiz = RecordedQuiz::Standard;
    AnswerOutcome outcome = AnswerOutcome::FirstRight;
    QDateTime at;
    qint64 durationMs = 0;
};

// Whether a question waits for review. A first-try miss makes it due; two
// first-try hits in a row take it off the list, so one lucky guess does not.
struct DueState {
    int streak = 0; // first-try hits in a row
    bool due = false;
    bool operator==(const DueState &) const = default;
};

inline DueState nextDueState(DueState s, bool firstTryRight)
{
    if (!firstTryRight)
        return {0, true};
    s.streak += 1;
    if (s.streak >= 2)
        s.due = false;
    return s;
}

// A question waiting for review, with how often it was missed.
struct DueItem {
    QByteArray key;
    int missed = 0;
    int streak = 0;
};

// Asked and first-try right, over some span.
struct Tally {
    int asked = 0;
    int right = 0;
    bool operator==(const Tally &) const = default;
};

struct WeakQuestion {
    QString subject;
    QString wording;
    QString rightAnswer;
    Tally tally;
    QDateTime lastAsked;
};

struct RecordStatistics {
    Tally today;
    Tally lastSevenDays;
    Tally allTime;
    std::vector<std::pair<QString, Tally>> byWording; // in order of the wordings
    std::array<Tally, 30> byDay;                      // the last entry is today
    QDate lastDay;
    std::vector<WeakQuestion> weakest; // at most ten, the weakest first
};

// Percent of first-try hits, rounded; no answers give 0.
inline int accuracyPercent(const Tally &t)
{
    return t.asked == 0 ? 0 : int((t.right * 200LL + t.asked) / (2LL * t.asked));
}

// A finished practice exam as the record keeps it.
struct PastExam {
    QDateTime at;
    int right = 0;
    int total = 0;
    int passMark = 0;
    bool passed = false;
    qint64 takenMs = 0;
    bool operator==(const PastExam &) const = default;
};

// Where the quiz hands each answer; the learning record is one, and a quiz
// without a record has none.
class AnswerSink {
  public:
    virtual ~AnswerSink() = default;
    virtual void record(const AnswerEvent &event) = 0;
};
