// The real executable, started as a user or a script starts it.
#include "support/TempDir.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
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

// No display of any kind: what needs no window must not need one, and a
// window that opened by mistake would make the program fail to start.
QProcessEnvironment withoutDisplay()
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char *name : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"})
        env.remove(QString::fromLatin1(name));
    return env;
}

Outcome run(const QString &exe, const QStringList &args,
            const QProcessEnvironment &env = withoutDisplay())
{
    QProcess p;
    p.setProcessEnvironment(env);
    p.start(exe, args);
    Outcome o;
    if (!p.waitForStarted(10000)) {
        ADD_FAILURE() << "cannot start " << exe.toStdString();
        return o;
    }
    if (!p.waitForFinished(60000)) {
        p.kill();
        p.waitForFinished();
        ADD_FAILURE() << "still running after 60 s: " << args.join(' ').toStdString();
        return o;
    }
    o.status = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    o.out = QString::fromLocal8Bit(p.readAllStandardOutput());
    o.err = QString::fromLocal8Bit(p.readAllStandardError());
    return o;
}

struct ProgramCase {
    const char *name;
    QStringList args;
    int status;
    const char *outContains; // "" for empty output
    const char *errContains; // "" for empty output
};

class ProgramOptions : public ::testing::TestWithParam<ProgramCase> {};

TEST_P(ProgramOptions, AnswerWithoutADisplay)
{
    const ProgramCase &c = GetParam();
    const Outcome o = run(program(), c.args);
    EXPECT_EQ(o.status, c.status) << o.err.toStdString();
    if (*c.outContains)
        EXPECT_TRUE(o.out.contains(QString::fromUtf8(c.outContains))) << o.out.toStdString();
    else
        EXPECT_EQ(o.out, "");
    if (*c.errContains)
        EXPECT_TRUE(o.err.contains(QString::fromUtf8(c.errContains))) << o.err.toStdString();
    else
        EXPECT_EQ(o.err, "");
}

INSTANTIATE_TEST_SUITE_P(
    Arguments, ProgramOptions,
    ::testing::Values(
        ProgramCase{"help", {"--help"}, 0, "Usage: zelquiz [OPTION]...\n", ""},
        ProgramCase{"version", {"--version"}, 0, "zelquiz 1.0.6\nZEL Quiz version 1.6\n", ""},
        ProgramCase{"unknown_option", {"--frobnicate"}, 2, "", "Try 'zelquiz --help'"},
        ProgramCase{"stray_argument", {"A.zel"}, 2, "", "unexpected argument 'A.zel'"},
        // The build puts the bundled bank beside the program.
        ProgramCase{
            "bundled_bank", {"--check-bank"}, 0, " 0 errors, 0 warnings: the program starts", ""},
        ProgramCase{"no_such_folder", {"--check-bank", "/nonexistent"}, 1, "", "not a folder"}),
    [](const auto &info) { return std::string(info.param.name); });

// A program folder of its own: the executable and the bundled data files.
class ProgramFolder {
  public:
    ProgramFolder()
    {
        const QDir data(sampleDataDir());
        for (const QString &name : data.entryList(QDir::Files))
            dir.copyData(name);
        EXPECT_TRUE(QFile::copy(program(), exe()));
    }
    QString exe() const { return dir.file("zelquiz"); }
    TempDir dir;
};

TEST(ProgramCheckBank, ReportsEveryProblemAndFails)
{
    ProgramFolder f;
    f.dir.write("AD.zel", "5|12|\r\nx|1|2|3|4|5|6|\r\n");
    const Outcome o = run(f.exe(), {"--check-bank"});
    EXPECT_EQ(o.status, 1);
    const QStringList lines = o.out.split('\n', Qt::SkipEmptyParts);
    ASSERT_GE(lines.size(), 3);
    // The bundled texts are many more than these two entry lines.
    EXPECT_TRUE(lines[0].startsWith(f.dir.file("A.zel") + ":3: warning: A.zel has "))
        << lines[0].toStdString();
    EXPECT_TRUE(o.out.contains(f.dir.file("AD.zel") + ":1: Overflow.\n"));
    EXPECT_TRUE(o.out.contains(f.dir.file("AD.zel") + ":2: Error occured! #13: Type mismatch\n"));
    EXPECT_TRUE(lines.last().endsWith("the program does not start on this bank"));
}

// The launcher on PATH is a symbolic link; the program must still find
// the bank beside its real file.
TEST(ProgramCheckBank, ThroughASymbolicLinkChecksTheRealFolder)
{
    ProgramFolder f;
    TempDir elsewhere;
    ASSERT_TRUE(QFile::link(f.exe(), elsewhere.file("zelquiz")));
    const Outcome o = run(elsewhere.file("zelquiz"), {"--check-bank"});
    EXPECT_EQ(o.status, 0) << o.out.toStdString();
}

QProcessEnvironment offscreen()
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", "offscreen");
    env.insert("QT_LOGGING_RULES", "qt.multimedia*=false");
    return env;
}

TEST(ProgramStartupTime, WritesEveryStageInOrderAndEnds)
{
    ProgramFolder f;
    const QString times = f.dir.file("times.txt");
    const Outcome o = run(f.exe(), {"--startuptime", times}, offscreen());
    ASSERT_EQ(o.status, 0) << o.err.toStdString();

    const QStringList lines =
        QString::fromUtf8(f.dir.read("times.txt")).split('\n', Qt::SkipEmptyParts);
    QStringList stages;
    double previous = -1;
    for (const QString &line : lines) {
        const QStringList fields = line.split('\t');
        ASSERT_EQ(fields.size(), 3) << line.toStdString();
        stages << fields[0];
        const double ms = fields[1].toDouble();
        EXPECT_GE(ms, previous) << line.toStdString();
        previous = ms;
    }
    EXPECT_EQ(stages, QStringList({"process start", "application created", "window created",
                                   "bank loaded", "first question on screen", "window shown"}));
}

TEST(ProgramStartupTime, AFileThatCannotBeWrittenIsAFailure)
{
    ProgramFolder f;
    const Outcome o =
        run(f.exe(), {"--startuptime", f.dir.file("no/such/folder/t.txt")}, offscreen());
    EXPECT_EQ(o.status, 1);
}

} // namespace
