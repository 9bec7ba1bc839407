// The Standard drill through the real window: clicks on the buttons, and
// what the labels, colours and focus show afterwards.
#include "WindowTest.h"
#include "core/common/NumberText.h"

namespace {

const QColor kWrong(255, 128, 128);
const QColor kRevealed(128, 255, 128);
const QColor kNavy(0, 0, 128);
const QColor kDarkRed(192, 0, 0);

class StandardDrill : public WindowTest {
  protected:
    QStringList counters()
    {
        return {h.child<QLabel>("Lbl_Correct")->text(), h.child<QLabel>("Lbl_Wrong")->text(),
                h.child<QLabel>("Lbl_Total")->text()};
    }
    QString subject() { return QStringLiteral("T%1").arg(m().state().CurEntry); }
    QColor face() { return m().palette().color(QPalette::Button); }
};

TEST_F(StandardDrill, RightFirstClickCountsAtOnceAndMovesOn)
{
    const int entry = m().state().CurEntry;
    click(answerButton(1));
    EXPECT_NE(m().state().CurEntry, entry);
    EXPECT_EQ(counters(), (QStringList{"1", "0", "1"}));
    EXPECT_EQ(textColour(h.child<QLabel>("Lbl_Question")), kNavy);
    EXPECT_EQ(h.child<QLabel>("Lbl_Question")->text(), "What Term means:\n\n" + subject());
    EXPECT_EQ(m().focusWidget(), h.button(1));
    // No message and no sound, right or wrong: only the start-up cue.
    EXPECT_TRUE(h.fakes.boxes.shown.empty());
    EXPECT_EQ(h.fakes.sound.commands.size(), 1);
}

TEST_F(StandardDrill, FirstWrongClickOffersASecondTryAndTheSecondSpendsTheQuestion)
{
    AnswerButton *first = answerButton(2);
    click(first);
    EXPECT_EQ(first->background(), kWrong);
    for (AnswerButton *b : h.buttons())
        EXPECT_EQ(b->isEnabled(), b != first);
    EXPECT_EQ(h.child<QLabel>("Lbl_Question")->text(),
              "Incorrect!!\nTry Once More Without Affecting Score?\n\nWhat Term means:\n" +
                  subject());
    EXPECT_EQ(textColour(h.child<QLabel>("Lbl_Question")), kDarkRed);
    EXPECT_TRUE(h.child<QPushButton>("btn_next")->isVisible());
    EXPECT_TRUE(h.child<QPushButton>("btn_showcorrect")->isVisible());
    EXPECT_TRUE(h.child<QPushButton>("btn_showcorrect")->isEnabled());
    EXPECT_EQ(m().focusWidget(), h.child<QPushButton>("btn_showcorrect"));
    // Counted at once, shown only with the next question.
    EXPECT_EQ(m().state().NumWrong, 1);
    EXPECT_EQ(m().state().NumTotal, 1);
    EXPECT_EQ(counters(), (QStringList{"0", "0", "0"}));

    AnswerButton *second = answerButton(6);
    click(second);
    EXPECT_EQ(first->background(), kWrong);
    EXPECT_EQ(second->background(), kWrong);
    for (AnswerButton *b : h.buttons())
        EXPECT_FALSE(b->isEnabled());
    EXPECT_EQ(h.child<QLabel>("Lbl_Question")->text(),
              "Still Incorrect!!\nClick Show Answer To See Correct "
              "Answer or Next To Continue.\n\nWhat Term means:\n" +
                  subject());
    EXPECT_EQ(m().focusWidget(), h.child<QPushButton>("btn_showcorrect"));
    EXPECT_EQ(m().state().NumTotal, 1);
    EXPECT_TRUE(h.fakes.boxes.shown.empty());
    EXPECT_EQ(h.fakes.sound.commands.size(), 1);
}

TEST_F(StandardDrill, ShowCorrectRevealsTheRightButtonAndStaysDisabled)
{
    click(answerButton(4));
    const QString question = h.child<QLabel>("Lbl_Question")->text();
    click(h.child<QPushButton>("btn_showcorrect"));

    EXPECT_EQ(answerButton(1)->background(), kRevealed);
    EXPECT_EQ(answerButton(4)->background(), kWrong);
    for (int k : {2, 3, 5, 6})
        EXPECT_EQ(answerButton(k)->background(), face());
    for (AnswerButton *b : h.buttons())
        EXPECT_FALSE(b->isEnabled());
    EXPECT_FALSE(h.child<QPushButton>("btn_showcorrect")->isEnabled());
    EXPECT_TRUE(h.child<QPushButton>("btn_showcorrect")->isVisible());
    EXPECT_TRUE(h.child<QPushButton>("btn_next")->isVisible());
    EXPECT_EQ(h.child<QLabel>("Lbl_Question")->text(), question);
    EXPECT_EQ(counters(), (QStringList{"0", "0", "0"}));
}

// Every way on from a missed question (-1 Show Correct, 0 Next, k answer
// k): a fresh question with every button back, and no further count.
TEST_F(StandardDrill, EveryWayOnFromAMissedQuestion)
{
    const std::vector<std::vector<int>> paths = {
        {2, 0}, {2, 3, 0}, {2, 3, -1, 0}, {5, -1, 0}, {3, 1}};
    int wrong = 0;
    for (const auto &path : paths) {
        const int entry = m().state().CurEntry;
        for (int k : path)
            click(k == -1  ? h.child<QPushButton>("btn_showcorrect")
                  : k == 0 ? h.child<QPushButton>("btn_next")
                           : answerButton(k));
        ++wrong;
        EXPECT_NE(m().state().CurEntry, entry);
        EXPECT_EQ(counters(), (QStringList{"0", PlainText(wrong), PlainText(wrong)}));
        EXPECT_FALSE(h.child<QPushButton>("btn_next")->isVisible());
        EXPECT_FALSE(h.child<QPushButton>("btn_showcorrect")->isVisible());
        EXPECT_EQ(textColour(h.child<QLabel>("Lbl_Question")), kNavy);
        EXPECT_EQ(m().focusWidget(), h.button(1));
        for (AnswerButton *b : h.buttons()) {
            EXPECT_TRUE(b->isEnabled());
            EXPECT_EQ(b->background(), face());
        }
    }
}

} // namespace
