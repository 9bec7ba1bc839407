// The main window as a whole: its fixed texts and menus, the exit
// question and the countdown pause around a modal window.
#include "WindowTest.h"

#include <QDialog>
#include <QMenu>
#include <QMenuBar>
#include <QTimer>

namespace {

using MainWindow = WindowTest;

QStringList entries(const QList<QAction *> &actions)
{
    QStringList out;
    for (const QAction *a : actions)
        out << (a->isSeparator() ? QStringLiteral("-") : a->text());
    return out;
}

TEST_F(MainWindow, TextsColoursAndMenusWithAccessKeys)
{
    EXPECT_EQ(m().windowTitle(), "ZEL Quiz");
    EXPECT_EQ(h.child<QLabel>("Lbl_Question")->palette().color(QPalette::Window),
              QColor(Qt::white));
    EXPECT_EQ(textColour(h.child<QLabel>("Lbl_Question")), QColor(0, 0, 128));
    EXPECT_EQ(textColour(h.child<QLabel>("Lbl_TimeRemain")), QColor(0, 0, 128));
    EXPECT_EQ(m().findChild<QLabel *>("Label4")->text(), "Total Questions:");
    EXPECT_EQ(h.child<QPushButton>("btn_showcorrect")->text(), "Show Correct Answer");
    EXPECT_EQ(h.child<QPushButton>("btn_next")->text(), "Next > >");

    EXPECT_EQ(entries(m().menuBar()->actions()), (QStringList{"&File", "&Help"}));
    EXPECT_EQ(entries(m().findChild<QMenu *>("Mnu_File")->actions()),
              (QStringList{"&Quiz Type", "-", "High &Scores", "-", "E&xit"}));
    EXPECT_EQ(entries(m().findChild<QMenu *>("Menu_Quiztype")->actions()),
              (QStringList{"&Standard", "&Timed"}));
    EXPECT_EQ(entries(m().findChild<QMenu *>("Mnu_Help")->actions()),
              (QStringList{"&About", "&Check for Update"}));
    EXPECT_TRUE(h.child<QAction>("Menu_Standard")->isChecked());
    EXPECT_FALSE(h.child<QAction>("Menu_Timed")->isChecked());

    // Choosing Standard again keeps its mark and the question on screen.
    const int entry = m().state().CurEntry;
    h.child<QAction>("Menu_Standard")->trigger();
    EXPECT_TRUE(h.child<QAction>("Menu_Standard")->isChecked());
    EXPECT_EQ(m().state().CurEntry, entry);
}

class ExitQuestion : public MainWindow, public ::testing::WithParamInterface<bool> {};

// By the menu or the close box: No keeps the window and everything in it
// as it was; Yes then releases the sound and ends.
TEST_P(ExitQuestion, NoKeepsTheWindowAsItWasAndYesEnds)
{
    auto request = [this] {
        h.fakes.sound.commands.clear();
        if (GetParam())
            m().close();
        else
            h.child<QAction>("Mnu_Exit")->trigger();
    };
    click(answerButton(2)); // a wrong answer on screen
    const QString question = h.child<QLabel>("Lbl_Question")->text();
    const QuizState before = m().state();
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
    EXPECT_EQ(h.child<QLabel>("Lbl_Question")->text(), question);
    EXPECT_EQ(m().state().NumWrong, before.NumWrong);
    EXPECT_EQ(m().state().CurEntry, before.CurEntry);
    EXPECT_TRUE(h.fakes.sound.commands.isEmpty());

    request();
    EXPECT_EQ(h.fakes.boxes.shown.size(), 2u);
    EXPECT_TRUE(h.fakes.end.ended);
    EXPECT_EQ(h.fakes.end.code, 0);
    EXPECT_EQ(h.fakes.sound.commands, QStringList{"close"});
}

INSTANTIATE_TEST_SUITE_P(Paths, ExitQuestion, ::testing::Values(false, true),
                         [](const auto &info) { return info.param ? "close_box" : "menu"; });

// Any modal window opened through the pause sees the countdown stopped,
// and the countdown goes on afterwards only if it was running.
TEST_F(MainWindow, ModalWindowPausesARunningCountdown)
{
    for (bool running : {true, false}) {
        if (running)
            h.countdown()->start();
        bool stoppedWhileOpen = false;
        m().showPausingCountdown([&] {
            QDialog dialog(&m());
            QTimer::singleShot(0, &dialog, [&] {
                stoppedWhileOpen = dialog.isVisible() && !h.countdown()->isActive();
                dialog.accept();
            });
            dialog.exec();
        });
        EXPECT_TRUE(stoppedWhileOpen);
        EXPECT_EQ(h.countdown()->isActive(), running);
        h.countdown()->stop();
    }
}

// Bank texts are shown as written: no markup, no access keys.
TEST(MainWindowTexts, BankTextsShowLiterally)
{
    MainHarness h;
    h.dir.write("A.zel", "<b>x</b>\r\nSalt & pepper\r\nT3\r\nT4\r\nT5\r\nT6\r\n");
    h.dir.write("AD.zel", "4|2|1|3|4|5|6|\r\n4|2|1|3|4|5|6|\r\n4|2|1|3|4|5|6|\r\n");
    ASSERT_TRUE(h.start());
    Main &m = *h.main;
    for (int i = 0; i < 100 && m.state().CurEntry != 1; ++i)
        m.btn_next_Click();
    ASSERT_EQ(m.state().CurEntry, 1);
    EXPECT_EQ(h.child<QLabel>("Lbl_Question")->textFormat(), Qt::PlainText);
    EXPECT_EQ(h.child<QLabel>("Lbl_Question")->text(), "What Term means:\n\n<b>x</b>");

    AnswerButton *right = h.button(m.state().AnsPos[0]);
    EXPECT_EQ(right->caption(), "Salt & pepper");
    EXPECT_EQ(right->text(), "Salt && pepper");
}

} // namespace
