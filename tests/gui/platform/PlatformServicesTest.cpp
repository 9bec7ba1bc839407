// The real platform services, driven without a person.
#include "gui/platform/QtMessageBoxes.h"
#include "support/ModalDriver.h"

#include <QAbstractButton>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

namespace {

struct BoxCase {
    const char *name;
    MessageBoxes::Buttons buttons;
    QMessageBox::StandardButton press; // NoButton: Escape
    MessageBoxes::Answer answer;
};

class RealMessageBox : public ::testing::TestWithParam<BoxCase> {};

// A notice goes under the program's name with the information icon; a
// question keeps its title and shows no icon.
TEST_P(RealMessageBox, AnswersWithTheButtonPressed)
{
    const BoxCase &c = GetParam();
    const bool notice = c.buttons == MessageBoxes::Buttons::Ok;
    ModalDriver driver;
    driver.on("", [&](QWidget *w) {
        auto *box = qobject_cast<QMessageBox *>(w);
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(box->text(), "Line one\nLine <b>two</b>");
        EXPECT_EQ(box->textFormat(), Qt::PlainText);
        EXPECT_EQ(box->buttons().size(), notice ? 1 : 2);
        EXPECT_EQ(box->windowTitle(), notice ? "ZEL Quiz" : "Ask");
        EXPECT_EQ(box->icon(), notice ? QMessageBox::Information : QMessageBox::NoIcon);
        if (!notice)
            EXPECT_EQ(static_cast<QAbstractButton *>(box->defaultButton()),
                      box->button(c.buttons == MessageBoxes::Buttons::YesNo ? QMessageBox::Yes
                                                                            : QMessageBox::No));
        if (c.press == QMessageBox::NoButton)
            QTest::keyClick(box, Qt::Key_Escape);
        else
            box->button(c.press)->click();
    });
    QtMessageBoxes boxes;
    const MessageBoxes::Answer answer =
        boxes.show(nullptr, "Line one\rLine <b>two</b>", notice ? "" : "Ask", c.buttons,
                   notice ? MessageBoxes::Icon::Information : MessageBoxes::Icon::NoIcon);
    EXPECT_FALSE(driver.timedOut);
    EXPECT_EQ(answer, c.answer);
}

using A = MessageBoxes::Answer;
INSTANTIATE_TEST_SUITE_P(
    Buttons, RealMessageBox,
    ::testing::Values(
        BoxCase{"ok", MessageBoxes::Buttons::Ok, QMessageBox::Ok, A::Ok},
        BoxCase{"ok_escape", MessageBoxes::Buttons::Ok, QMessageBox::NoButton, A::Ok},
        BoxCase{"yes", MessageBoxes::Buttons::YesNo, QMessageBox::Yes, A::Yes},
        BoxCase{"no", MessageBoxes::Buttons::YesNo, QMessageBox::No, A::No},
        BoxCase{"escape_is_no", MessageBoxes::Buttons::YesNo, QMessageBox::NoButton, A::No},
        BoxCase{"safe_yes", MessageBoxes::Buttons::YesNoSafe, QMessageBox::Yes, A::Yes}),
    [](const auto &info) { return std::string(info.param.name); });

} // namespace
