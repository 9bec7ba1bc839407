// The main window as a whole: design geometry, fonts, menus, the exit
// question and the countdown pause around a modal window.
#include "shell/AnswerButton.h"
#include "support/MainHarness.h"

#include <QAction>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

class MainWindow : public ::testing::Test {
  protected:
    void SetUp() override
    {
        h.writeBank(10);
        ASSERT_TRUE(h.start());
        h.show();
    }
    Main &m() { return *h.main; }
    template <typename T> T *child(const char *name)
    {
        T *w = m().findChild<T *>(QLatin1String(name));
        EXPECT_NE(w, nullptr) << name;
        return w;
    }

    MainHarness h;
};

struct Place {
    const char *name;
    QRect pixels;
};

// Twips / 15: the design places at 96 dpi.
TEST_F(MainWindow, ControlsSitAtTheirDesignPlaces)
{
    EXPECT_EQ(m().windowTitle(), "ZEL Quiz");
    EXPECT_EQ(m().centralWidget()->size(), QSize(554, 370));
    const std::vector<Place> places = {
        {"Label1", {8, 8, 241, 57}},
        {"Lbl_Question", {8, 72, 249, 121}},
        {"btn_showcorrect", {8, 208, 121, 25}},
        {"Btn_StartStop", {72, 208, 121, 25}},
        {"btn_next", {176, 208, 81, 25}},
        {"Frame_Standard", {8, 240, 249, 121}},
        {"Frame_Timed", {8, 240, 249, 121}},
        {"Frame1", {264, 8, 281, 353}},
        {"Btn_Answer1", {8, 16, 265, 49}},
        {"Btn_Answer6", {8, 296, 265, 49}},
        {"Lbl_CorrectT", {8, 16, 121, 17}},
        {"Lbl_Level", {152, 16, 89, 25}},
        {"Frame4", {136, 64, 89, 41}},
    };
    for (const Place &p : places) {
        auto *w = child<QWidget>(p.name);
        if (w) {
            EXPECT_EQ(w->geometry(), p.pixels) << p.name;
        }
    }
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(m().Btn_Answer[i]->y(), (240 + 840 * i) / 15) << i;
}

TEST_F(MainWindow, FontsAndColours)
{
    const std::vector<std::pair<const char *, qreal>> fonts = {
        {"Label2", 12},         {"Lbl_Correct", 12},  {"Lbl_Total", 12},
        {"Lbl_CorrectT", 9.75}, {"Lbl_TotalT", 9.75}, {"Lbl_Score", 11.25},
        {"Lbl_Level", 12},      {"Label6", 8.25},     {"Lbl_TimeRemain", 18}};
    for (const auto &[name, points] : fonts) {
        auto *l = child<QLabel>(name);
        if (!l)
            continue;
        EXPECT_EQ(l->font().family(), "Arial") << name;
        EXPECT_TRUE(l->font().bold()) << name;
        EXPECT_DOUBLE_EQ(l->font().pointSizeF(), points) << name;
    }
    EXPECT_EQ(m().Lbl_Question->palette().color(QPalette::Window), QColor(Qt::white));
    EXPECT_EQ(m().Lbl_Question->palette().color(QPalette::WindowText), QColor(0, 0, 128));
    EXPECT_EQ(m().Lbl_TimeRemain->palette().color(QPalette::WindowText), QColor(0, 0, 128));
    EXPECT_EQ(child<QLabel>("Label4")->text(), "Total Questions:");
    EXPECT_EQ(m().btn_showcorrect->text(), "Show Correct Answer");
    EXPECT_EQ(m().btn_next->text(), "Next > >");
}

QStringList entries(const QMenu *menu)
{
    QStringList out;
    for (const QAction *a : menu->actions())
        out << (a->isSeparator() ? QStringLiteral("-") : a->text());
    return out;
}

TEST_F(MainWindow, MenusWithAccessKeysAndTheStandardCheckMark)
{
    auto *file = child<QMenu>("Mnu_File");
    auto *help = child<QMenu>("Mnu_Help");
    auto *quizType = child<QMenu>("Menu_Quiztype");
    ASSERT_TRUE(file && help && quizType);
    QStringList bar;
    for (const QAction *a : m().menuBar()->actions())
        bar << a->text();
    EXPECT_EQ(bar, (QStringList{"&File", "&Help"}));
    EXPECT_EQ(entries(file), (QStringList{"&Quiz Type", "-", "High &Scores", "-", "E&xit"}));
    EXPECT_EQ(entries(quizType), (QStringList{"&Standard", "&Timed"}));
    EXPECT_EQ(entries(help), (QStringList{"&About", "&Check for Update"}));

    for (const char *name :
         {"Menu_Standard", "Menu_Timed", "mnuHisgScore", "Mnu_Exit", "Mnu_About", "Mnu_CU"})
        EXPECT_NE(child<QAction>(name), nullptr) << name;
    EXPECT_TRUE(m().Menu_Standard->isChecked());
    EXPECT_FALSE(m().Menu_Timed->isChecked());
    EXPECT_TRUE(m().Mnu_Exit->isEnabled());
}

