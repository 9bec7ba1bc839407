// The Standard drill through the real window: clicks on the buttons, and
// what the labels, colours and focus show afterwards.
#include "shell/AnswerButton.h"
#include "shell/NumberText.h"
#include "support/MainHarness.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

namespace {

const QColor kWrong(255, 128, 128);
const QColor kRevealed(128, 255, 128);
const QColor kNavy(0, 0, 128);
const QColor kDarkRed(192, 0, 0);

class StandardDrill : public ::testing::Test {
  protected:
    void SetUp() override
    {
        h.writeBank(10);
        ASSERT_TRUE(h.start());
        h.show();
        face = h.main->palette().color(QPalette::Button);
    }

    Main &m() { return *h.main; }
    // The button showing answer k (1 is the right one).
    AnswerButton *answerButton(int k) { return m().Btn_Answer[m().state().AnsPos[k - 1] - 1]; }
    void click(QAbstractButton *b) { QTest::mouseClick(b, Qt::LeftButton); }

    QStringList counters() const
    {
        return {h.main->Lbl_Correct->text(), h.main->Lbl_Wrong->text(), h.main->Lbl_Total->text()};
    }
    QString subject() const { return QStringLiteral("T%1").arg(h.main->state().CurEntry); }
    QColor questionColour() const
    {
        return h.main->Lbl_Question->palette().color(QPalette::WindowText);
    }

