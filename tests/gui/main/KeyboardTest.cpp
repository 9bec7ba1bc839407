// The main window without a mouse, and in front of a modal window.
#include "WindowTest.h"
#include "core/quiz/AnswerKeys.h"

#include <QDialog>
#include <QTimer>

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
    EXPECT_EQ(s().NumTotal, 0);

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
        const int total = s().NumTotal;
        const int wrongButton = s().AnsPos[1];
        press(wrongButton);
        EXPECT_FALSE(h.button(wrongButton)->isEnabled());
        press(wrongButton); // a disabled button takes no key
        EXPECT_EQ(s().WrongTries, 1);
        press(s().AnsPos[0]);
        EXPECT_EQ(s().NumTotal, total + 1);
        EXPECT_EQ(s().NumCorrect, 0); // the second try counts nothing
        EXPECT_FALSE(visible("btn_next"));
    }
#if defined(Q_OS_LINUX)
    EXPECT_EQ(AnswerKeys::answerForKey(Qt::Key_ParenLeft, 15), 6); // the row ends at 6
#endif
}

// A modal window opened through the pause sees the countdown stopped, and
// the countdown goes on afterwards only if it was running. It keeps the
// keys, which reach the window through the platform as real ones do.
TEST_F(WindowTest, AModalWindowPausesTheCountdownAndKeepsTheKeys)
{
    const auto rightKey = Qt::Key(Qt::Key_0 + s().AnsPos[0]);
    for (bool running : {true, false}) {
        if (running)
            h.countdown()->start();
        bool stoppedWhileOpen = false;
        m().showPausingCountdown([&] {
            QDialog dialog(&m());
            QTimer::singleShot(0, &dialog, [&] {
                stoppedWhileOpen = dialog.isVisible() && !h.countdown()->isActive();
                QTest::keyClick(m().windowHandle(), rightKey);
                QApplication::processEvents();
                dialog.accept();
            });
            dialog.exec();
        });
        EXPECT_TRUE(stoppedWhileOpen);
        EXPECT_EQ(h.countdown()->isActive(), running);
        h.countdown()->stop();
    }
    EXPECT_EQ(s().NumTotal, 0);
    QTest::keyClick(m().windowHandle(), rightKey);
    EXPECT_EQ(s().NumTotal, 1);
}

} // namespace