TEST_F(MainWindow, ChoosingStandardAgainChangesNothing)
{
    const int entry = m().state().CurEntry;
    m().Menu_Standard->trigger();
    EXPECT_TRUE(m().Menu_Standard->isChecked());
    EXPECT_EQ(m().state().CurEntry, entry);
}

struct ExitPath {
    const char *name;
    bool viaCloseBox;
};

class ExitQuestion : public MainWindow, public ::testing::WithParamInterface<ExitPath> {
  protected:
    void request()
    {
        if (GetParam().viaCloseBox)
            m().close();
        else
            m().Mnu_Exit->trigger();
    }
};

TEST_P(ExitQuestion, NoKeepsTheWindowAsItWas)
{
    m().session().answerClicked(m().state().AnsPos[1]); // a wrong answer on screen
    const QString question = m().Lbl_Question->text();
    const QuizState before = m().state();
    m().countdown().start();
    h.fakes.sound.commands.clear();
    h.fakes.boxes.answers = {MessageBoxes::NoPressed};

    request();

    ASSERT_EQ(h.fakes.boxes.shown.size(), 1u);
    const FakeBoxes::Shown &box = h.fakes.boxes.shown[0];
    EXPECT_EQ(box.text, "Are You Sure You Want To Exit?");
    EXPECT_EQ(box.title, "Exit ZEL Quiz?");
    EXPECT_EQ(box.buttons, MessageBoxes::YesNo);
    EXPECT_EQ(box.icon, MessageBoxes::NoIcon);
    EXPECT_FALSE(h.fakes.end.ended);
    EXPECT_TRUE(m().isVisible());
    EXPECT_TRUE(m().countdown().isActive());
    EXPECT_EQ(m().Lbl_Question->text(), question);
    EXPECT_EQ(m().state().NumWrong, before.NumWrong);
    EXPECT_EQ(m().state().CurEntry, before.CurEntry);
    EXPECT_TRUE(h.fakes.sound.commands.isEmpty());
    m().countdown().stop();
}

TEST_P(ExitQuestion, YesReleasesTheSoundAndEnds)
{
    h.fakes.sound.commands.clear();
    request();
    EXPECT_EQ(h.fakes.boxes.shown.size(), 1u);
    EXPECT_TRUE(h.fakes.end.ended);
    EXPECT_EQ(h.fakes.end.code, 0);
    EXPECT_EQ(h.fakes.sound.commands, QStringList{"close"});
}

INSTANTIATE_TEST_SUITE_P(Paths, ExitQuestion,
                         ::testing::Values(ExitPath{"menu", false}, ExitPath{"close_box", true}),
                         [](const auto &info) { return std::string(info.param.name); });

// Any modal window opened through the pause sees the countdown stopped,
// and the countdown goes on afterwards only if it was running.
TEST_F(MainWindow, ModalWindowPausesARunningCountdown)
{
    for (bool running : {true, false}) {
        if (running)
            m().countdown().start();
        else
            m().countdown().stop();
        bool stoppedWhileOpen = false;
        bool opened = false;
        m().showPausingCountdown([&] {
            QDialog dialog(&m());
            QTimer::singleShot(0, &dialog, [&] {
                opened = dialog.isVisible();
                stoppedWhileOpen = !m().countdown().isActive();
                dialog.accept();
            });
            dialog.exec();
        });
        EXPECT_TRUE(opened);
        EXPECT_TRUE(stoppedWhileOpen);
        EXPECT_EQ(m().TimerWasOn, running);
        EXPECT_EQ(m().countdown().isActive(), running);
        EXPECT_EQ(m().countdown().interval(), 1300);
        EXPECT_EQ(m().countdown().timerType(), Qt::PreciseTimer);
    }
    m().countdown().stop();
}

// Bank texts are shown as written: no markup, no access keys.
TEST(MainWindowTexts, BankTextsShowLiterally)
{
    MainHarness h;
    h.dir.write("A.zel", "<b>x</b>\r\nSalt & pepper\r\nT3\r\nT4\r\nT5\r\nT6\r\n");
    h.dir.write("AD.zel", "4|2|1|3|4|5|6|\r\n4|2|1|3|4|5|6|\r\n4|2|1|3|4|5|6|\r\n");
    ASSERT_TRUE(h.start());
    h.show();
    Main &m = *h.main;
    EXPECT_EQ(m.Lbl_Question->textFormat(), Qt::PlainText);
    for (int i = 0; i < 100 && m.state().CurEntry != 1; ++i)
        m.btn_next_Click();
    ASSERT_EQ(m.state().CurEntry, 1);
    EXPECT_EQ(m.Lbl_Question->text(), "What Term means:\n\n<b>x</b>");

    AnswerButton *right = m.Btn_Answer[m.state().AnsPos[0] - 1];
    EXPECT_EQ(right->caption(), "Salt & pepper");
    EXPECT_EQ(right->text(), "Salt && pepper");
}

} // namespace