    MainHarness h;
    QColor face;
};

TEST_F(StandardDrill, RightFirstClickCountsAtOnceAndMovesOn)
{
    const int entry = m().state().CurEntry;
    click(answerButton(1));
    EXPECT_NE(m().state().CurEntry, entry);
    EXPECT_EQ(counters(), (QStringList{"1", "0", "1"}));
    EXPECT_EQ(questionColour(), kNavy);
    EXPECT_EQ(m().Lbl_Question->text(), "What Term means:\n\n" + subject());
    // No message and no sound: only the start-up cue was ever played.
    EXPECT_TRUE(h.fakes.boxes.shown.empty());
    EXPECT_EQ(h.fakes.sound.commands.size(), 1);
    EXPECT_EQ(m().focusWidget(), m().Btn_Answer[0]);
}

TEST_F(StandardDrill, WrongFirstClickOffersASecondTry)
{
    AnswerButton *wrong = answerButton(2);
    click(wrong);

    EXPECT_EQ(wrong->background(), kWrong);
    EXPECT_FALSE(wrong->isEnabled());
    for (AnswerButton *b : m().Btn_Answer)
        EXPECT_EQ(b->isEnabled(), b != wrong);
    EXPECT_EQ(m().Lbl_Question->text(),
              "Incorrect!!\nTry Once More Without Affecting Score?\n\nWhat Term means:\n" +
                  subject());
    EXPECT_EQ(questionColour(), kDarkRed);
    EXPECT_TRUE(m().btn_next->isVisible());
    EXPECT_TRUE(m().btn_showcorrect->isVisible());
    EXPECT_TRUE(m().btn_showcorrect->isEnabled());
    EXPECT_EQ(m().focusWidget(), m().btn_showcorrect);
    // Counted at once, shown only with the next question.
    EXPECT_EQ(m().state().NumWrong, 1);
    EXPECT_EQ(m().state().NumTotal, 1);
    EXPECT_EQ(counters(), (QStringList{"0", "0", "0"}));
    EXPECT_EQ(h.fakes.sound.commands.size(), 1);
}

TEST_F(StandardDrill, RightSecondClickCountsNothingMore)
{
    click(answerButton(3));
    click(answerButton(1));
    EXPECT_EQ(counters(), (QStringList{"0", "1", "1"}));
    EXPECT_FALSE(m().btn_next->isVisible());
    EXPECT_FALSE(m().btn_showcorrect->isVisible());
    for (AnswerButton *b : m().Btn_Answer) {
        EXPECT_TRUE(b->isEnabled());
        EXPECT_EQ(b->background(), face);
    }
}

TEST_F(StandardDrill, SecondWrongClickSpendsTheQuestion)
{
    AnswerButton *first = answerButton(2);
    AnswerButton *second = answerButton(6);
    click(first);
    click(second);

    EXPECT_EQ(first->background(), kWrong);
    EXPECT_EQ(second->background(), kWrong);
    for (AnswerButton *b : m().Btn_Answer)
        EXPECT_FALSE(b->isEnabled());
    EXPECT_EQ(m().Lbl_Question->text(), "Still Incorrect!!\nClick Show Answer To See Correct "
                                        "Answer or Next To Continue.\n\nWhat Term means:\n" +
                                            subject());
    EXPECT_EQ(questionColour(), kDarkRed);
    EXPECT_EQ(m().focusWidget(), m().btn_showcorrect);
    EXPECT_EQ(m().state().NumWrong, 1);
    EXPECT_EQ(m().state().NumTotal, 1);
}

TEST_F(StandardDrill, ShowCorrectRevealsTheRightButtonAndStaysDisabled)
{
    click(answerButton(4));
    const QString question = m().Lbl_Question->text();
    click(m().btn_showcorrect);

    EXPECT_EQ(answerButton(1)->background(), kRevealed);
    EXPECT_EQ(answerButton(4)->background(), kWrong);
    for (int k : {2, 3, 5, 6})
        EXPECT_EQ(answerButton(k)->background(), face);
    for (AnswerButton *b : m().Btn_Answer)
        EXPECT_FALSE(b->isEnabled());
    EXPECT_FALSE(m().btn_showcorrect->isEnabled());
    EXPECT_TRUE(m().btn_showcorrect->isVisible());
    EXPECT_TRUE(m().btn_next->isVisible());
    EXPECT_EQ(m().Lbl_Question->text(), question);
    EXPECT_EQ(counters(), (QStringList{"0", "0", "0"}));
}

// Next from every state that offers it: a fresh question, no count.
TEST_F(StandardDrill, NextFromSecondTrySpentAndRevealed)
{
    const std::vector<std::vector<int>> paths = {{2}, {2, 3}, {2, 3, 0}, {5, 0}};
    int expectedWrong = 0;
    for (const auto &path : paths) {
        for (int k : path) {
            if (k == 0)
                click(m().btn_showcorrect);
            else
                click(answerButton(k));
        }
        ++expectedWrong;
        const int entry = m().state().CurEntry;
        click(m().btn_next);
        EXPECT_NE(m().state().CurEntry, entry);
        EXPECT_EQ(m().state().NumCorrect, 0);
        EXPECT_EQ(m().state().NumWrong, expectedWrong);
        EXPECT_EQ(m().state().NumTotal, expectedWrong);
        EXPECT_EQ(counters(),
                  (QStringList{"0", PlainText(expectedWrong), PlainText(expectedWrong)}));
        EXPECT_FALSE(m().btn_next->isVisible());
        EXPECT_FALSE(m().btn_showcorrect->isVisible());
        EXPECT_EQ(questionColour(), kNavy);
        EXPECT_EQ(m().focusWidget(), m().Btn_Answer[0]);
    }
}

// Correct + wrong = total, whatever the user does.
TEST_F(StandardDrill, CountersAddUpOverAMixedRun)
{
    SeededRandom choices(5);
    for (int i = 0; i < 300; ++i) {
        const int k = int(choices.next() * 7); // 0: next/show, 1..6: answers
        if (k == 0) {
            if (m().btn_next->isVisible())
                click(m().btn_next);
        } else if (answerButton(k)->isEnabled()) {
            click(answerButton(k));
        }
        const QuizState &s = m().state();
        ASSERT_EQ(s.NumCorrect + s.NumWrong, s.NumTotal);
        ASSERT_LE(s.WrongTries, 2);
    }
    EXPECT_GT(m().state().NumCorrect, 0);
    EXPECT_GT(m().state().NumWrong, 0);
}

} // namespace
