#include "app/CommandLine.h"
#include "core/quiz/BankCheck.h"
#include "support/QtPrinters.h"
#include "support/TempDir.h"

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
        {M::Invalid, "invalid:"}};
    const CommandLine line = CommandLine::parse(arguments.split(' ', Qt::SkipEmptyParts));
    return (modes.at(line.mode()) + ' ' + line.startupTimeFile() + line.bankFolder() +
            line.problem())
        .trimmed();
}

TEST(CommandLine, Parse)
{
    // The window system's own options pass, with one dash or two; help and
    // version answer at once, whatever follows.
    const struct {
        const char *arguments, *expected;
    } cases[] = {
        {"", "window"},
        {"--startuptime t.txt", "window t.txt"},
        {"--startuptime=t.txt", "window t.txt"},
        {"--startuptime", "invalid: '--startuptime' needs a FILE"},
        {"--startuptime=", "invalid: '--startuptime' needs a FILE"},
        {"--startuptime --help", "invalid: '--startuptime' needs a FILE"},
        {"--startuptime=a --startuptime=b", "invalid: '--startuptime' is given twice"},
        {"--check-bank", "check"},
        {"--check-modules", "modules"},
        {"--update-bank", "update"},
        {"--update-bank --check-bank", "invalid: '--update-bank' cannot go with other options"},
        {"--startuptime=t --update-bank", "invalid: '--update-bank' cannot go with other options"},
        {"--update-bank --bogus", "invalid: unknown option '--bogus'"},
        {"--check-bank dir", "check dir"},
        {"--check-bank=dir", "check dir"},
        {"--check-bank -- -dir", "check -dir"},
        {"--check-bank a b", "invalid: unexpected argument 'b'"},
        {"--check-bank --check-bank", "invalid: '--check-bank' is given twice"},
        {"--check-bank --startuptime=t",
         "invalid: '--check-bank' opens no window, so '--startuptime' cannot go with it"},
        {"-h", "help"},
        {"--help --bogus", "help"},
        {"--version --bogus", "version"},
        {"--bogus --help", "invalid: unknown option '--bogus'"},
        {"--version=2", "invalid: unknown option '--version=2'"},
        {"-platform x --style=y -reverse", "window"},
        {"-platform", "invalid: option '-platform' needs a value"},
        {"-", "invalid: unexpected argument '-'"},
        {"-v", "invalid: unknown option '-v'"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(parsed(c.arguments), c.expected) << c.arguments;
}

} // namespace

// A bank author's folder with signatures: one more line after the summary,
// with the folder's key or else the program's, and exit status 1 when a
// signature fails. Without signatures and a key of its own the report is
// as before.
TEST(CommandLine, CheckBankChecksTheSignaturesBesideTheBank)
{
    const QString names[] = {"A.zel", "AD.zel", "DV.ZEL"};
    const struct {
        bool signatures, bankKey, programKey;
        QString line; // "BANK" and "PROGRAM" stand for the folders
        int status;
        bool programsOwn = false; // the bank checked is the program's own
    } cases[] = {
        {true, true, true,
         "signatures: A.zel, AD.zel and DV.ZEL are signed by BANK/update.pub for data version 1.3",
         0},
        {true, false, true,
         "signatures: A.zel, AD.zel and DV.ZEL are signed by "
         "PROGRAM/update.pub for data version 1.3",
         0},
        {true, false, false, "signatures: not checked: no update.pub in BANK or PROGRAM", 0},
        {false, true, false, "signatures: BANK/A.zel.minisig: missing", 1},
        {false, false, true, "", 0},
        {false, true, false, "", 0, true},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.line.toStdString());
        TempDir bank, program;
        for (const QString &name : names) {
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
}
