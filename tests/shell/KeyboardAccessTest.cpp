// The main window without a mouse: answer keys, and what a screen reader
// is told.
#include "shell/AnswerButton.h"
#include "shell/AnswerKeys.h"
#include "support/MainHarness.h"

#include <QAction>
#include <QDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

class Keyboard : public ::testing::Test {
  protected:
    void SetUp() override
    {
        h.writeBank(10);
        ASSERT_TRUE(h.start());
        h.show();
        h.main->setHighScoreWindow([] {});
    }
    Main &m() { return *h.main; }
    int buttonOfAnswer(int k) { return m().state().AnsPos[std::size_t(k - 1)]; }

    MainHarness h;
};

struct KeyCase {
    const char *name;
    Qt::KeyboardModifiers modifiers;
};

class AnswerKey : public Keyboard, public ::testing::WithParamInterface<KeyCase> {};

TEST_P(AnswerKey, PressesItsButtonLikeAClick)
{
    const int wrongButton = buttonOfAnswer(2);
    QTest::keyClick(&m(), Qt::Key(Qt::Key_0 + wrongButton), GetParam().modifiers);
    EXPECT_EQ(m().state().NumWrong, 1);
    EXPECT_FALSE(m().Btn_Answer[std::size_t(wrongButton - 1)]->isEnabled());

    // The disabled button takes no key.
    QTest::keyClick(&m(), Qt::Key(Qt::Key_0 + wrongButton), GetParam().modifiers);
    EXPECT_EQ(m().state().WrongTries, 1);

    QTest::keyClick(&m(), Qt::Key(Qt::Key_0 + buttonOfAnswer(1)), GetParam().modifiers);
    EXPECT_EQ(m().state().NumTotal, 1);
    EXPECT_EQ(m().state().NumCorrect, 0); // the second try counts nothing
    EXPECT_FALSE(m().btn_next->isVisible());
}

INSTANTIATE_TEST_SUITE_P(Keys, AnswerKey,
                         ::testing::Values(KeyCase{"digit_row", Qt::NoModifier},
                                           KeyCase{"keypad", Qt::KeypadModifier}),
                         [](const auto &info) { return std::string(info.param.name); });

TEST_F(Keyboard, KeysWorkInTheTimedQuizOnlyWhileAGameRuns)
{
    m().Menu_Timed->trigger();
    QTest::keyClick(&m(), Qt::Key_1);
    EXPECT_EQ(m().state().NumTotal, 12);
    m().Btn_StartStop->click();
    QTest::keyClick(&m(), Qt::Key(Qt::Key_0 + buttonOfAnswer(1)));
    EXPECT_EQ(m().state().NumScore, 2);
    EXPECT_EQ(m().state().NumTotal, 11);
    m().countdown().stop();
}

TEST_F(Keyboard, ModifiersAndOtherKeysAreLeftAlone)
{
    const int entry = m().state().CurEntry;
    for (Qt::Key key : {Qt::Key_0, Qt::Key_7, Qt::Key_A})
        QTest::keyClick(&m(), key);
    QTest::keyClick(&m(), Qt::Key(Qt::Key_0 + buttonOfAnswer(1)), Qt::ControlModifier);
    EXPECT_EQ(m().state().CurEntry, entry);
    EXPECT_EQ(m().state().NumTotal, 0);
}

// The key reaches the window through the platform, as a real one does, so
// the modal window in front of it keeps it.
TEST_F(Keyboard, NoAnswerWhileAModalWindowIsOpen)
{
    const int right = buttonOfAnswer(1);
    QDialog dialog(&m());
    QTimer::singleShot(0, &dialog, [&] {
        QTest::keyClick(m().windowHandle(), Qt::Key(Qt::Key_0 + right));
        QApplication::processEvents();
        dialog.accept();
    });
    dialog.exec();
    EXPECT_EQ(m().state().NumTotal, 0);
    QTest::keyClick(m().windowHandle(), Qt::Key(Qt::Key_0 + right));
    EXPECT_EQ(m().state().NumTotal, 1);
}

