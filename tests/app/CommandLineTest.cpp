#include "app/CommandLine.h"
#include "support/QtPrinters.h"

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
    const QString got = c.mode == Mode::CheckBank ? line.bankFolder()
                        : c.mode == Mode::Window  ? line.startupTimeFile()
                                                  : line.problem();
    EXPECT_TRUE(c.mode == Mode::Invalid ? got.contains(c.value) : got == c.value)
        << got.toStdString();
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
        ParseCase{"check_folder", {"--check-bank", "my bank"}, Mode::CheckBank, "my bank"},
        ParseCase{"check_folder_joined", {"--check-bank=dir"}, Mode::CheckBank, "dir"},
        ParseCase{"folder_after_dashes", {"--check-bank", "--", "-dir"}, Mode::CheckBank, "-dir"},
        ParseCase{"check_two_folders", {"--check-bank", "a", "b"}, Mode::Invalid, "'b'"},
        ParseCase{"check_twice", {"--check-bank", "--check-bank"}, Mode::Invalid, "twice"},
        ParseCase{"check_and_times",
                  {"--check-bank", "--startuptime=t"},
                  Mode::Invalid,
                  "cannot go with it"},
        ParseCase{"short_help", {"-h"}, Mode::Help, ""},
        ParseCase{"help_then_mistake", {"--help", "--bogus"}, Mode::Help, ""},
        ParseCase{
            "mistake_then_help", {"--bogus", "--help"}, Mode::Invalid, "unknown option '--bogus'"},
        ParseCase{"version_with_a_value", {"--version=2"}, Mode::Invalid, "'--version=2'"},
        // The window system's own options, with one dash or two.
        ParseCase{"qt_options_pass", {"-platform", "x", "--style=y", "-reverse"}, Mode::Window, ""},
        ParseCase{"qt_option_without_value", {"-platform"}, Mode::Invalid, "needs a value"},
        ParseCase{"lone_dash", {"-"}, Mode::Invalid, "unexpected argument '-'"},
        ParseCase{"single_letter_unknown", {"-v"}, Mode::Invalid, "unknown option '-v'"}),
    [](const auto &info) { return std::string(info.param.name); });

} // namespace
