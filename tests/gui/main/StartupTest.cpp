// The window's life: a start-up that fails, the screen it opens on, the
// exit question.
#include "WindowTest.h"

#include <QCryptographicHash>
#include <QDir>
#include <QMenu>
#include <QMenuBar>

namespace {

struct BrokenStart {
    const char *name;
    const char *file; // written with `bytes`, or removed if there are none
    QByteArray bytes;
    const char *text;
    const char *title = "Program Error!";
};

class StartupFailure : public ::testing::TestWithParam<BrokenStart> {};

// Every failure of the start-up ends the program with one information box,
// before the window is ever shown, and releases the sound device.
TEST_P(StartupFailure, ReportsAndEndsBeforeTheWindowShows)
{
    const BrokenStart &c = GetParam();
    MainHarness h;
    h.writeBank(10);
    // The picture cases show the start-up picture: it is part of the program.
    h.withSplash = QLatin1String(c.file) == "zel2.jpg";
    if (c.bytes.isNull())
        QFile::remove(h.dir.file(c.file));
    else
        h.dir.write(c.file, c.bytes);

    EXPECT_FALSE(h.start());

    EXPECT_EQ(h.fakes.boxes.shown, (Boxes{{c.text, c.title, MessageBoxes::Buttons::Ok,
                                           MessageBoxes::Icon::Information}}));
    EXPECT_EQ(h.fakes.end.code, 1);
    EXPECT_EQ(h.splash(), nullptr);
    EXPECT_FALSE(h.main->isVisible());
    EXPECT_EQ(h.fakes.sound.commands, QStringList{"close"});
}

// One case for each way the start-up reports: a fixed text, the loader's
// own description, and a bank too small to draw from. Which bank fault
// raises which number belongs to the loader's tests.
const std::vector<BrokenStart> kBrokenStarts = {
    {"missing_texts", "A.zel", {}, "Error Loading From File."},
    {"line_601", "A.zel", QByteArray("text\r\n").repeated(601), "Subscript out of Range."},
    {"text_number_601", "AD.zel", "4|601|1|2|3|4|5|\r\n", "Subscript out of Range."},
    {"too_few_fields", "AD.zel", "5|12|\r\n", "Overflow."},
    {"category_x", "AD.zel", "x|1|2|3|4|5|6|\r\n", "Error occured!\r\n#13: Type mismatch",
     "Program Error!!"},
    {"no_picture", "zel2.jpg", {}, "Error Loading From File."},
    {"picture_unreadable", "zel2.jpg", "not a JPEG at all",
     "Error occured!\r\n#481: Invalid picture", "Program Error!!"},
    // A bank that cannot give two different questions in a row would leave
    // the draw spinning for ever; it is refused instead.
    {"one_askable_entry", "AD.zel",
     "4|1|2|3|4|5|6|\r\n" + QByteArray("9|0|0|0|0|0|0|\r\n").repeated(9),
     "The question bank has fewer than two questions that can be asked.\r"
     "Check the files A.zel and AD.zel beside the program."}};

INSTANTIATE_TEST_SUITE_P(Banks, StartupFailure, ::testing::ValuesIn(kBrokenStarts),
                         [](const auto &info) { return std::string(info.param.name); });

// A bank download the program did not live to finish, which cannot be
// completed now (a folder stands where its file goes): the program says so
// and does not start on the files as they happen to be.
TEST(StartupAfterADownload, AReplacementThatCannotBeCompletedStopsTheStart)
{
    MainHarness h;
    h.writeBank(10);
    const QByteArray version = "9.9\r\n";
    h.dir.write("DV.ZEL.new", version);
    h.dir.write("bank-update.journal",
                "zelquiz bank update 1\n" +
                    QCryptographicHash::hash(version, QCryptographicHash::Sha256).toHex() +
                    " DV.ZEL\n");
    ASSERT_TRUE(QDir(h.dir.path()).mkdir("DV.ZEL"));

#ifdef Q_OS_WIN
    // Windows refuses to replace a folder by a file as access denied, in
    // the system's own words.
    const QString reason = qt_error_string(5);
#else
    const QString reason = QStringLiteral("Is a directory");
#endif
    EXPECT_FALSE(h.start());
    EXPECT_EQ(
        h.fakes.boxes.shown,
        (Boxes{{"Error occured!\r\n#75: " + h.dir.file("bank-update.journal") +
                    ": an interrupted update of the question bank could not be completed "
                    "(DV.ZEL: " +
                    reason + ")",
                "Program Error!!", MessageBoxes::Buttons::Ok, MessageBoxes::Icon::Information}}));
    EXPECT_EQ(h.fakes.end.code, 1);
    EXPECT_EQ(h.dir.read("DV.ZEL.new"), version);
}

using Startup = WindowTest;

// The menus as one line: "entry(its submenu)", "-" for a separator.
QString menuTree(const QWidget *menu)
{
    QStringList out;
    for (const QAction *a : menu->actions())
        out << (a->isSeparator() ? QStringLiteral("-")
                : a->menu()      ? a->text() + '(' + menuTree(a->menu()) + ')'
                                 : a->text());
    return out.join(' ');
}

TEST_F(Startup, OpensOnAStandardQuestionAndClosingReleasesTheSound)
{
    EXPECT_TRUE(h.fakes.boxes.shown.empty());
    // The first cue opens the device fresh: nothing to close before it.
    EXPECT_EQ(h.fakes.sound.commands, QStringList{"play " + h.dir.file("startup.wav")});
    EXPECT_EQ(m().windowTitle(), "ZEL Quiz");
    EXPECT_EQ(text("questionLabel"), "What Term means:\n\n" + subject());
    EXPECT_EQ(spoken("questionLabel"), "What Term means: " + subject());
    EXPECT_EQ(h.child("questionLabel")->palette().color(QPalette::Window), QColor(Qt::white));
    EXPECT_EQ(text("totalCaption"), "Total Questions:");
    EXPECT_EQ(text("showCorrectButton"), "Show Correct Answer");
    EXPECT_EQ(text("nextButton"), "Next > >");
    EXPECT_EQ(counters(), (QStringList{"0", "0", "0"}));
    EXPECT_TRUE(visible("standardCounters"));
    for (const char *hidden : {"timedStatus", "startStopButton", "nextButton", "showCorrectButton"})
        EXPECT_FALSE(visible(hidden)) << hidden;
    EXPECT_FALSE(h.countdown()->isActive());
    for (int k = 1; k <= 6; ++k) {
        AnswerButton *b = h.button(k);
        EXPECT_EQ(b->toolTip(), QStringLiteral("Key %1").arg(k));
        EXPECT_EQ(b->accessibleName(), QStringLiteral("Answer %1: ").arg(k) + b->caption());
    }

    EXPECT_EQ(
        menuTree(m().menuBar()),
        "&File(&Quiz Type(&Standard &Timed &Exam...) - &Open Bank... &Recent Banks(&1 " +
            QDir::toNativeSeparators(h.dir.path()) +
            "  (the program's own bank)) &Import Questions... &Export Bank... - High &Scores - "
            "E&xit) &Help(&About &Check for Update)");
    EXPECT_TRUE(h.child<QAction>("standardAction")->isChecked());
    EXPECT_FALSE(h.child<QAction>("timedAction")->isChecked());
    // Choosing Standard again keeps its mark and the question on screen.
    const int entry = s().entry;
    choose("standardAction");
    EXPECT_TRUE(h.child<QAction>("standardAction")->isChecked());
    EXPECT_EQ(s().entry, entry);

    h.fakes.sound.commands.clear();
    h.main.reset();
    EXPECT_EQ(h.fakes.sound.commands, QStringList{"close"});
}

class ExitQuestion : public WindowTest, public ::testing::WithParamInterface<bool> {};

// By the menu or the close box, in the middle of a game: No keeps the
// window and everything in it as it was, the countdown running; Yes then
// releases the sound and ends.
TEST_P(ExitQuestion, NoKeepsTheGameGoingAndYesEnds)
{
    auto request = [this] {
        h.fakes.sound.commands.clear();
        GetParam() ? void(m().close()) : choose("exitAction");
    };
    startGame();
    click(answerButton(2));
    const QString question = text("questionLabel");
    const QuizState before = s();
    bool runningWhileOpen = false;
    h.fakes.boxes.whileOpen = [&](const auto &) { runningWhileOpen = h.countdown()->isActive(); };
    h.fakes.boxes.answers = {MessageBoxes::Answer::No};
    request();

    const FakeBoxes::Shown exitBox{"Are You Sure You Want To Exit?", "Exit ZEL Quiz?",
                                   MessageBoxes::Buttons::YesNo, MessageBoxes::Icon::NoIcon};
    EXPECT_EQ(h.fakes.boxes.shown, Boxes{exitBox});
    EXPECT_TRUE(runningWhileOpen);
    EXPECT_TRUE(h.countdown()->isActive());
    EXPECT_FALSE(h.fakes.end.ended);
    EXPECT_TRUE(m().isVisible());
    EXPECT_EQ(text("questionLabel"), question);
    EXPECT_EQ(s().wrong, before.wrong);
    EXPECT_EQ(s().entry, before.entry);
    EXPECT_TRUE(h.fakes.sound.commands.isEmpty());

    request();
    EXPECT_EQ(h.fakes.boxes.shown, (Boxes{exitBox, exitBox}));
    EXPECT_EQ(h.fakes.end.code, 0);
    EXPECT_EQ(h.fakes.sound.commands, QStringList{"close"});
}

INSTANTIATE_TEST_SUITE_P(Paths, ExitQuestion, ::testing::Values(false, true),
                         [](const auto &info) { return info.param ? "close_box" : "menu"; });

} // namespace
