// What the quizzes hand to the record, and the review drill on the session.
#include "../SessionFixture.h"
#include "core/record/QuestionKey.h"

namespace {

class RecordSessionTest : public SessionTest, public AnswerSink {
  protected:
    RecordSessionTest() { session.setAnswerSink(this); }
    void record(const AnswerEvent &e) override
    {
        EXPECT_EQ(e.key, QuestionKey::ofEntry(bank, s().entry)) << "the question on screen";
        events
            << QStringLiteral("%1 %2 %3").arg(quizName(e.quiz), outcomeName(e.outcome), e.subject);
    }
    QString subject() { return bank.subject(s().entry); }
    DueItem due(int entry, int missed) { return {QuestionKey::ofEntry(bank, entry), missed, 0}; }
    QStringList events;
};

TEST_F(RecordSessionTest, EveryClickIsRecordedAsWhatItIs)
{
    const QString first = subject();
    wrong();
    answer(2);
    session.revealAnswer();
    session.revealAnswer(); // disabled now: nothing to record
    session.next();
    const QString second = subject();
    answer(1);
    right();
    start();
    const QString timed = subject();
    right();
    session.startOrStopGame();
    right(); // the game has ended: the click is not an answer
    EXPECT_EQ(
        events,
        (QStringList{"Standard wrong " + first, "Standard wrong at the second try " + first,
                     "Standard showed the correct answer " + first,
                     "Standard went on to the next question " + first, "Standard wrong " + second,
                     "Standard right at the second try " + second, "Timed right " + timed}));
}

TEST_F(RecordSessionTest, ReviewDrillsTheDueQuestionsThenReturnsToTheStandardQuiz)
{
    session.startReview({due(0, 1)}); // no such entry: nothing due in this bank
    EXPECT_TRUE(effects.log.back().startsWith("box Review Mistakes | No questions are due"));
    EXPECT_FALSE(session.reviewing());
    EXPECT_TRUE(v().checked.standard);

    right();
    session.startReview({due(3, 1), due(5, 2)});
    ASSERT_TRUE(session.reviewing());
    EXPECT_EQ(std::tuple(v().checked.standard, v().checked.timed, v().checked.review),
              std::tuple(false, false, true));
    EXPECT_EQ(v().standard.total, "0");
    EXPECT_EQ(v().reviewStatus, "Review Mistakes: 2 due");
    QStringList asked;
    auto ask = [&](bool rightAnswer) {
        asked << subject();
        rightAnswer ? right() : wrong();
        if (!rightAnswer)
            session.next();
    };
    ask(false); // T5 missed a third time
    for (int i = 0; i < 4; ++i)
        ask(true);
    EXPECT_EQ(asked, (QStringList{"T5", "T3", "T5", "T3", "T5"}));
    EXPECT_TRUE(
        effects.log.filter("box").back().startsWith("box Review Mistakes | Every question"));
    EXPECT_FALSE(session.reviewing());
    EXPECT_EQ(std::tuple(v().checked.standard, v().checked.review), std::tuple(true, false));
    EXPECT_EQ(v().reviewStatus, "");
    EXPECT_EQ(events.filter("Review").size(), 6);

    session.startReview({due(3, 1), due(5, 2)});
    session.chooseQuizType(QuizType::Timed);
    EXPECT_FALSE(session.reviewing());
    EXPECT_EQ(s().type, QuizType::Timed);
}

} // namespace
