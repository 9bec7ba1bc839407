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

TEST_F(RecordSessionTest, ReviewDueAsksEachOnceInPlanOrderAndSaysWhenNextFallsDue)
{
    const QDate today(2026, 3, 10);
    StudySettings none;
    none.newPerDay = 0;
    session.startDueReview({}, none, today);
    EXPECT_EQ(effects.log.back(), "box Review Due | Nothing is due for review today.\rThe next "
                                  "question falls due tomorrow, Wednesday 11 March 2026.");
    EXPECT_FALSE(session.reviewing());

    MemoryEntry due;
    due.key = QuestionKey::ofEntry(bank, 7);
    due.state = {1, 5};
    due.lastDay = due.firstDay = today.toJulianDay() - 3;
    StudySettings two;
    two.newPerDay = 2;
    session.startDueReview({due}, two, today);
    ASSERT_TRUE(session.reviewing());
    EXPECT_EQ(std::tuple(v().checked.standard, v().checked.review, v().checked.reviewDue),
              std::tuple(false, false, true));
    QStringList asked;
    for (bool rightAnswer : {false, true, true}) {
        asked << subject();
        if (rightAnswer)
            right();
        else
            wrong(), session.next();
    }
    EXPECT_EQ(asked, (QStringList{"T7", "T1", "T2"})) << "the missed one does not come back today";
    EXPECT_TRUE(effects.log.filter("box").back().startsWith("box Review Due | Every question due"));

    session.startDueReview({}, StudySettings{0.9, 1, {}}, today);
    wrong();
    EXPECT_EQ(v().question.left(10), "Incorrect!") << "the last one keeps its second try";
    session.next();
    EXPECT_TRUE(effects.log.filter("box").back().startsWith("box Review Due | Every question due"));
    EXPECT_EQ(std::tuple(v().checked.standard, v().checked.reviewDue), std::tuple(true, false));

    session.startPractice({QuestionKey::ofEntry(bank, 4), "not in the bank"});
    EXPECT_EQ(std::tuple(subject(), v().checked.standard), std::tuple(QString("T4"), false));
    right();
    EXPECT_TRUE(effects.log.filter("box").back().startsWith("box Practice | Every question"));
    session.startPractice({});
    EXPECT_TRUE(effects.log.back().startsWith("box Practice | None of these"));
}

} // namespace