TEST(AnswerKeys, DigitsKeypadAndThePhysicalDigitRow)
{
    for (int k = 1; k <= 6; ++k)
        EXPECT_EQ(AnswerKeys::answerForKey(Qt::Key_0 + k, 0), k);
    EXPECT_EQ(AnswerKeys::answerForKey(Qt::Key_0, 0), 0);
    EXPECT_EQ(AnswerKeys::answerForKey(Qt::Key_7, 0), 0);
    EXPECT_EQ(AnswerKeys::answerForKey(Qt::Key_Ampersand, 0), 0);
#if defined(Q_OS_LINUX)
    // A French layout: the key left of "2" gives "&" unshifted.
    EXPECT_EQ(AnswerKeys::answerForKey(Qt::Key_Ampersand, 10), 1);
    EXPECT_EQ(AnswerKeys::answerForKey(Qt::Key_Eacute, 11), 2);
    EXPECT_EQ(AnswerKeys::answerForKey(Qt::Key_ParenLeft, 15), 6);
    EXPECT_EQ(AnswerKeys::answerForKey(Qt::Key_Minus, 16), 0);
    EXPECT_EQ(AnswerKeys::answerForKey(Qt::Key_Escape, 9), 0);
#endif
}

#if defined(Q_OS_LINUX)
TEST_F(Keyboard, ShiftedLayoutsAnswerByThePhysicalKey)
{
    const int right = buttonOfAnswer(1);
    // What an AZERTY keyboard sends for the unshifted digit-row keys.
    const std::array<Qt::Key, 6> keys = {Qt::Key_Ampersand,  Qt::Key_Eacute,    Qt::Key_QuoteDbl,
                                         Qt::Key_Apostrophe, Qt::Key_ParenLeft, Qt::Key_Minus};
    QKeyEvent press(QEvent::KeyPress, keys[std::size_t(right - 1)], Qt::NoModifier,
                    quint32(9 + right), 0, 0);
    QApplication::sendEvent(&m(), &press);
    EXPECT_EQ(m().state().NumCorrect, 1);
}
#endif

TEST_F(Keyboard, ButtonsNameTheirKeyAndTheirAnswer)
{
    for (int k = 1; k <= 6; ++k) {
        AnswerButton *b = m().Btn_Answer[std::size_t(k - 1)];
        EXPECT_EQ(b->toolTip(), QStringLiteral("Key %1").arg(k));
        EXPECT_EQ(b->accessibleName(), QStringLiteral("Answer %1: ").arg(k) + b->caption());
    }
}

// The offscreen platform has no accessibility bridge; the names are read
// back from the widgets and the alerts counted from the window's signal.
class ScreenReader : public Keyboard {
  protected:
    void SetUp() override
    {
        Keyboard::SetUp();
        QObject::connect(h.main.get(), &Main::alerted, [this](QWidget *w) { alerts.push_back(w); });
    }
    int count(QWidget *w) { return int(std::count(alerts.begin(), alerts.end(), w)); }
    std::vector<QWidget *> alerts;
};

TEST_F(ScreenReader, HearsTheQuestionTheWarningAndTheCounters)
{
    EXPECT_EQ(m().Lbl_Question->accessibleName(),
              QStringLiteral("What Term means: T%1").arg(m().state().CurEntry));
    EXPECT_EQ(m().Lbl_Correct->accessibleName(), "Correct: 0");

    m().Btn_Answer[std::size_t(buttonOfAnswer(2) - 1)]->click();
    EXPECT_TRUE(m().Lbl_Question->accessibleName().startsWith(
        "Incorrect!! Try Once More Without Affecting Score?"));
    EXPECT_EQ(count(m().Lbl_Question), 1);

    m().btn_next->click();
    EXPECT_EQ(m().Lbl_Wrong->accessibleName(), "Wrong: 1");
    EXPECT_EQ(m().Lbl_Total->accessibleName(), "Total Questions: 1");
    EXPECT_EQ(count(m().Lbl_Question), 1); // a new question is no warning
}

TEST_F(ScreenReader, HearsTheLastSecondsOnce)
{
    m().Menu_Timed->trigger();
    m().Btn_StartStop->click();
    for (int i = 0; i < 54; ++i)
        m().Timer_Timer();
    EXPECT_EQ(m().Lbl_TimeRemain->accessibleName(), "Time remaining: 6");
    EXPECT_EQ(count(m().Lbl_TimeRemain), 0);
    m().Timer_Timer();
    EXPECT_EQ(m().Lbl_TimeRemain->accessibleName(), "Time remaining: 5");
    EXPECT_EQ(count(m().Lbl_TimeRemain), 1);
    m().Timer_Timer();
    EXPECT_EQ(count(m().Lbl_TimeRemain), 1);
    EXPECT_EQ(m().Lbl_Score->accessibleName(), "SCORE: 0");
    m().countdown().stop();
}

} // namespace
