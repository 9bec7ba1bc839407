// A timed game through the real window: menus, buttons, the countdown.
#include "WindowTest.h"

namespace {

class TimedWindow : public WindowTest {
  protected:
    void SetUp() override
    {
        WindowTest::SetUp();
        m().setHighScoreWindow([this] {
            offers.push_back({m().state().checkscore, m().state().NumScore});
        });
    }
    void startGame()
    {
        h.child<QAction>("Menu_Timed")->trigger();
        click(h.child<QPushButton>("Btn_StartStop"));
    }

    struct Offer {
        int checkscore, score;
    };
    std::vector<Offer> offers;
};

// The idle timed view itself is the session's test; here the window
// swaps frames and check marks.
TEST_F(TimedWindow, QuizTypeMenuSwitchesFramesAndCheckMarks)
{
    for (int i = 0; i < 2; ++i) { // a second click on the checked entry keeps its mark
        h.child<QAction>("Menu_Timed")->trigger();
        EXPECT_FALSE(h.child<QAction>("Menu_Standard")->isChecked());
        EXPECT_TRUE(h.child<QAction>("Menu_Timed")->isChecked());
        EXPECT_FALSE(h.child<QGroupBox>("Frame_Standard")->isVisible());
        EXPECT_TRUE(h.child<QGroupBox>("Frame_Timed")->isVisible());
        EXPECT_TRUE(h.child<QPushButton>("Btn_StartStop")->isVisible());
        EXPECT_FALSE(h.button(1)->isEnabled());
    }
    h.child<QAction>("Menu_Standard")->trigger();
    EXPECT_TRUE(h.child<QAction>("Menu_Standard")->isChecked());
    EXPECT_FALSE(h.child<QAction>("Menu_Timed")->isChecked());
    EXPECT_TRUE(h.child<QGroupBox>("Frame_Standard")->isVisible());
    EXPECT_FALSE(h.child<QPushButton>("Btn_StartStop")->isVisible());
}

// How the last seconds look and sound is the keyboard test's; here the
// countdown runs on the precise timer, and the high-score menu and the
// exit question leave it running.
TEST_F(TimedWindow, CountdownRunsThroughTheMenuTableAndTheExitQuestion)
{
    startGame();
    EXPECT_EQ(h.child<QPushButton>("Btn_StartStop")->text(), "End Quiz");
    EXPECT_EQ(h.child<QLabel>("Lbl_TimeRemain")->text(), "60");
    EXPECT_EQ(h.countdown()->interval(), 1300);
    EXPECT_EQ(h.countdown()->timerType(), Qt::PreciseTimer);

    bool runningWhileOpen = false;
    m().setHighScoreWindow([&] { runningWhileOpen = h.countdown()->isActive(); });
    h.child<QAction>("mnuHisgScore")->trigger();
    EXPECT_TRUE(runningWhileOpen);

    runningWhileOpen = false;
    h.fakes.boxes.answers = {MessageBoxes::NoPressed};
    h.fakes.boxes.whileOpen = [&](const FakeBoxes::Shown &) {
        runningWhileOpen = h.countdown()->isActive();
    };
    h.child<QAction>("Mnu_Exit")->trigger();
    EXPECT_TRUE(runningWhileOpen);
    EXPECT_TRUE(h.countdown()->isActive());
    EXPECT_EQ(m().state().TimedRunning, 1);
    h.countdown()->stop();
}

// A time-out while the table is open from the menu: no second window on
// top; the score is offered once the first has been closed.
TEST_F(TimedWindow, TimeOutWhileTheMenuTableIsOpenOffersAfterwards)
{
    startGame();
    click(answerButton(1));
    std::vector<int> checkscores;
    m().setHighScoreWindow([&] {
        checkscores.push_back(m().state().checkscore);
        if (checkscores.size() == 1) {
            for (int i = 0; i < 60; ++i)
                m().Timer_Timer();
        }
    });
    h.child<QAction>("mnuHisgScore")->trigger();
    EXPECT_EQ(checkscores, (std::vector<int>{0, 1}));
    EXPECT_EQ(m().state().checkscore, 0);
    EXPECT_EQ(m().state().TimedRunning, 0);
}

// 144 right answers through the buttons, three ticks into every level.
TEST_F(TimedWindow, WholeGameOfTenLevels)
{
    startGame();
    int answers = 0;
    while (m().state().TimedRunning == 1 && answers < 500) {
        if (m().state().NumCorrect == 0) {
            for (int i = 0; i < 3; ++i)
                m().Timer_Timer();
        }
        click(answerButton(1));
        ++answers;
    }
    // Level L asks sizes[L - 1] questions at 2L points each, and a clean
    // level adds 2 x the ticks left (57 in level 1, 58 later).
    const std::array<int, 10> sizes = {12, 13, 14, 15, 15, 15, 15, 15, 15, 15};
    int expected = 0;
    for (int level = 1; level <= 10; ++level)
        expected += 2 * level * sizes[std::size_t(level - 1)] + 2 * (level == 1 ? 57 : 58);
    EXPECT_EQ(answers, 144);
    EXPECT_EQ(expected, 2788);
    EXPECT_EQ(m().state().NumScore, expected);

    // One box between levels; the last shows the two-digit level.
    ASSERT_EQ(h.fakes.boxes.shown.size(), 9u);
    const FakeBoxes::Shown &box = h.fakes.boxes.shown.back();
    EXPECT_EQ(box.title, "Level  9 Complete");
    EXPECT_EQ(box.text, "Level  9 Completed.\rPress OK To Start Level  10");
    EXPECT_EQ(box.buttons, MessageBoxes::Ok);
    EXPECT_EQ(box.icon, MessageBoxes::NoIcon);
    EXPECT_EQ(h.child<QLabel>("Lbl_Question")->text(),
              "Congradulations!!.\nYou Have Finished the Timed Quiz!\n\n"
              "Your Final Score is:  2788\n\nPress Start To Begin A "
              "New Timed Quiz.");
    EXPECT_EQ(h.fakes.sound.commands.mid(h.fakes.sound.commands.size() - 2),
              (QStringList{"close", "play " + h.dir.file("yea.wav")}));
    ASSERT_EQ(offers.size(), 1u);
    EXPECT_EQ(offers[0].checkscore, 1);
    EXPECT_EQ(offers[0].score, 2788);
    EXPECT_EQ(m().state().checkscore, 0);
    EXPECT_EQ(h.child<QLabel>("Lbl_Level")->text(), "Level:  10");
    EXPECT_EQ(h.child<QLabel>("Lbl_TotalT")->text(), "Questions\nRemaining:  0");
    EXPECT_EQ(h.child<QLabel>("Lbl_Score")->text(), "SCORE:  2788");
    EXPECT_EQ(h.child<QPushButton>("Btn_StartStop")->text(), "Start Quiz");
    EXPECT_FALSE(h.countdown()->isActive());
    for (AnswerButton *b : h.buttons())
        EXPECT_FALSE(b->isEnabled());
}

} // namespace
