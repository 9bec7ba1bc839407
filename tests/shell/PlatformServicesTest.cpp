// The real platform services, driven without a person.
#include "shell/QtCuePlayer.h"
#include "shell/QtMessageBoxes.h"
#include "support/ModalDriver.h"
#include "support/TempDir.h"

#include <QAbstractButton>
#include <QMessageBox>
#include <QTest>

#include <gtest/gtest.h>

namespace {

struct BoxCase {
    const char *name;
    MessageBoxes::Buttons buttons;
    QMessageBox::StandardButton press; // NoButton: Escape
    int result;
};

class RealMessageBox : public ::testing::TestWithParam<BoxCase> {};

TEST_P(RealMessageBox, ReturnsTheClassicCodes)
{
    const BoxCase &c = GetParam();
    ModalDriver driver;
    QString shownText, shownTitle;
    QMessageBox::Icon shownIcon = QMessageBox::Warning;
    Qt::TextFormat format = Qt::RichText;
    int buttonCount = 0;
    driver.on("", [&](QWidget *w) {
        auto *box = qobject_cast<QMessageBox *>(w);
        ASSERT_NE(box, nullptr);
        shownText = box->text();
        shownTitle = box->windowTitle();
        shownIcon = box->icon();
        format = box->textFormat();
        buttonCount = int(box->buttons().size());
        if (c.press == QMessageBox::NoButton)
            QTest::keyClick(box, Qt::Key_Escape);
        else
            box->button(c.press)->click();
    });
    QtMessageBoxes boxes;
    const int result = boxes.show(
        nullptr, "Line one\rLine <b>two</b>", c.buttons == MessageBoxes::Ok ? "" : "Ask", c.buttons,
        c.buttons == MessageBoxes::Ok ? MessageBoxes::Information : MessageBoxes::NoIcon);
    EXPECT_FALSE(driver.timedOut);
    EXPECT_EQ(result, c.result);
    EXPECT_EQ(shownText, "Line one\nLine <b>two</b>");
    EXPECT_EQ(format, Qt::PlainText);
    EXPECT_EQ(buttonCount, c.buttons == MessageBoxes::Ok ? 1 : 2);
    if (c.buttons == MessageBoxes::Ok) {
        EXPECT_EQ(shownTitle, "ZEL Quiz");
        EXPECT_EQ(shownIcon, QMessageBox::Information);
    } else {
        EXPECT_EQ(shownTitle, "Ask");
        EXPECT_EQ(shownIcon, QMessageBox::NoIcon);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Buttons, RealMessageBox,
    ::testing::Values(BoxCase{"ok", MessageBoxes::Ok, QMessageBox::Ok, 1},
                      BoxCase{"ok_escape", MessageBoxes::Ok, QMessageBox::NoButton, 1},
                      BoxCase{"yes", MessageBoxes::YesNo, QMessageBox::Yes, 6},
                      BoxCase{"no", MessageBoxes::YesNo, QMessageBox::No, 7},
                      BoxCase{"escape_is_no", MessageBoxes::YesNo, QMessageBox::NoButton, 7}),
    [](const auto &info) { return std::string(info.param.name); });

// Without a sound card (as on build machines) and with files that are
// missing or not sound at all, cues stay silent and nothing fails.
TEST(QtCuePlayer, CarriesOnWithoutDeviceOrFile)
{
    TempDir dir;
    dir.write("noise.wav", "not a wave file");
    QtCuePlayer player;
    player.close(); // before anything was opened
    for (const QString &file : {dir.file("missing.wav"), dir.file("noise.wav"),
                                QString::fromUtf8(qgetenv("ZELQUIZ_DATA_DIR")) + "/bad.wav"}) {
        player.play(file);
        QTest::qWait(20);
    }
    player.play(dir.file("noise.wav"));
    player.close();
    player.close();
    SUCCEED();
}

} // namespace
