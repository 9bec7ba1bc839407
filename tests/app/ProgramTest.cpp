// The real executable, started as a user or a script starts it.
#include "app/CommandLine.h"
#include "support/TempDir.h"

#include <QFile>
#include <QProcess>

#include <gtest/gtest.h>

namespace {

QString program()
{
    return qEnvironmentVariable("ZELQUIZ_EXE");
}

struct Outcome {
    int status = -1;
    QString out;
    QString err;
};

// By default with no display of any kind: what needs no window must not
// need one, and a window that opened by mistake would fail to start.
Outcome run(const QString &exe, const QStringList &args, bool offscreen = false)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char *name : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"})
        env.remove(QString::fromLatin1(name));
    if (offscreen) {
        env.insert("QT_QPA_PLATFORM", "offscreen");
        env.insert("QT_LOGGING_RULES", "qt.multimedia*=false");
    }
    QProcess p;
    p.setProcessEnvironment(env);
    p.start(exe, args);
    if (!p.waitForFinished(60000)) {
        p.kill();
        p.waitForFinished();
        ADD_FAILURE() << "did not end within 60 s: " << args.join(' ').toStdString() << ": "
                      << p.errorString().toStdString();
    }
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1,
            QString::fromLocal8Bit(p.readAllStandardOutput()),
            QString::fromLocal8Bit(p.readAllStandardError())};
}

// Each mode that needs no window: what it writes and its exit status.
TEST(Program, ModesWithoutAWindowNeedNoDisplay)
{
    const struct {
        QStringList args;
        int status;
        QString out, err;
    } cases[] = {
        {{"--version"}, 0, "zelquiz 1.0.6\nZEL Quiz version 1.6\n", ""},
        {{"--help"}, 0, CommandLine::helpText(), ""},
        {{"--frobnicate"},
         2,
         "",
         "zelquiz: unknown option '--frobnicate'\n" + CommandLine::usageText()},
        {{"--check-bank", "/nonexistent/bank"},
         1,
         "",
         "zelquiz: '/nonexistent/bank' is not a folder\n"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.args.join(' ').toStdString());
        const Outcome o = run(program(), c.args);
        EXPECT_EQ(o.status, c.status);
        EXPECT_EQ(o.out, c.out);
        EXPECT_EQ(o.err, c.err);
    }
}

// The launcher on PATH is a symbolic link; the program must still find the
// bank beside its real file, where the build puts the bundled one.
TEST(ProgramCheckBank, ThroughASymbolicLinkChecksTheBankBesideTheProgram)
{
    TempDir elsewhere;
    ASSERT_TRUE(QFile::link(program(), elsewhere.file("zelquiz")));
    const Outcome o = run(elsewhere.file("zelquiz"), {"--check-bank"});
    EXPECT_EQ(o.status, 0) << o.out.toStdString();
    EXPECT_TRUE(o.out.endsWith(" 0 errors, 0 warnings: the program starts on this bank\n"))
        << o.out.toStdString();
    EXPECT_EQ(o.err, "");
}

// Without a folder, the bank beside the program is checked.
TEST(ProgramCheckBank, ReportsEveryProblemOfItsOwnFolderAndFails)
{
    TempDir dir;
    dir.write("A.zel", "T1\r\nT2\r\n");
    dir.write("AD.zel", "4|1|2|0|0|0|0|\r\n5|12|\r\n");
    ASSERT_TRUE(QFile::copy(program(), dir.file("zelquiz")));
    const Outcome o = run(dir.file("zelquiz"), {"--check-bank"});
    EXPECT_EQ(o.status, 1);
    EXPECT_EQ(o.out, dir.file("AD.zel") +
                         ":1: warning: the six answers are not all different: wrong answer 2, "
                         "wrong answer 3, wrong answer 4 and wrong answer 5 are all empty\n" +
                         dir.file("AD.zel") + ":2: Overflow.\n" +
                         "2 entries, 1 askable, 1 error, 1 warning: the program does not start on "
                         "this bank\n");
    EXPECT_EQ(o.err, "");
}

TEST(ProgramStartupTime, WritesEveryStageInOrderAndEnds)
{
    TempDir dir;
    const Outcome o = run(program(), {"--startuptime", dir.file("times.txt")}, true);
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
    EXPECT_EQ(run(program(), {"--startuptime", dir.file("no/such/folder/t.txt")}, true).status, 1);
}

} // namespace
