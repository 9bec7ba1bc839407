// The two high-score windows, alone and opened by the main window.
#include "gui/scores/frmHSName.h"
#include "gui/scores/frmHighScore.h"
#include "support/MainHarness.h"
#include "support/ModalDriver.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

namespace {

class HighScoreWindow : public ::testing::Test {
  protected:
    std::unique_ptr<frmHighScore> open(std::int16_t check, std::int32_t score,
                                       const QString &name = QStringLiteral("Zed"))
    {
        checkscore = check;
        numScore = score;
        auto w = std::make_unique<frmHighScore>(checkscore, numScore, store, boxes, nullptr,
                                                [this, name](QWidget *) {
                                                    ++namesAsked;
                                                    return name;
                                                });
        w->Form_Load();
        w->show();
        QApplication::setActiveWindow(w.get());
        return w;
    }
    void storeTable(std::initializer_list<std::pair<int, const char *>> places)
    {
        int p = 1;
        for (const auto &[score, name] : places) {
            store.values.insert(QStringLiteral("highscore/s%1").arg(p), QString::number(score));
            store.values.insert(QStringLiteral("highscore/n%1").arg(p), QString::fromUtf8(name));
            ++p;
        }
    }
    void expectStoredEmpty()
    {
        for (int p = 1; p <= 10; ++p) {
            EXPECT_EQ(store.values.value(QStringLiteral("highscore/s%1").arg(p)), "0") << p;
            EXPECT_EQ(store.values.value(QStringLiteral("highscore/n%1").arg(p)), "") << p;
        }
    }
    QStringList column(const std::array<QLabel *, 10> &labels)
    {
        QStringList out;
        for (QLabel *l : labels)
            out << l->text();
        return out;
    }

