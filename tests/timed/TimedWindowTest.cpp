// A timed game through the real window: menus, buttons, the countdown.
#include "shell/AnswerButton.h"
#include "support/MainHarness.h"
#include "timed/TimedGame.h"

#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

namespace {

class TimedWindow : public ::testing::Test {
  protected:
    void SetUp() override
    {
        h.writeBank(10);
        ASSERT_TRUE(h.start());
        h.show();
        m().setHighScoreWindow([this] {
            offers.push_back({m().checkscore(), m().NumScore(), m().NumLevel(), m().NumTotal()});
        });
    }
    Main &m() { return *h.main; }
    AnswerButton *answerButton(int k) { return m().Btn_Answer[m().state().AnsPos[k - 1] - 1]; }
    void click(QAbstractButton *b) { QTest::mouseClick(b, Qt::LeftButton); }

    struct Offer {
        int checkscore, score, level, total;
    };
    MainHarness h;
    std::vector<Offer> offers;
};

TEST_F(TimedWindow, QuizTypeMenuSwitchesFramesAndCheckMarks)
{
    m().Menu_Timed->trigger();
    EXPECT_FALSE(m().Menu_Standard->isChecked());
    EXPECT_TRUE(m().Menu_Timed->isChecked());
    EXPECT_FALSE(m().Frame_Standard->isVisible());
    EXPECT_TRUE(m().Frame_Timed->isVisible());
    EXPECT_TRUE(m().Btn_StartStop->isVisible());
    EXPECT_EQ(m().Btn_StartStop->text(), "Start Quiz");
    EXPECT_EQ(m().Lbl_TotalT->text(), "Questions\nRemaining:  12");
    for (AnswerButton *b : m().Btn_Answer) {
        EXPECT_FALSE(b->isEnabled());
        EXPECT_TRUE(b->text().isEmpty());
    }

    // A second click on the checked entry keeps its mark.
    m().Menu_Timed->trigger();
    EXPECT_TRUE(m().Menu_Timed->isChecked());
    EXPECT_FALSE(m().Menu_Standard->isChecked());

    m().Menu_Standard->trigger();
    EXPECT_TRUE(m().Menu_Standard->isChecked());
    EXPECT_FALSE(m().Menu_Timed->isChecked());
    EXPECT_TRUE(m().Frame_Standard->isVisible());
    EXPECT_FALSE(m().Btn_StartStop->isVisible());
}

TEST_F(TimedWindow, CountdownRunsOnThePreciseTimer)
{
    m().Menu_Timed->trigger();
    click(m().Btn_StartStop);
    EXPECT_EQ(m().Btn_StartStop->text(), "End Quiz");
    EXPECT_EQ(m().Lbl_TimeRemain->text(), "60");
    EXPECT_TRUE(m().countdown().isActive());
    EXPECT_EQ(m().countdown().interval(), 1300);
    EXPECT_EQ(m().countdown().timerType(), Qt::PreciseTimer);
    for (int i = 0; i < 55; ++i)
        m().Timer_Timer();
    EXPECT_EQ(m().Lbl_TimeRemain->text(), "5");
    EXPECT_EQ(m().Lbl_TimeRemain->palette().color(QPalette::WindowText), QColor(192, 0, 0));
    for (int i = 0; i < 5; ++i)
        m().Timer_Timer();
    EXPECT_FALSE(m().countdown().isActive());
    EXPECT_EQ(h.fakes.sound.commands.mid(1),
              (QStringList{"close", "play " + h.dir.file("bad.wav")}));
    ASSERT_EQ(offers.size(), 1u);
    EXPECT_EQ(offers[0].checkscore, 1);
    EXPECT_EQ(m().checkscore(), 0);
}

// The high-score menu and the exit question leave the countdown running;
// a modal window through the pause wrapper stops it.
TEST_F(TimedWindow, MenuHighScoresAndExitQuestionDoNotPause)
{
    m().Menu_Timed->trigger();
    click(m().Btn_StartStop);
    bool runningWhileOpen = false;
    m().setHighScoreWindow([&] { runningWhileOpen = m().countdown().isActive(); });
    m().mnuHisgScore->trigger();
    EXPECT_TRUE(runningWhileOpen);
    EXPECT_TRUE(m().countdown().isActive());

    h.fakes.boxes.answers = {MessageBoxes::NoPressed};
    bool runningDuringQuestion = false;
    h.fakes.boxes.whileOpen = [&](const FakeBoxes::Shown &) {
        runningDuringQuestion = m().countdown().isActive();
    };
    m().Mnu_Exit->trigger();
    EXPECT_TRUE(runningDuringQuestion);
    EXPECT_TRUE(m().countdown().isActive());
    EXPECT_EQ(m().state().TimedRunning, 1);

    const int left = m().state().TimeLeft;
    m().showPausingCountdown([&] { EXPECT_FALSE(m().countdown().isActive()); });
    EXPECT_TRUE(m().countdown().isActive());
    EXPECT_EQ(m().state().TimeLeft, left);
    m().countdown().stop();
}

// A time-out while the table is open from the menu: no second window on
// top; the score is offered once the first has been closed.
TEST_F(TimedWindow, TimeOutWhileTheMenuTableIsOpenOffersAfterwards)
{
    m().Menu_Timed->trigger();
    click(m().Btn_StartStop);
    click(answerButton(1));
    int opened = 0;
    std::vector<int> checkscores;
    m().setHighScoreWindow([&] {
        ++opened;
        checkscores.push_back(m().checkscore());
        if (opened == 1) {
            for (int i = 0; i < 60; ++i)
                m().Timer_Timer();
        }
    });
    m().mnuHisgScore->trigger();
    EXPECT_EQ(opened, 2);
    EXPECT_EQ(checkscores, (std::vector<int>{0, 1}));
    EXPECT_EQ(m().checkscore(), 0);
    EXPECT_EQ(m().state().TimedRunning, 0);
}

// 144 right answers through the buttons, three ticks into every level.
TEST_F(TimedWindow, WholeGameOfTenLevels)
{
    m().Menu_Timed->trigger();
    click(m().Btn_StartStop);
    int answers = 0;
    while (m().state().TimedRunning == 1 && answers < 500) {
        if (m().state().NumCorrect == 0) {
            for (int i = 0; i < 3; ++i)
                m().Timer_Timer();
        }
        click(answerButton(1));
        ++answers;
    }
    EXPECT_EQ(answers, 144);

    // Level L: 2L points for each of its questions, and 2 x the ticks left
    // (57 in level 1, 58 later) for a clean level.
    int expected = 0;
    for (int level = 1; level <= 10; ++level)
        expected += 2 * level * TimedGame::LevelSize(level) + 2 * (level == 1 ? 57 : 58);
    EXPECT_EQ(expected, 2788);
    EXPECT_EQ(m().state().NumScore, expected);

    ASSERT_EQ(h.fakes.boxes.shown.size(), 9u);
    for (int level = 1; level <= 9; ++level) {
        const FakeBoxes::Shown &box = h.fakes.boxes.shown[std::size_t(level - 1)];
        EXPECT_EQ(box.title, QStringLiteral("Level  %1 Complete").arg(level));
        EXPECT_EQ(box.text, QStringLiteral("Level  %1 Completed.\rPress OK To Start Level  %2")
                                .arg(level)
                                .arg(level + 1));
        EXPECT_EQ(box.buttons, MessageBoxes::Ok);
        EXPECT_EQ(box.icon, MessageBoxes::NoIcon);
    }
    EXPECT_EQ(m().Lbl_Question->text(), "Congradulations!!.\nYou Have Finished the Timed Quiz!\n\n"
                                        "Your Final Score is:  2788\n\nPress Start To Begin A "
                                        "New Timed Quiz.");
    EXPECT_EQ(h.fakes.sound.commands.mid(h.fakes.sound.commands.size() - 2),
              (QStringList{"close", "play " + h.dir.file("yea.wav")}));
    ASSERT_EQ(offers.size(), 1u);
    EXPECT_EQ(offers[0].checkscore, 1);
    EXPECT_EQ(offers[0].score, 2788);
    EXPECT_EQ(offers[0].level, 10);
    EXPECT_EQ(offers[0].total, 0);
    EXPECT_EQ(m().checkscore(), 0);
    EXPECT_EQ(m().Lbl_Level->text(), "Level:  10");
    EXPECT_EQ(m().Lbl_TotalT->text(), "Questions\nRemaining:  0");
    EXPECT_EQ(m().Lbl_Score->text(), "SCORE:  2788");
    EXPECT_EQ(m().Btn_StartStop->text(), "Start Quiz");
    EXPECT_FALSE(m().countdown().isActive());
    for (AnswerButton *b : m().Btn_Answer)
        EXPECT_FALSE(b->isEnabled());
}

} // namespace
