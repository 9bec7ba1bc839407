// A timed game through the real window: menus, buttons, keys, the countdown.
#include "WindowTest.h"

namespace {

using Offers = std::vector<std::optional<int>>;

class TimedGameWindow : public WindowTest {
  protected:
    void recordOffer(std::optional<int> newScore) { offers.push_back(newScore); }
    bool checked(const char *action) { return h.child<QAction>(action)->isChecked(); }

    // The new score (if any) each time the high-score table opened.
    Offers offers;
};

// Keys answer only while a game runs; the last seconds are announced once,
// when the display turns dark red. The high-score menu leaves the countdown
// running; a time-out while its table is open opens no second window on
// top: the score is offered once the first has been closed. The idle view
// itself is the session's test: here the window swaps frames and marks.
TEST_F(TimedGameWindow, KeysTheLastSecondsAndATimeOutUnderTheTable)
{
    for (int i = 0; i < 2; ++i) { // a second click on the checked entry keeps its mark
        choose("timedAction");
        EXPECT_FALSE(checked("standardAction"));
        EXPECT_TRUE(checked("timedAction"));
        EXPECT_FALSE(visible("standardCounters"));
        EXPECT_TRUE(visible("timedStatus"));
        EXPECT_TRUE(visible("startStopButton"));
    }
    key(Qt::Key_1);
    EXPECT_EQ(s().remaining, 12);
    click("startStopButton");
    EXPECT_EQ(text("startStopButton"), "End Quiz");
    EXPECT_EQ(text("timeRemainingLabel"), "60");
    EXPECT_EQ(h.countdown()->interval(), 1300);
    EXPECT_EQ(h.countdown()->timerType(), Qt::PreciseTimer);
    key(Qt::Key_0 + s().answerButtons[0]);
    EXPECT_EQ(s().score, 2);
    EXPECT_EQ(s().remaining, 11);

    tick(54);
    EXPECT_EQ(spoken("timeRemainingLabel"), "Time remaining: 6");
    EXPECT_EQ(colour("timeRemainingLabel"), kNavy);
    EXPECT_TRUE(alerts.isEmpty());
    tick();
    EXPECT_EQ(spoken("timeRemainingLabel"), "Time remaining: 5");
    EXPECT_EQ(colour("timeRemainingLabel"), kDarkRed);
    EXPECT_EQ(alerts, QStringList{"timeRemainingLabel"});
    tick(4);
    EXPECT_EQ(alerts.size(), 1);
    EXPECT_EQ(spoken("scoreLabel"), "SCORE: 2");

    m().setHighScoresShower([&](std::optional<int> newScore) {
        recordOffer(newScore);
        if (offers.size() == 1) {
            EXPECT_TRUE(h.countdown()->isActive());
            tick();
        }
    });
    choose("highScoresAction");
    EXPECT_EQ(offers, (Offers{std::nullopt, 2}));
    EXPECT_EQ(text("questionLabel"), "Time's Up!!.\nYour Final Score Is:  2\n\n"
                                     "Press Start To Begin A New Timed Quiz.");
    EXPECT_EQ(text("timeRemainingLabel"), "0");
    EXPECT_EQ(h.fakes.sound.commands.mid(1),
              (QStringList{"close", "play " + h.dir.file("bad.wav")}));
    EXPECT_FALSE(h.countdown()->isActive());

    choose("standardAction");
    EXPECT_TRUE(checked("standardAction"));
    EXPECT_FALSE(checked("timedAction"));
    EXPECT_TRUE(visible("standardCounters"));
    EXPECT_FALSE(visible("startStopButton"));
}

// 144 right answers through the buttons, three ticks into every level.
TEST_F(TimedGameWindow, WholeGameOfTenLevels)
{
    m().setHighScoresShower([this](std::optional<int> newScore) { recordOffer(newScore); });
    startGame();
    int answers = 0;
    while (s().gameRunning && answers < 500) {
        if (s().correct == 0)
            tick(3);
        click(answerButton(1));
        ++answers;
    }
    // Level L asks 12, 13, 14, then 15 questions at 2L points each, and a
    // clean level adds 2 x the ticks left (57 in level 1, 58 later).
    EXPECT_EQ(answers, 144);
    EXPECT_EQ(s().score, 2788);

    // One box between levels; the last shows the two-digit level.
    ASSERT_EQ(h.fakes.boxes.shown.size(), 9u);
    EXPECT_EQ(
        h.fakes.boxes.shown.back(),
        (FakeBoxes::Shown{"Level  9 Completed.\rPress OK To Start Level  10", "Level  9 Complete",
                          MessageBoxes::Buttons::Ok, MessageBoxes::Icon::NoIcon}));
    EXPECT_EQ(text("questionLabel"), "Congradulations!!.\nYou Have Finished the Timed Quiz!\n\n"
                                     "Your Final Score is:  2788\n\nPress Start To Begin A "
                                     "New Timed Quiz.");
    EXPECT_EQ(h.fakes.sound.commands.mid(1),
              (QStringList{"close", "play " + h.dir.file("yea.wav")}));
    EXPECT_EQ(offers, (Offers{2788}));
    EXPECT_EQ(text("levelLabel"), "Level:  10");
    EXPECT_EQ(text("remainingLabel"), "Questions\nRemaining:  0");
    EXPECT_EQ(text("scoreLabel"), "SCORE:  2788");
    EXPECT_EQ(text("startStopButton"), "Start Quiz");
    EXPECT_FALSE(h.countdown()->isActive());
    for (AnswerButton *b : h.buttons())
        EXPECT_FALSE(b->isEnabled());
}

} // namespace
