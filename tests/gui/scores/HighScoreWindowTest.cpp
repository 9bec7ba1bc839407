// The two high-score windows, alone and opened by the main window.
#include "gui/Controls.h"
#include "gui/scores/HighScoresDialog.h"
#include "support/MainHarness.h"
#include "support/ModalDriver.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTest>

#include <gtest/gtest.h>

namespace {

// The first places of the table as shown, each "score name".
QStringList places(const QWidget *w, int count = 10)
{
    QStringList out;
    for (int p = 1; p <= count; ++p)
        out << control<QLabel>(w, qPrintable(QStringLiteral("score%1").arg(p)))->text() + " " +
                   control<QLabel>(w, qPrintable(QStringLiteral("name%1").arg(p)))->text();
    return out;
}

struct Case {
    const char *name;
    std::optional<int> newScore;  // none: opened from the menu
    bool failFirst = false;       // the first store fails
    Qt::Key key = Qt::Key_Return; // what closes the window then
};

// The table window over a stored table of three places, with a name asker
// that always answers "Zed".
class HighScoreWindow : public ::testing::TestWithParam<Case> {
  protected:
    void SetUp() override
    {
        store.values = {{"highscore/s1", "100"}, {"highscore/n1", "Ann"}, {"highscore/s2", "90"},
                        {"highscore/n2", "Bob"}, {"highscore/s3", "80"},  {"highscore/n3", "Cy"}};
        store.failCommits = GetParam().failFirst;
        w = std::make_unique<HighScoresDialog>(GetParam().newScore, store, boxes, nullptr,
                                               [this](QWidget *) {
                                                   ++namesAsked;
                                                   return QStringLiteral("Zed");
                                               });
        w->show();
        QApplication::setActiveWindow(w.get());
    }

