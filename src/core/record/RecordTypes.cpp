#include "RecordTypes.h"

QString outcomeName(AnswerOutcome outcome)
{
    switch (outcome) {
    case AnswerOutcome::FirstRight:
        return QStringLiteral("right");
    case AnswerOutcome::FirstWrong:
        return QStringLiteral("wrong");
    case AnswerOutcome::SecondRight:
        return QStringLiteral("right at the second try");
    case AnswerOutcome::SecondWrong:
        return QStringLiteral("wrong at the second try");
    case AnswerOutcome::ShowCorrect:
        return QStringLiteral("showed the correct answer");
    case AnswerOutcome::Next:
        return QStringLiteral("went on to the next question");
    }
    return {};
}

QString quizName(RecordedQuiz quiz)
{
    switch (quiz) {
    case RecordedQuiz::Standard:
        return QStringLiteral("Standard");
    case RecordedQuiz::Timed:
        return QStringLiteral("Timed");
    case RecordedQuiz::Review:
        return QStringLiteral("Review");
    case RecordedQuiz::Exam:
        return QStringLiteral("Exam");
    }
    return {};
}
