// A timed game through the real window: menus, buttons, keys, the countdown.
#include "WindowTest.h"

namespace {

using Offers = std::vector<std::pair<int, int>>;

class TimedGameWindow : public WindowTest {
  protected:
    void recordOffer() { offers.push_back({s().checkscore, s().NumScore}); }
    bool checked(const char *action) { return h.child<QAction>(action)->isChecked(); }

    // checkscore and score each time the high-score table opened.
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
        choose("Menu_Timed");
        EXPECT_FALSE(checked("Menu_Standard"));
        EXPECT_TRUE(checked("Menu_Timed"));
        EXPECT_FALSE(visible("Frame_Standard"));
        EXPECT_TRUE(visible("Frame_Timed"));
        EXPECT_TRUE(visible("Btn_StartStop"));
    }
    key(Qt::Key_1);
    EXPECT_EQ(s().NumTotal, 12);
    click("Btn_StartStop");
    EXPECT_EQ(text("Btn_StartStop"), "End Quiz");
    EXPECT_EQ(text("Lbl_TimeRemain"), "60");
    EXPECT_EQ(h.countdown()->interval(), 1300);
    EXPECT_EQ(h.countdown()->timerType(), Qt::PreciseTimer);
    key(Qt::Key_0 + s().AnsPos[0]);
    EXPECT_EQ(s().NumScore, 2);
    EXPECT_EQ(s().NumTotal, 11);

    tick(54);
    EXPECT_EQ(spoken("Lbl_TimeRemain"), "Time remaining: 6");
    EXPECT_EQ(colour("Lbl_TimeRemain"), kNavy);
    EXPECT_TRUE(alerts.isEmpty());
    tick();
    EXPECT_EQ(spoken("Lbl_TimeRemain"), "Time remaining: 5");
    EXPECT_EQ(colour("Lbl_TimeRemain"), kDarkRed);
    EXPECT_EQ(alerts, QStringList{"Lbl_TimeRemain"});
    tick(4);
    EXPECT_EQ(alerts.size(), 1);
    EXPECT_EQ(spoken("Lbl_Score"), "SCORE: 2");

    m().setHighScoreWindow([&] {
        recordOffer();
        if (offers.size() == 1) {
            EXPECT_TRUE(h.countdown()->isActive());
            tick();
        }
    });
    choose("mnuHisgScore");
    EXPECT_EQ(offers, (Offers{{0, 2}, {1, 2}}));
    EXPECT_EQ(s().checkscore, 0);
    EXPECT_EQ(text("Lbl_Question"), "Time's Up!!.\nYour Final Score Is:  2\n\n"
                                    "Press Start To Begin A New Timed Quiz.");
    EXPECT_EQ(text("Lbl_TimeRemain"), "0");
    EXPECT_EQ(h.fakes.sound.commands.mid(1),
              (QStringList{"close", "play " + h.dir.file("bad.wav")}));
    EXPECT_FALSE(h.countdown()->isActive());

    choose("Menu_Standard");
    EXPECT_TRUE(checked("Menu_Standard"));
    EXPECT_FALSE(checked("Menu_Timed"));
    EXPECT_TRUE(visible("Frame_Standard"));
    EXPECT_FALSE(visible("Btn_StartStop"));
}

// 144 right answers through the buttons, three ticks into every level.
TEST_F(TimedGameWindow, WholeGameOfTenLevels)
{
    m().setHighScoreWindow([this] { recordOffer(); });
    startGame();
    int answers = 0;
    while (s().TimedRunning == 1 && answers < 500) {
        if (s().NumCorrect == 0)
            tick(3);
        click(answerButton(1));
        ++answers;
    }
    // Level L asks 12, 13, 14, then 15 questions at 2L points each, and a
    // clean level adds 2 x the ticks left (57 in level 1, 58 later).
    EXPECT_EQ(answers, 144);
    EXPECT_EQ(s().NumScore, 2788);

    // One box between levels; the last shows the two-digit level.
    ASSERT_EQ(h.fakes.boxes.shown.size(), 9u);
    EXPECT_EQ(
        h.fakes.boxes.shown.back(),
        (FakeBoxes::Shown{"Level  9 Completed.\rPress OK To Start Level  10", "Level  9 Complete",
                          MessageBoxes::Buttons::Ok, MessageBoxes::Icon::NoIcon}));
    EXPECT_EQ(text("Lbl_Question"), "Congradulations!!.\nYou Have Finished the Timed Quiz!\n\n"
                                    "Your Final Score is:  2788\n\nPress Start To Begin A "
                                    "New Timed Quiz.");
    EXPECT_EQ(h.fakes.sound.commands.mid(1),
              (QStringList{"close", "play " + h.dir.file("yea.wav")}));
    EXPECT_EQ(offers, (Offers{{1, 2788}}));
    EXPECT_EQ(s().checkscore, 0);
    EXPECT_EQ(text("Lbl_Level"), "Level:  10");
    EXPECT_EQ(text("Lbl_TotalT"), "Questions\nRemaining:  0");
    EXPECT_EQ(text("Lbl_Score"), "SCORE:  2788");
    EXPECT_EQ(text("Btn_StartStop"), "Start Quiz");
    EXPECT_FALSE(h.countdown()->isActive());
    for (AnswerButton *b : h.buttons())
        EXPECT_FALSE(b->isEnabled());
}

} // namespace
