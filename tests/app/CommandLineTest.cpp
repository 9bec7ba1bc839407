#include "app/CommandLine.h"
#include "core/quiz/BankCheck.h"
#include "support/CaseName.h"
#include "support/QtPrinters.h"
#include "support/TempDir.h"

#include <QDir>
#include <QFileInfo>

#include <gtest/gtest.h>

#include <map>

namespace {

// The mode asked for, then what it carries: the times file of the window,
// the folder of the bank check, or the problem found.
QString parsed(const QString &arguments)
{
    using M = CommandLine::Mode;
    static const std::map<M, QString> modes = {
        {M::Window, "window"},        {M::Help, "help"},
        {M::Version, "version"},      {M::CheckBank, "check"},
        {M::CheckModules, "modules"}, {M::UpdateBank, "update"},
        {M::Import, "import"},        {M::ExportBank, "export"},
        {M::Invalid, "invalid:"}};
    const CommandLine line = CommandLine::parse(arguments.split(' ', Qt::SkipEmptyParts));
    return (modes.at(line.mode()) + ' ' + line.startupTimeFile() + line.bankFolder() +
            line.importFile() + line.intoFolder() + line.exportFile() + line.problem())
        .trimmed();
}

// The window system's own options pass, with one dash or two; help and
// version answer at once, whatever follows.
struct ParseCase {
    const char *name, *arguments, *expected;
};
class CommandLineParse : public ::testing::TestWithParam<ParseCase> {};

TEST_P(CommandLineParse, ReadsTheModeAndWhatItCarries)
{
    EXPECT_EQ(parsed(GetParam().arguments), GetParam().expected);
}

const ParseCase kParseCases[] = {
    {"none", "", "window"},
    {"startuptime_file", "--startuptime t.txt", "window t.txt"},
    {"startuptime_equals_file", "--startuptime=t.txt", "window t.txt"},
    {"startuptime_no_file", "--startuptime", "invalid: '--startuptime' needs a FILE"},
    {"startuptime_empty_file", "--startuptime=", "invalid: '--startuptime' needs a FILE"},
    {"startuptime_option_as_file", "--startuptime --help", "invalid: '--startuptime' needs a FILE"},
    {"startuptime_twice", "--startuptime=a --startuptime=b",
     "invalid: '--startuptime' is given twice"},
    {"check_bank", "--check-bank", "check"},
    {"check_modules", "--check-modules", "modules"},
    {"update_bank", "--update-bank", "update"},
    {"update_bank_and_check", "--update-bank --check-bank",
     "invalid: '--update-bank' cannot go with other options"},
    {"update_bank_and_startuptime", "--startuptime=t --update-bank",
     "invalid: '--update-bank' cannot go with other options"},
    {"update_bank_and_unknown", "--update-bank --bogus", "invalid: unknown option '--bogus'"},
    {"check_bank_folder", "--check-bank dir", "check dir"},
    {"check_bank_equals_folder", "--check-bank=dir", "check dir"},
    {"check_bank_dash_folder", "--check-bank -- -dir", "check -dir"},
    {"check_bank_two_folders", "--check-bank a b", "invalid: unexpected argument 'b'"},
    {"check_bank_twice", "--check-bank --check-bank", "invalid: '--check-bank' is given twice"},
    {"check_bank_and_startuptime", "--check-bank --startuptime=t",
     "invalid: '--check-bank' opens no window, so '--startuptime' cannot go with it"},
    {"short_help", "-h", "help"},
    {"help_then_unknown", "--help --bogus", "help"},
    {"version_then_unknown", "--version --bogus", "version"},
    {"unknown_then_help", "--bogus --help", "invalid: unknown option '--bogus'"},
    {"version_with_value", "--version=2", "invalid: unknown option '--version=2'"},
    {"window_system_options", "-platform x --style=y -reverse", "window"},
    {"window_system_option_no_value", "-platform", "invalid: option '-platform' needs a value"},
    {"lone_dash", "-", "invalid: unexpected argument '-'"},
    {"unknown_short", "-v", "invalid: unknown option '-v'"},
    {"bank_with_startuptime", "--bank b --startuptime=t", "window tb"},
    {"bank_and_check", "--bank=b --check-bank",
     "invalid: '--bank' opens the window, so it cannot go with '--check-bank'"},
    {"import_into", "--import f --into=d", "import fd"},
    {"import_without_into", "--import f",
     "invalid: '--import FILE' and '--into FOLDER' go together"},
    {"import_no_file", "--import --into d", "invalid: '--import' needs a FILE"},
    {"import_twice", "--import=f --import=g", "invalid: '--import' is given twice"},
    {"import_and_check", "--check-bank --import f --into d",
     "invalid: '--import' cannot go with other options"},
    {"import_and_bank", "--import f --into d --bank b",
     "invalid: '--import' cannot go with other options"},
    {"export_to", "--export-bank d --to f", "export df"},
    {"to_without_export", "--to f", "invalid: '--export-bank FOLDER' and '--to FILE' go together"},
};
INSTANTIATE_TEST_SUITE_P(Arguments, CommandLineParse, ::testing::ValuesIn(kParseCases), CaseName());

// A bank author's folder with signatures: one more line after the summary,
// with the folder's key or else the program's, and exit status 1 when a
// signature fails. Without signatures and a key of its own the report is
// as before.
struct SignatureCase {
    const char *name;
    bool signatures, bankKey, programKey;
    QString line; // "BANK" and "PROGRAM" stand for the folders
    int status;
    bool programsOwn = false; // the bank checked is the program's own
};
class CheckBankSignatures : public ::testing::TestWithParam<SignatureCase> {};

TEST_P(CheckBankSignatures, ChecksTheSignaturesBesideTheBank)
{
    const SignatureCase &c = GetParam();
    TempDir bank, program;
    for (const QString name : {"A.zel", "AD.zel", "DV.ZEL"}) {
        bank.write(name, testData("signatures/" + name));
        if (c.signatures)
            bank.write(name + ".minisig", testData("signatures/" + name + ".minisig"));
    }
    if (c.bankKey)
        bank.write("update.pub", testData("signatures/update.pub"));
    if (c.programKey)
        program.write("update.pub", testData("signatures/update.pub"));
    QString out, err;
    const int status = CommandLine::parse({"--check-bank", bank.path()})
                           .run(c.programsOwn ? bank.path() : program.path(), out, err);
    QString line = c.line;
    line.replace("BANK", bank.path()).replace("PROGRAM", program.path());
    EXPECT_EQ(out, BankCheck::ofFolder(bank.path()).report(bank.path()) +
                       (line.isEmpty() ? "" : line + '\n'));
    EXPECT_EQ(status, c.status);
}

const SignatureCase kSignatureCases[] = {
    {"bank_key", true, true, true,
     "signatures: A.zel, AD.zel and DV.ZEL are signed by BANK/update.pub for data version 1.3", 0},
    {"program_key", true, false, true,
     "signatures: A.zel, AD.zel and DV.ZEL are signed by "
     "PROGRAM/update.pub for data version 1.3",
     0},
    {"no_key", true, false, false, "signatures: not checked: no update.pub in BANK or PROGRAM", 0},
    {"unsigned_with_bank_key", false, true, false, "signatures: BANK/A.zel.minisig: missing", 1},
    {"unsigned", false, false, true, "", 0},
    {"unsigned_programs_own_bank", false, true, false, "", 0, true},
};
INSTANTIATE_TEST_SUITE_P(Folders, CheckBankSignatures, ::testing::ValuesIn(kSignatureCases),
                         CaseName());

// An import writes a bank the program starts on, or nothing at all; its
// export reads back as the same file.
TEST(CommandLineImport, WritesABankOrNothingAndExportsIt)
{
    const TempDir dir;
    dir.write("words.txt", testData("import/quizlet.txt"));
    dir.write("bad.csv", testData("import/unbalanced.csv"));
    const auto run = [&](const QString &arguments, QString &out, QString &err) {
        return CommandLine::parse(arguments.arg(dir.path()).split(' ')).run(dir.path(), out, err);
    };
    QString out, err;
    EXPECT_EQ(run("--import %1/bad.csv --into %1/bank", out, err), 1);
    EXPECT_EQ(err, "zelquiz: " + dir.file("bad.csv") +
                       ": line 2: a quoted field is never closed (a \" is missing)\n");
    EXPECT_FALSE(QFileInfo::exists(dir.file("bank")));

    out.clear();
    EXPECT_EQ(run("--import %1/words.txt --into %1/bank", out, err), 0);
    EXPECT_EQ(out, "7 questions imported.\n14 of 600 lines used.\nBank written: " +
                       QDir::toNativeSeparators(dir.file("bank")) + '\n');
    EXPECT_TRUE(BankCheck::ofFolder(dir.file("bank")).findings().empty());

    err.clear();
    EXPECT_EQ(run("--import %1/words.txt --into %1/bank", out, err), 1);
    EXPECT_EQ(err, "zelquiz: '" + dir.file("bank") +
                       "' already holds a bank; nothing was "
                       "written\n");

    out.clear();
    EXPECT_EQ(run("--export-bank %1/bank --to %1/bank.csv", out, err), 0);
    EXPECT_EQ(out,
              "7 questions written to " + QDir::toNativeSeparators(dir.file("bank.csv")) + '\n');
    EXPECT_EQ(run("--import %1/bank.csv --into %1/again", out, err), 0);
    EXPECT_EQ(run("--export-bank %1/again --to %1/again.csv", out, err), 0);
    EXPECT_EQ(dir.read("again.csv"), dir.read("bank.csv"));

    err.clear();
    EXPECT_EQ(run("--export-bank %1/none --to %1/x.csv", out, err), 1);
    EXPECT_EQ(err, "zelquiz: '" + dir.file("none") + "' is not a folder\n");
}

} // namespace