    MemorySettings store;
    FakeBoxes boxes;
    int namesAsked = 0;
    std::unique_ptr<HighScoresDialog> w;
};

// Opened from the menu, or with a game score that ties a place, the window
// asks no name. OK has the focus, then Clear Scores; Clear Scores empties
// the window, and only OK stores the empty table.
using HighScoreShown = HighScoreWindow;

TEST_P(HighScoreShown, AsksNothingAndClearEmptiesTheTable)
{
    EXPECT_EQ(w->windowTitle(), "High Scores");
    EXPECT_EQ(namesAsked, 0);
    EXPECT_EQ(places(w.get(), 4), (QStringList{"100 Ann", "90 Bob", "80 Cy", "0 "}));
    auto *ok = control<QPushButton>(w.get(), "okButton");
    auto *clear = control<QPushButton>(w.get(), "clearButton");
    for (QWidget *next : {ok, clear, ok}) {
        EXPECT_EQ(w->focusWidget(), next);
        QTest::keyClick(w.get(), Qt::Key_Tab);
    }
    QTest::mouseClick(clear, Qt::LeftButton);
    EXPECT_TRUE(w->isVisible());
    EXPECT_EQ(places(w.get()), QStringList(10, "0 "));
    EXPECT_TRUE(store.writes.isEmpty());
    QTest::mouseClick(ok, Qt::LeftButton);
    EXPECT_FALSE(w->isVisible());
    // Keys in order: the ten names, then the ten scores.
    EXPECT_EQ(store.values.values(), QStringList(10, "") + QStringList(10, "0"));
    EXPECT_EQ(store.writes.size(), 20);
}

INSTANTIATE_TEST_SUITE_P(Scores, HighScoreShown,
                         ::testing::Values(Case{"menu", std::nullopt}, Case{"tie", 90}),
                         [](const auto &info) { return std::string(info.param.name); });

// A game score that earns a place asks the name first and is stored only
// when the window closes; Escape (and the window manager's close) stores
// like Enter, so the new high score is not lost. A failed store is told
// and the table stays for another try; Escape then leaves without one.
using HighScorePlaced = HighScoreWindow;

TEST_P(HighScorePlaced, AsksTheNameAndStoresOnClose)
{
    EXPECT_EQ(namesAsked, 1);
    EXPECT_EQ(places(w.get(), 5), (QStringList{"100 Ann", "95 Zed", "90 Bob", "80 Cy", "0 "}));
    EXPECT_TRUE(store.writes.isEmpty());
    if (GetParam().failFirst) {
        QTest::keyClick(w.get(), Qt::Key_Return);
        ASSERT_EQ(boxes.shown.size(), 1u);
        EXPECT_EQ(boxes.shown[0].text, "The high scores could not be saved.\r"
                                       "The settings file could not be written:\rmemory");
        EXPECT_EQ(boxes.shown[0].title, "High Scores");
        EXPECT_EQ(boxes.shown[0].icon, MessageBoxes::Icon::Information);
        EXPECT_TRUE(w->isVisible());
        store.failCommits = false;
    }
    QTest::keyClick(w.get(), GetParam().key);
    EXPECT_FALSE(w->isVisible());
    const bool stored = !(GetParam().failFirst && GetParam().key == Qt::Key_Escape);
    EXPECT_EQ(w->result(), stored ? QDialog::Accepted : QDialog::Rejected);
    EXPECT_EQ(store.commits, GetParam().failFirst + int(stored));
    EXPECT_EQ(store.values.value("highscore/n2"), "Zed");
    EXPECT_EQ(boxes.shown.size(), GetParam().failFirst ? 1u : 0u);
}

INSTANTIATE_TEST_SUITE_P(Closes, HighScorePlaced,
                         ::testing::Values(Case{"enter", 95, false, Qt::Key_Return},
                                           Case{"escape", 95, false, Qt::Key_Escape},
                                           Case{"retry", 95, true, Qt::Key_Return},
                                           Case{"escape_after_failure", 95, true, Qt::Key_Escape}),
                         [](const auto &info) { return std::string(info.param.name); });

struct NameCase {
    const char *name;
    const char *typed;
    Qt::Key key;
    const char *result;
};

class HighScoreFromTheGame : public ::testing::TestWithParam<NameCase> {};

// The real windows, opened by a time-out: the name window comes first and
// always leaves a name, then the table shows it in its place, then the
// store has it.
TEST_P(HighScoreFromTheGame, TimeOutAsksTheNameThenShowsTheTable)
{
    MainHarness h;
    h.writeBank(10);
    ASSERT_TRUE(h.start());
    h.show();
    h.child<QAction>("timedAction")->trigger();
    h.child<QPushButton>("startStopButton")->click();
    h.button(h.main->state().answerButtons[0])->click();

    ModalDriver driver;
    QStringList tableSeen;
    driver.on("HighScoreNameDialog", [&](QWidget *w) {
        EXPECT_EQ(w->windowTitle(), "High Score!!");
        // Centred on the screen, though the table window that owns it is
        // not shown yet.
        EXPECT_LE(
            (w->geometry().center() - w->screen()->availableGeometry().center()).manhattanLength(),
            8); // the frame around it aside
        EXPECT_EQ(control<QLabel>(w, "promptLabel")->text(),
                  "Congradulations!! You have a new high score!\nEnter your name below");
        auto *name = control<QLineEdit>(w, "nameEdit");
        EXPECT_EQ(w->focusWidget(), name);
        EXPECT_TRUE(name->text().isEmpty());
        QTest::keyClicks(name, QString::fromUtf8(GetParam().typed));
        QTest::keyClick(name, GetParam().key);
    });
    driver.on("HighScoresDialog", [&](QWidget *w) {
        tableSeen = places(w, 2);
        QTest::mouseClick(control(w, "okButton"), Qt::LeftButton);
    });
    for (int i = 0; i < 60; ++i)
        h.main->countdownTicked();

    EXPECT_FALSE(driver.timedOut);
    EXPECT_EQ(driver.answered, (std::vector<QString>{"HighScoreNameDialog", "HighScoresDialog"}));
    EXPECT_EQ(tableSeen, (QStringList{"2 " + QString::fromUtf8(GetParam().result), "0 "}));
    EXPECT_EQ(h.fakes.settings.values.value("highscore/n1"), GetParam().result);
}

INSTANTIATE_TEST_SUITE_P(Names, HighScoreFromTheGame,
                         ::testing::Values(NameCase{"empty", "", Qt::Key_Return, "J. Doe"},
                                           NameCase{"typed", "Ann Lee", Qt::Key_Return, "Ann Lee"},
                                           NameCase{"blanks", "   ", Qt::Key_Return, "   "},
                                           NameCase{"escape_empty", "", Qt::Key_Escape, "J. Doe"},
                                           NameCase{"escape_typed", "Bo", Qt::Key_Escape, "Bo"}),
                         [](const auto &info) { return std::string(info.param.name); });

} // namespace