    std::int16_t checkscore = 0;
    std::int32_t numScore = 0;
    MemorySettings store;
    FakeBoxes boxes;
    int namesAsked = 0;
};

TEST_F(HighScoreWindow, FromTheMenuWithAnEmptyStore)
{
    auto w = open(0, 500);
    EXPECT_EQ(w->windowTitle(), "High Scores");
    EXPECT_EQ(column(w->HS), QStringList(10, "0"));
    EXPECT_EQ(column(w->HSN), QStringList(10, ""));
    EXPECT_EQ(namesAsked, 0);
    EXPECT_EQ(w->focusWidget(), w->btnOK);
    QTest::keyClick(w.get(), Qt::Key_Tab);
    EXPECT_EQ(w->focusWidget(), w->btnClearScores);
    QTest::keyClick(w.get(), Qt::Key_Tab);
    EXPECT_EQ(w->focusWidget(), w->btnOK);

    QTest::mouseClick(w->btnOK, Qt::LeftButton);
    EXPECT_FALSE(w->isVisible());
    EXPECT_EQ(store.writes.size(), 20);
    expectStoredEmpty();
}

// A game score that earns a place asks the name first and is stored only
// when the window closes. Escape (and the window manager's close) stores
// like Enter: the new high score is not lost.
TEST_F(HighScoreWindow, AGameScoreThatEarnsAPlaceAsksTheNameFirst)
{
    for (Qt::Key key : {Qt::Key_Return, Qt::Key_Escape}) {
        store.values.clear();
        store.writes.clear();
        namesAsked = 0;
        storeTable({{100, "Ann"}, {90, "Bob"}, {80, "Cy"}});
        auto w = open(1, 95);
        EXPECT_EQ(namesAsked, 1);
        EXPECT_EQ(column(w->HS).mid(0, 5), (QStringList{"100", "95", "90", "80", "0"}));
        EXPECT_EQ(column(w->HSN).mid(0, 4), (QStringList{"Ann", "Zed", "Bob", "Cy"}));
        EXPECT_TRUE(store.writes.isEmpty());
        QTest::keyClick(w.get(), key);
        EXPECT_FALSE(w->isVisible());
        EXPECT_EQ(store.values.value("highscore/n2"), "Zed");
        EXPECT_EQ(store.values.value("highscore/s2"), "95");
    }
}

// A tie or a zero asks nothing. Clear Scores empties the window, and only
// OK stores the empty table.
TEST_F(HighScoreWindow, ATieOrAZeroAsksNothingAndClearEmptiesTheTable)
{
    storeTable({{100, "Ann"}});
    auto tie = open(1, 100);
    auto w = open(1, 0);
    EXPECT_EQ(namesAsked, 0);
    EXPECT_EQ(column(tie->HSN).mid(0, 2), (QStringList{"Ann", ""}));
    EXPECT_EQ(column(w->HSN).mid(0, 2), (QStringList{"Ann", ""}));

    QTest::mouseClick(w->btnClearScores, Qt::LeftButton);
    EXPECT_TRUE(w->isVisible());
    EXPECT_EQ(column(w->HS), QStringList(10, "0"));
    EXPECT_EQ(column(w->HSN), QStringList(10, ""));
    EXPECT_TRUE(store.writes.isEmpty());
    QTest::mouseClick(w->btnOK, Qt::LeftButton);
    expectStoredEmpty();
}

// A failed save is told and the table stays for another try, which may
// succeed; Escape after a failure leaves without trying again.
TEST_F(HighScoreWindow, AFailedSaveIsToldAndTheWindowStays)
{
    for (bool escape : {false, true}) {
        store.failCommits = true;
        boxes.shown.clear();
        auto w = open(1, 70);
        QTest::mouseClick(w->btnOK, Qt::LeftButton);
        ASSERT_EQ(boxes.shown.size(), 1u);
        EXPECT_TRUE(boxes.shown[0].text.startsWith("The high scores could not be saved."));
        EXPECT_TRUE(w->isVisible());
        EXPECT_EQ(w->result(), QDialog::Rejected);

        store.failCommits = false;
        const int commits = store.commits;
        if (escape)
            QTest::keyClick(w.get(), Qt::Key_Escape);
        else
            QTest::mouseClick(w->btnOK, Qt::LeftButton);
        EXPECT_FALSE(w->isVisible());
        EXPECT_EQ(w->result(), escape ? QDialog::Rejected : QDialog::Accepted);
        EXPECT_EQ(store.commits, commits + (escape ? 0 : 1));
        EXPECT_EQ(boxes.shown.size(), 1u);
    }
}

struct NameCase {
    const char *name;
    const char *typed;
    bool escape;
    const char *result;
};

class NameWindow : public ::testing::TestWithParam<NameCase> {};

TEST_P(NameWindow, AlwaysLeavesAName)
{
    frmHSName w(nullptr);
    w.show();
    QApplication::setActiveWindow(&w);
    EXPECT_EQ(w.windowTitle(), "High Score!!");
    EXPECT_EQ(w.Label1->text(),
              "Congradulations!! You have a new high score!\nEnter your name below");
    EXPECT_EQ(w.focusWidget(), w.HSName);
    EXPECT_TRUE(w.HSName->text().isEmpty());
    QTest::keyClicks(w.HSName, QString::fromUtf8(GetParam().typed));
    QTest::keyClick(w.HSName, GetParam().escape ? Qt::Key_Escape : Qt::Key_Return);
    EXPECT_FALSE(w.isVisible());
    EXPECT_EQ(w.HSNamenew, QString::fromUtf8(GetParam().result));
}

INSTANTIATE_TEST_SUITE_P(Keys, NameWindow,
                         ::testing::Values(NameCase{"empty", "", false, "J. Doe"},
                                           NameCase{"typed", "Ann Lee", false, "Ann Lee"},
                                           NameCase{"blanks", "   ", false, "   "},
                                           NameCase{"escape_empty", "", true, "J. Doe"},
                                           NameCase{"escape_typed", "Bo", true, "Bo"}),
                         [](const auto &info) { return std::string(info.param.name); });

// The real windows, opened by a time-out: the name window comes first,
// then the table with the new place, then the store.
TEST(HighScoreFromTheGame, TimeOutOpensTheNameWindowThenTheTable)
{
    MainHarness h;
    h.writeBank(10);
    ASSERT_TRUE(h.start());
    h.show();
    Main &m = *h.main;
    h.child<QAction>("Menu_Timed")->trigger();
    h.child<QPushButton>("Btn_StartStop")->click();
    h.button(m.state().AnsPos[0])->click();

    ModalDriver driver;
    QStringList tableSeen;
    bool tableVisibleDuringName = true;
    driver.on("frmHSName", [&](QWidget *w) {
        tableVisibleDuringName = false;
        for (QWidget *top : QApplication::topLevelWidgets())
            if (top->objectName() == "frmHighScore" && top->isVisible())
                tableVisibleDuringName = true;
        auto *name = static_cast<frmHSName *>(w);
        QTest::keyClicks(name->HSName, "Winner");
        QTest::mouseClick(name->Command1, Qt::LeftButton);
    });
    driver.on("frmHighScore", [&](QWidget *w) {
        auto *table = static_cast<frmHighScore *>(w);
        tableSeen << table->HSN[0]->text() << table->HS[0]->text();
        QTest::mouseClick(table->btnOK, Qt::LeftButton);
    });
    for (int i = 0; i < 60; ++i)
        m.Timer_Timer();

    EXPECT_FALSE(driver.timedOut);
    EXPECT_EQ(driver.answered, (std::vector<QString>{"frmHSName", "frmHighScore"}));
    EXPECT_FALSE(tableVisibleDuringName);
    EXPECT_EQ(tableSeen, (QStringList{"Winner", "2"}));
    EXPECT_EQ(h.fakes.settings.values.value("highscore/n1"), "Winner");
    EXPECT_EQ(m.state().checkscore, 0);
}

} // namespace
