// The real executable, started as a user or a script starts it.
#include "app/CommandLine.h"
#include "core/quiz/BankCheck.h"
#include "support/CaseName.h"
#include "support/TempDir.h"

#include <QFile>
#include <QFileInfo>
#include <QProcess>

#include <gtest/gtest.h>

namespace {

const QString kProgram = QStringLiteral(ZELQUIZ_EXE_PATH);
// Windows starts a program by its suffix, "zelquiz.exe".
const QString kExeName = QFileInfo(kProgram).fileName();

struct Outcome {
    int status = -1;
    QString out, err;
};

// With no display of any kind: what needs no window must not need one, and
// a window that opened by mistake would fail to start.
Outcome run(const QString &exe, const QStringList &args)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char *name : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"})
        env.remove(QString::fromLatin1(name));
    // Settings and files of the run's own: a bank the tester's own program
    // remembers would otherwise open in place of the one under test.
    static const TempDir own;
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), own.file(QStringLiteral("config")));
    env.insert(QStringLiteral("XDG_DATA_HOME"), own.file(QStringLiteral("data")));
    QProcess p; // ends the program if it is still running
    p.setProcessEnvironment(env);
    p.start(exe, args);
    EXPECT_TRUE(p.waitForFinished(60000))
        << "did not end within 60 s: " << args.join(' ').toStdString();
    // The C library of Windows ends each line it prints with CR LF.
    auto text = [](const QByteArray &b) { return QString::fromLocal8Bit(b).replace("\r\n", "\n"); };
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1,
            text(p.readAllStandardOutput()), text(p.readAllStandardError())};
}

// The program's own folder, whose bank is clean.
const QString kBundled = QFileInfo(kProgram).absolutePath();

TEST(Program, BundledBankIsClean)
{
    EXPECT_TRUE(BankCheck::ofFolder(kBundled).report(kBundled).endsWith(
        " 0 errors, 0 warnings: the program starts on this bank\n"));
}

// Each mode that needs no window: what it writes and its exit status.
// Without a folder the bank beside the program is checked, also when the
// program is started through a symbolic link, as the launcher on PATH is.
// A broken bank fails; the report is the bank check's own. The modules
// load from beside the program, or say why not. The program runs as
// built, through a link, or as a copy beside a broken bank.
enum class Exe { Built, Link, Copy };
struct ModeCase {
    const char *name;
    Exe exe;
    QString arguments;
    int status;
    QString out, err; // "<dir>" stands for the program's folder, "<report>" for its bank's check
};
class ProgramMode : public ::testing::TestWithParam<ModeCase> {};

TEST_P(ProgramMode, NeedsNoDisplay)
{
    const ModeCase &c = GetParam();
    TempDir copy;
    QString exe = kProgram, dir = kBundled;
    if (c.exe == Exe::Link) {
#ifdef Q_OS_WIN
        // A link there is a shortcut file, which only the shell follows;
        // the program is started from its own folder.
        GTEST_SKIP() << "Windows has no launcher linked to the program";
#endif
        ASSERT_TRUE(QFile::link(kProgram, exe = copy.file(kExeName)));
    } else if (c.exe == Exe::Copy) {
        copy.write("A.zel", "T1\r\nT2\r\n");
        copy.write("AD.zel", "4|1|2|0|0|0|0|\r\n5|12|\r\n");
        ASSERT_TRUE(QFile::copy(kProgram, exe = copy.file(kExeName)));
        dir = copy.path();
    }
    const QString report = BankCheck::ofFolder(dir).report(dir);
    const Outcome o = run(exe, c.arguments.split(' '));
    EXPECT_EQ(o.status, c.status);
    QString out = QString(c.out).replace("<dir>", dir).replace("<report>", report);
    EXPECT_EQ(o.out, out.replace(".so", QFileInfo(kProgram).suffix().isEmpty() ? ".so" : ".dll"));
    EXPECT_EQ(o.err, c.err);
}

const ModeCase kModeCases[] = {
    {"version", Exe::Built, "--version", 0, "zelquiz 1.0.6\nZEL Quiz version 1.6\n", ""},
    {"help", Exe::Built, "--help", 0, CommandLine::helpText(), ""},
    {"unknown_option", Exe::Built, "--frobnicate", 2, "",
     "zelquiz: unknown option '--frobnicate'\n" + CommandLine::usageText()},
    {"check_no_folder", Exe::Built, "--check-bank /nonexistent/bank", 1, "",
     "zelquiz: '/nonexistent/bank' is not a folder\n"},
    {"check_through_link", Exe::Link, "--check-bank", 0, "<report>", ""},
    {"check_broken_bank", Exe::Copy, "--check-bank", 1, "<report>", ""},
    {"modules", Exe::Built, "--check-modules", 0,
     "sound: <dir>/zelquiz_sound.so\nnetwork: <dir>/zelquiz_network.so\n", ""},
    {"modules_missing", Exe::Copy, "--check-modules", 1,
     "sound: not loaded: <dir>/zelquiz_sound.so: The shared library was not found.\n"
     "network: not loaded: <dir>/zelquiz_network.so: The shared library was not found.\n",
     ""}};
INSTANTIATE_TEST_SUITE_P(Modes, ProgramMode, ::testing::ValuesIn(kModeCases), CaseName());

// The window on the offscreen platform, chosen by the window system's own
// option, which the command line lets through.
TEST(Program, StartupTimeWritesEveryStageInOrderAndEnds)
{
    TempDir dir;
    const QStringList offscreen = {"-platform", "offscreen", "--startuptime"};
    const Outcome o = run(kProgram, offscreen + QStringList{dir.file("times.txt")});
    ASSERT_EQ(o.status, 0) << o.err.toStdString();
    QStringList stages;
    double previous = -1;
    for (const QString &line :
         QString::fromUtf8(dir.read("times.txt")).split('\n', Qt::SkipEmptyParts)) {
        const QStringList fields = line.split('\t');
        ASSERT_EQ(fields.size(), 3) << line.toStdString();
        stages << fields[0];
        EXPECT_GE(fields[1].toDouble(), previous) << line.toStdString();
        previous = fields[1].toDouble();
    }
    EXPECT_EQ(stages, QStringList({"process start", "application created", "window created",
                                   "bank loaded", "first question on screen", "window shown"}));

    // A file that cannot be written is a failure.
    EXPECT_EQ(run(kProgram, offscreen + QStringList{dir.file("no/such/folder/t.txt")}).status, 1);
}

} // namespace
