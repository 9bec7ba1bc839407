#include "shell/CommandLine.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

namespace {

using Mode = CommandLine::Mode;

struct ParseCase {
    const char *name;
    QStringList args;
    Mode mode;
    QString value; // the bank folder, the times file, or a part of the problem
};

class CommandLineParse : public ::testing::TestWithParam<ParseCase> {};

TEST_P(CommandLineParse, Reads)
{
    const ParseCase &c = GetParam();
    const CommandLine line = CommandLine::parse(c.args);
    ASSERT_EQ(line.mode(), c.mode) << line.problem().toStdString();
    switch (c.mode) {
    case Mode::CheckBank:
        EXPECT_EQ(line.bankFolder(), c.value);
        break;
    case Mode::Window:
        EXPECT_EQ(line.startupTimeFile(), c.value);
        break;
    case Mode::Invalid:
        EXPECT_TRUE(line.problem().contains(c.value)) << line.problem().toStdString();
        break;
    default:
        break;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Arguments, CommandLineParse,
    ::testing::Values(
        ParseCase{"nothing_opens_the_window", {}, Mode::Window, ""},
        ParseCase{"times_file", {"--startuptime", "t.txt"}, Mode::Window, "t.txt"},
        ParseCase{"times_file_joined", {"--startuptime=t.txt"}, Mode::Window, "t.txt"},
        ParseCase{"times_file_missing", {"--startuptime"}, Mode::Invalid, "needs a FILE"},
        ParseCase{"times_file_empty", {"--startuptime="}, Mode::Invalid, "needs a FILE"},
        ParseCase{"times_twice", {"--startuptime=a", "--startuptime=b"}, Mode::Invalid, "twice"},
        ParseCase{"check_program_folder", {"--check-bank"}, Mode::CheckBank, ""},
        ParseCase{"check_folder", {"--check-bank", "my bank"}, Mode::CheckBank, "my bank"},
        ParseCase{"check_folder_joined", {"--check-bank=dir"}, Mode::CheckBank, "dir"},
        ParseCase{"check_folder_after_end_of_options",
                  {"--check-bank", "--", "-dir"},
                  Mode::CheckBank,
                  "-dir"},
        ParseCase{"check_two_folders", {"--check-bank", "a", "b"}, Mode::Invalid, "'b'"},
        ParseCase{"check_twice", {"--check-bank", "--check-bank"}, Mode::Invalid, "twice"},
        ParseCase{"check_with_times",
                  {"--check-bank", "--startuptime", "t"},
                  Mode::Invalid,
                  "cannot go with it"},
        ParseCase{"help", {"--help"}, Mode::Help, ""},
        ParseCase{"short_help", {"-h"}, Mode::Help, ""},
        ParseCase{"help_answers_before_a_later_mistake", {"--help", "--bogus"}, Mode::Help, ""},
        ParseCase{"a_mistake_before_help",
                  {"--bogus", "--help"},
                  Mode::Invalid,
                  "unknown option '--bogus'"},
        ParseCase{"version", {"--version"}, Mode::Version, ""},
        ParseCase{"version_with_a_value", {"--version=2"}, Mode::Invalid, "'--version=2'"},
        ParseCase{"window_system_options_pass",
                  {"-platform", "offscreen", "--style=Fusion", "-reverse"},
                  Mode::Window,
                  ""},
        ParseCase{
            "window_system_option_without_value", {"-platform"}, Mode::Invalid, "needs a value"},
        ParseCase{"stray_file", {"A.zel"}, Mode::Invalid, "unexpected argument 'A.zel'"},
        ParseCase{"lone_dash", {"-"}, Mode::Invalid, "unexpected argument '-'"},
        ParseCase{"single_letter_unknown", {"-v"}, Mode::Invalid, "unknown option '-v'"}),
    [](const auto &info) { return std::string(info.param.name); });

struct RunCase {
    const char *name;
    QStringList args;
    int status;
    QString out;
    QString err;
};

class CommandLineRun : public ::testing::TestWithParam<RunCase> {};

TEST_P(CommandLineRun, WritesAndEnds)
{
    const RunCase &c = GetParam();
    QString out;
    QString err;
    EXPECT_EQ(CommandLine::parse(c.args).run(QString(), out, err), c.status);
    EXPECT_EQ(out, c.out);
    EXPECT_EQ(err, c.err);
}

INSTANTIATE_TEST_SUITE_P(
    Modes, CommandLineRun,
    ::testing::Values(
        RunCase{"version", {"--version"}, 0, "zelquiz 1.0.6\nZEL Quiz version 1.6\n", ""},
        RunCase{"help", {"--help"}, 0, CommandLine::helpText(), ""},
        RunCase{"unknown_option",
                {"--frobnicate"},
                2,
                "",
                "zelquiz: unknown option '--frobnicate'\n" + CommandLine::usageText()},
        RunCase{"no_such_folder",
                {"--check-bank", "/nonexistent/bank"},
                1,
                "",
                "zelquiz: '/nonexistent/bank' is not a folder\n"}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(CommandLineRun, ChecksTheProgramFolderByDefault)
{
    TempDir dir;
    dir.write("A.zel", "T1\r\nT2\r\n");
    dir.write("AD.zel", "4|1|2|0|0|0|0|\r\n5|12|\r\n");
    QString out;
    QString err;
    EXPECT_EQ(CommandLine::parse(QStringList{"--check-bank"}).run(dir.path(), out, err), 1);
    EXPECT_EQ(out, dir.file("AD.zel") +
                       ":1: warning: the six answers are not all different: wrong answer 2, "
                       "wrong answer 3, wrong answer 4 and wrong answer 5 are all empty\n" +
                       dir.file("AD.zel") + ":2: Overflow.\n" +
                       "2 entries, 1 askable, 1 error, 1 warning: the program does not start on "
                       "this bank\n");
    EXPECT_EQ(err, "");
}

} // namespace
