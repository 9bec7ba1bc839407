// The main window without a mouse, and under its modal windows.
#include "WindowTest.h"
#include "core/quiz/AnswerKeys.h"
#include "support/CaseName.h"
#include "support/ModalDriver.h"

#include <QDialog>

namespace {

// Every kind of answer key presses its button like a click. Keys 0 and 7,
// the key codes either side of the digit row's 1 to 6, and an answer key
// held with Ctrl are no answer.
TEST_F(WindowTest, AnswerKeysPressTheirButtonsLikeClicks)
{
    key(Qt::Key_0);
    key(Qt::Key_7);
    key(Qt::Key_Escape, 9);
    key(Qt::Key_Minus, 16);
    key(Qt::Key_1, 0, Qt::ControlModifier);
    EXPECT_EQ(s().answered, 0);

    struct {
        const char *name;
        bool byCode; // by the native key code of the digit row, whatever the key
        Qt::KeyboardModifiers modifiers;
    } const kinds[] = {
        {"digit row", false, Qt::NoModifier},
        {"keypad", false, Qt::KeypadModifier},
#if defined(Q_OS_LINUX)
        // A French layout sends "&" for the key left of "2".
        {"key code", true, Qt::NoModifier}
#endif
    };
    for (const auto &c : kinds) {
        SCOPED_TRACE(c.name);
        auto press = [&](int b) {
            c.byCode ? key(Qt::Key_Ampersand, 9 + b) : key(Qt::Key_0 + b, 0, c.modifiers);
        };
        const int total = s().answered;
        const int wrongButton = s().answerButtons[1];
        press(wrongButton);
        EXPECT_FALSE(h.button(wrongButton)->isEnabled());
        press(wrongButton); // a disabled button takes no key
        EXPECT_EQ(s().wrongTries, 1);
        press(s().answerButtons[0]);
        EXPECT_EQ(s().answered, total + 1);
        EXPECT_EQ(s().correct, 0); // the second try counts nothing
        EXPECT_FALSE(visible("nextButton"));
    }
#if defined(Q_OS_LINUX)
    EXPECT_EQ(AnswerKeys::answerForKey(Qt::Key_ParenLeft, 15), 6); // the row ends at 6
#endif
}

// Return and the keypad's Enter press the focused button of the window,
// as Space does: an answer, Show Correct Answer or Next.
struct ReturnCase {
    const char *name;
    const char *button; // nullptr: the right answer's button
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
};
class ReturnKey : public WindowTest, public ::testing::WithParamInterface<ReturnCase> {};

TEST_P(ReturnKey, PressesTheFocusedButton)
{
    const ReturnCase &c = GetParam();
    click(answerButton(2)); // a miss shows Show Correct Answer and Next
    QPushButton *b = c.button ? h.child<QPushButton>(c.button) : answerButton(1);
    b->setFocus();
    ASSERT_EQ(m().focusWidget(), b);
    int pressed = 0;
    QObject::connect(b, &QPushButton::clicked, [&] { ++pressed; });
    QTest::keyClick(m().windowHandle(), c.key, c.modifiers);
    EXPECT_EQ(pressed, 1);
}

const ReturnCase kReturnCases[] = {
    {"answer_return", nullptr, Qt::Key_Return, Qt::NoModifier},
    {"show_correct_enter", "showCorrectButton", Qt::Key_Enter, Qt::KeypadModifier},
    {"next_return", "nextButton", Qt::Key_Return, Qt::NoModifier}};
INSTANTIATE_TEST_SUITE_P(Keys, ReturnKey, ::testing::ValuesIn(kReturnCases), CaseName());

// Help > About and Help > Check for Update open modally over the window. A
// running countdown stands still while one is open, a stopped one stays
// stopped, and the window takes no answer key meanwhile: the key comes
// through the platform, as a real one does.
TEST_F(WindowTest, HelpWindowsPauseTheCountdownAndKeepTheKeys)
{
    const auto rightKey = Qt::Key(Qt::Key_0 + s().answerButtons[0]);
    bool stoppedWhileOpen = false;
    ModalDriver driver;
    for (const char *window : {"AboutDialog", "UpdateDialog"}) {
        driver.on(window, [&](QWidget *w) {
            stoppedWhileOpen = w->parentWidget() == &m() && !h.countdown()->isActive();
            QTest::keyClick(m().windowHandle(), rightKey);
            QApplication::processEvents();
            static_cast<QDialog *>(w)->reject();
        });
    }
    for (const char *entry : {"aboutAction", "checkForUpdateAction"}) {
        for (bool running : {true, false}) {
            SCOPED_TRACE(std::string(entry) + (running ? ", running" : ", stopped"));
            if (running)
                h.countdown()->start();
            stoppedWhileOpen = false;
            choose(entry);
            EXPECT_TRUE(stoppedWhileOpen);
            EXPECT_EQ(h.countdown()->isActive(), running);
            h.countdown()->stop();
        }
    }
    EXPECT_EQ(driver.answered.size(), 4u);
    EXPECT_EQ(s().answered, 0);
    QTest::keyClick(m().windowHandle(), rightKey);
    EXPECT_EQ(s().answered, 1);
}

} // namespace
