// The real executable, started as a user or a script starts it.
#include "app/CommandLine.h"
#include "core/quiz/BankCheck.h"
#include "support/TempDir.h"

#include <QFile>
#include <QFileInfo>
#include <QProcess>

#include <gtest/gtest.h>

namespace {

const QString kProgram = QStringLiteral(ZELQUIZ_EXE_PATH);

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
    QProcess p; // ends the program if it is still running
    p.setProcessEnvironment(env);
    p.start(exe, args);
    EXPECT_TRUE(p.waitForFinished(60000))
        << "did not end within 60 s: " << args.join(' ').toStdString();
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1,
            QString::fromLocal8Bit(p.readAllStandardOutput()),
            QString::fromLocal8Bit(p.readAllStandardError())};
}

// Each mode that needs no window: what it writes and its exit status.
// Without a folder the bank beside the program is checked, also when the
// program is started through a symbolic link, as the launcher on PATH is.
// The bundled bank is clean, a broken one fails; the report is the bank
// check's own. The modules load from beside the program, or say why not.
TEST(Program, ModesWithoutAWindowNeedNoDisplay)
{
    TempDir linked, own;
    ASSERT_TRUE(QFile::link(kProgram, linked.file("zelquiz")));
    const QString bundled = QFileInfo(kProgram).absolutePath();
    const QString bundledReport = BankCheck::ofFolder(bundled).report(bundled);
    EXPECT_TRUE(bundledReport.endsWith(" 0 errors, 0 warnings: the program starts on this bank\n"));
    own.write("A.zel", "T1\r\nT2\r\n");
    own.write("AD.zel", "4|1|2|0|0|0|0|\r\n5|12|\r\n");
    ASSERT_TRUE(QFile::copy(kProgram, own.file("zelquiz")));
    const QString ownReport = BankCheck::ofFolder(own.path()).report(own.path());
    const struct {
        QString exe, arguments;
        int status;
        QString out, err;
    } cases[] = {
        {kProgram, "--version", 0, "zelquiz 1.0.6\nZEL Quiz version 1.6\n", ""},
        {kProgram, "--help", 0, CommandLine::helpText(), ""},
        {kProgram, "--frobnicate", 2, "",
         "zelquiz: unknown option '--frobnicate'\n" + CommandLine::usageText()},
        {kProgram, "--check-bank /nonexistent/bank", 1, "",
         "zelquiz: '/nonexistent/bank' is not a folder\n"},
        {linked.file("zelquiz"), "--check-bank", 0, bundledReport, ""},
        {own.file("zelquiz"), "--check-bank", 1, ownReport, ""},
        {kProgram, "--check-modules", 0,
         "sound: " + bundled + "/zelquiz_sound.so\nnetwork: " + bundled + "/zelquiz_network.so\n",
         ""},
        {own.file("zelquiz"), "--check-modules", 1,
         "sound: not loaded: " + own.file("zelquiz_sound.so") +
             ": The shared library was not found.\nnetwork: not loaded: " +
             own.file("zelquiz_network.so") + ": The shared library was not found.\n",
         ""}};
    for (const auto &c : cases) {
        SCOPED_TRACE((c.exe + ' ' + c.arguments).toStdString());
        const Outcome o = run(c.exe, c.arguments.split(' '));
        EXPECT_EQ(o.status, c.status);
        EXPECT_EQ(o.out, c.out);
        EXPECT_EQ(o.err, c.err);
    }
}

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
