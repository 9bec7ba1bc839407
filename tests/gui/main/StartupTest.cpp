#include "gui/widgets/AnswerButton.h"
#include "support/MainHarness.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

#include <gtest/gtest.h>

#include <functional>

namespace {

struct BrokenStart {
    const char *name;
    std::function<void(MainHarness &)> prepare;
    const char *text;
    const char *title;
};

class StartupFailure : public ::testing::TestWithParam<BrokenStart> {};

// Every failure of the start-up ends the program with one information box,
// before the window is ever shown, and releases the sound device.
TEST_P(StartupFailure, ReportsAndEndsBeforeTheWindowShows)
{
    MainHarness h;
    h.writeBank(10);
    GetParam().prepare(h);

    EXPECT_FALSE(h.start());

    ASSERT_EQ(h.fakes.boxes.shown.size(), 1u);
    const FakeBoxes::Shown &box = h.fakes.boxes.shown[0];
    EXPECT_EQ(box.text, QString::fromUtf8(GetParam().text));
    EXPECT_EQ(box.title, QString::fromUtf8(GetParam().title));
    EXPECT_EQ(box.buttons, MessageBoxes::Ok);
    EXPECT_EQ(box.icon, MessageBoxes::Information);
    EXPECT_TRUE(h.fakes.end.ended);
    EXPECT_EQ(h.fakes.end.code, 1);
    EXPECT_EQ(h.splash(), nullptr);
    EXPECT_FALSE(h.main->isVisible());
    EXPECT_EQ(h.fakes.sound.commands, QStringList{"close"});
}

// One case for each way the start-up reports: a fixed text, the loader's
// own description, and a bank too small to draw from. Which bank fault
// raises which number belongs to the loader's tests.
INSTANTIATE_TEST_SUITE_P(
    Banks, StartupFailure,
    ::testing::Values(
        BrokenStart{"missing_texts", [](MainHarness &h) { QFile::remove(h.dir.file("A.zel")); },
                    "Error Loading From File.", "Program Error!"},
        BrokenStart{
            "line_601",
            [](MainHarness &h) { h.dir.write("A.zel", QByteArray("text\r\n").repeated(601)); },
            "Subscript out of Range.", "Program Error!"},
        BrokenStart{"text_number_601",
                    [](MainHarness &h) {
                        h.dir.write("AD.zel", h.dir.read("AD.zel") + "4|601|1|2|3|4|5|\r\n");
                    },
                    "Subscript out of Range.", "Program Error!"},
        BrokenStart{
            "too_few_fields",
            [](MainHarness &h) { h.dir.write("AD.zel", h.dir.read("AD.zel") + "5|12|\r\n"); },
            "Overflow.", "Program Error!"},
        // The start-up picture is part of the program.
        BrokenStart{"no_picture", [](MainHarness &h) { h.withSplash = true; },
                    "Error Loading From File.", "Program Error!"},
        BrokenStart{"picture_unreadable",
                    [](MainHarness &h) {
                        h.withSplash = true;
                        h.dir.write("zel2.jpg", "not a JPEG at all");
                    },
                    "Error occured!\r\n#481: Invalid picture", "Program Error!!"},
        BrokenStart{"category_x",
                    [](MainHarness &h) {
                        h.dir.write("AD.zel", "x|1|2|3|4|5|6|\r\n" + h.dir.read("AD.zel"));
                    },
                    "Error occured!\r\n#13: Type mismatch", "Program Error!!"},
        // A bank that cannot give two different questions in a row would
        // leave the draw spinning for ever; it is refused instead.
        BrokenStart{"one_askable_entry",
                    [](MainHarness &h) {
                        h.dir.write("AD.zel", "4|1|2|3|4|5|6|\r\n" +
                                                  QByteArray("9|0|0|0|0|0|0|\r\n").repeated(9));
                    },
                    "The question bank has fewer than two questions that can be asked.\r"
                    "Check the files A.zel and AD.zel beside the program.",
                    "Program Error!"}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(Startup, OpensOnAStandardQuestionAndClosingReleasesTheSound)
{
    MainHarness h;
    h.useSampleData();
    ASSERT_TRUE(h.start());

    EXPECT_TRUE(h.fakes.boxes.shown.empty());
    EXPECT_FALSE(h.fakes.end.ended);
    // The first cue opens the device fresh: nothing to close before it.
    EXPECT_EQ(h.fakes.sound.commands, QStringList{"play " + h.dir.file("startup.wav")});
    EXPECT_FALSE(h.child<QLabel>("Lbl_Question")->text().isEmpty());

    h.show();
    EXPECT_TRUE(h.child("Frame_Standard")->isVisible());
    EXPECT_FALSE(h.child("Frame_Timed")->isVisible());
    for (const char *counter : {"Lbl_Correct", "Lbl_Wrong", "Lbl_Total"})
        EXPECT_EQ(h.child<QLabel>(counter)->text(), "0");
    for (const char *hidden : {"Btn_StartStop", "btn_next", "btn_showcorrect"})
        EXPECT_FALSE(h.child(hidden)->isVisible()) << hidden;
    EXPECT_FALSE(h.countdown()->isActive());
    for (AnswerButton *b : h.buttons())
        EXPECT_TRUE(b->isEnabled());

    h.fakes.sound.commands.clear();
    h.main.reset();
    EXPECT_EQ(h.fakes.sound.commands, QStringList{"close"});
}

} // namespace
