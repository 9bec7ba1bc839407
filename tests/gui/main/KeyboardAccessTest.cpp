// The main window without a mouse: answer keys, and what a screen reader
// is told.
#include "WindowTest.h"
#include "core/quiz/AnswerKeys.h"

#include <QDialog>
#include <QKeyEvent>
#include <QTimer>

#include <functional>

namespace {

class Keyboard : public WindowTest {
  protected:
    int buttonOfAnswer(int k) { return m().state().AnsPos[std::size_t(k - 1)]; }
};

struct KeyCase {
    const char *name;
    std::function<void(Main &, int button)> press;
};

class AnswerKey : public Keyboard, public ::testing::WithParamInterface<KeyCase> {};

TEST_P(AnswerKey, PressesItsButtonLikeAClick)
{
    // Keys 0 and 7, and an answer key held with Ctrl, are no answer.
    for (Qt::Key key : {Qt::Key_0, Qt::Key_7})
        QTest::keyClick(&m(), key);
    QTest::keyClick(&m(), Qt::Key(Qt::Key_0 + buttonOfAnswer(1)), Qt::ControlModifier);
    EXPECT_EQ(m().state().NumTotal, 0);

    const int wrongButton = buttonOfAnswer(2);
    GetParam().press(m(), wrongButton);
    EXPECT_EQ(m().state().NumWrong, 1);
    EXPECT_FALSE(h.button(wrongButton)->isEnabled());

    // The disabled button takes no key.
    GetParam().press(m(), wrongButton);
    EXPECT_EQ(m().state().WrongTries, 1);

    GetParam().press(m(), buttonOfAnswer(1));
    EXPECT_EQ(m().state().NumTotal, 1);
    EXPECT_EQ(m().state().NumCorrect, 0); // the second try counts nothing
    EXPECT_FALSE(h.child<QPushButton>("btn_next")->isVisible());
}

const std::vector<KeyCase> kKeys = {
    {"digit_row", [](Main &m, int b) { QTest::keyClick(&m, Qt::Key(Qt::Key_0 + b)); }},
    {"keypad",
     [](Main &m, int b) { QTest::keyClick(&m, Qt::Key(Qt::Key_0 + b), Qt::KeypadModifier); }},
#if defined(Q_OS_LINUX)
    // A French layout sends "&" for the key left of "2": the window goes by
    // the key code of the digit row instead.
    {"physical_key",
     [](Main &m, int b) {
         QKeyEvent press(QEvent::KeyPress, Qt::Key_Ampersand, Qt::NoModifier, quint32(9 + b), 0, 0);
         QApplication::sendEvent(&m, &press);
     }},
#endif
};

INSTANTIATE_TEST_SUITE_P(Keys, AnswerKey, ::testing::ValuesIn(kKeys),
                         [](const auto &info) { return std::string(info.param.name); });

TEST(AnswerKeys, DigitsAndOnlyTheSixKeyCodesOfTheDigitRow)
{
    for (int k = 1; k <= 6; ++k)
        EXPECT_EQ(AnswerKeys::answerForKey(Qt::Key_0 + k, 0), k);
    EXPECT_EQ(AnswerKeys::answerForKey(Qt::Key_Ampersand, 0), 0);
#if defined(Q_OS_LINUX)
    EXPECT_EQ(AnswerKeys::answerForKey(Qt::Key_ParenLeft, 15), 6);
    EXPECT_EQ(AnswerKeys::answerForKey(Qt::Key_Minus, 16), 0);
    EXPECT_EQ(AnswerKeys::answerForKey(Qt::Key_Escape, 9), 0);
#endif
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

TEST_F(ScreenReader, HearsTheButtonsTheQuestionTheWarningAndTheCounters)
{
    for (int k = 1; k <= 6; ++k) {
        AnswerButton *b = h.button(k);
        EXPECT_EQ(b->toolTip(), QStringLiteral("Key %1").arg(k));
        EXPECT_EQ(b->accessibleName(), QStringLiteral("Answer %1: ").arg(k) + b->caption());
    }
    EXPECT_EQ(h.child<QLabel>("Lbl_Question")->accessibleName(),
              QStringLiteral("What Term means: T%1").arg(m().state().CurEntry));
    EXPECT_EQ(h.child<QLabel>("Lbl_Correct")->accessibleName(), "Correct: 0");

    click(answerButton(2));
    EXPECT_TRUE(h.child<QLabel>("Lbl_Question")
                    ->accessibleName()
                    .startsWith("Incorrect!! Try Once More Without Affecting Score?"));
    EXPECT_EQ(count(h.child<QLabel>("Lbl_Question")), 1);

    click(h.child<QPushButton>("btn_next"));
    EXPECT_EQ(h.child<QLabel>("Lbl_Wrong")->accessibleName(), "Wrong: 1");
    EXPECT_EQ(h.child<QLabel>("Lbl_Total")->accessibleName(), "Total Questions: 1");
    EXPECT_EQ(count(h.child<QLabel>("Lbl_Question")), 1); // a new question is no warning
}

// Keys answer only while a game runs; the last seconds are announced
// once, when the display turns dark red.
TEST_F(ScreenReader, TimedQuizByKeyAndTheLastSecondsHeardOnce)
{
    h.child<QAction>("Menu_Timed")->trigger();
    QTest::keyClick(&m(), Qt::Key_1);
    EXPECT_EQ(m().state().NumTotal, 12);
    click(h.child<QPushButton>("Btn_StartStop"));
    QTest::keyClick(&m(), Qt::Key(Qt::Key_0 + buttonOfAnswer(1)));
    EXPECT_EQ(m().state().NumScore, 2);
    EXPECT_EQ(m().state().NumTotal, 11);

    for (int i = 0; i < 54; ++i)
        m().Timer_Timer();
    EXPECT_EQ(h.child<QLabel>("Lbl_TimeRemain")->accessibleName(), "Time remaining: 6");
    EXPECT_EQ(textColour(h.child<QLabel>("Lbl_TimeRemain")), QColor(0, 0, 128));
    EXPECT_EQ(count(h.child<QLabel>("Lbl_TimeRemain")), 0);
    m().Timer_Timer();
    EXPECT_EQ(h.child<QLabel>("Lbl_TimeRemain")->accessibleName(), "Time remaining: 5");
    EXPECT_EQ(textColour(h.child<QLabel>("Lbl_TimeRemain")), QColor(192, 0, 0));
    EXPECT_EQ(count(h.child<QLabel>("Lbl_TimeRemain")), 1);
    m().Timer_Timer();
    EXPECT_EQ(count(h.child<QLabel>("Lbl_TimeRemain")), 1);
    EXPECT_EQ(h.child<QLabel>("Lbl_Score")->accessibleName(), "SCORE: 2");
    h.countdown()->stop();
}

} // namespace
