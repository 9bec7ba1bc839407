// The whole start-up of the program, from starting the process to the first
// question on screen, beside a bare window with one label that starts and
// ends the same way (bench_bare_window). Each run starts a fresh process
// with --startuptime, reads the stage times it writes and its peak resident
// memory, and alternates the programs so that a slow moment of the machine
// does not fall on one of them only.
//
// Run headless after building with -DZELQUIZ_BENCH=ON:
//   QT_QPA_PLATFORM=offscreen bin/bench_startup [--runs N] [--baseline EXE]
// --baseline adds another build of the program (an earlier commit, say) to
// the same alternation, on both banks, for a before/after comparison.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <map>
#include <string>
#include <vector>

#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

extern char **environ;

namespace {

long long monotonicNs()
{
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return static_cast<long long>(t.tv_sec) * 1000000000LL + t.tv_nsec;
}

struct Run {
    double toShownMs = 0;             // start to the first paint of the window
    double toExitMs = 0;              // start to the end of the process
    double peakMiB = 0;               // peak resident memory
    std::map<std::string, double> at; // stage -> ms after the start
};

struct Program {
    const char *label;
    QString exe;
    std::vector<Run> runs;
};

[[noreturn]] void fail(const QString &what)
{
    std::fprintf(stderr, "bench_startup: %s\n", what.toLocal8Bit().constData());
    std::exit(1);
}

void write(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(bytes) != bytes.size())
        fail(QStringLiteral("cannot write ") + path);
}

// A program folder: a copy of the executable (a link would lead the program
// back to its build folder) and the data files from beside it.
QString programFolder(const QString &root, const char *name, const QString &exe)
{
    const QString dir = root + QLatin1Char('/') + QLatin1String(name);
    QDir().mkpath(dir);
    const QDir source = QFileInfo(exe).absoluteDir();
    for (const char *file :
         {"A.zel", "AD.zel", "DV.ZEL", "startup.wav", "bad.wav", "yea.wav", "zel2.jpg",
          "zelquiz.png", "zelquiz.svg", "zelquiz_sound.so", "zelquiz_network.so"}) {
        const QString from = source.filePath(QLatin1String(file));
        if (QFileInfo::exists(from) && !QFile::copy(from, dir + QLatin1Char('/') + file))
            fail(QStringLiteral("cannot copy ") + from);
    }
    QString copy = dir + QStringLiteral("/zelquiz");
    if (!QFile::copy(exe, copy))
        fail(QStringLiteral("cannot copy ") + exe);
    return copy;
}

// The largest bank the program reads: 600 texts of a typical length and 600
// entries, one in ten a skip line (as bench_bank uses).
void writeFullBank(const QString &dir)
{
    QByteArray a;
    QByteArray ad;
    for (int i = 1; i <= 600; ++i) {
        a += "Text number " + QByteArray::number(i) +
             ", about as long as an answer in a real bank usually is\r\n";
        if (i % 10 == 0) {
            ad += "9|0|0|0|0|0|0|\r\n";
            continue;
        }
        ad += QByteArray::number(i % 8 + 1);
        for (int k = 0; k < 6; ++k)
            ad += "|" + QByteArray::number((i + k * 97) % 600 + 1);
        ad += "|\r\n";
    }
    write(dir + QStringLiteral("/A.zel"), a);
    write(dir + QStringLiteral("/AD.zel"), ad);
}

// The programs' warnings (no sound device on a build machine) would bury
// the table; they are kept in a file and shown when a run fails.
QString g_childLog;

[[noreturn]] void failRun(const QString &what)
{
    QFile log(g_childLog);
    if (log.open(QIODevice::ReadOnly))
        std::fprintf(stderr, "%s", log.readAll().constData());
    fail(what);
}

volatile std::sig_atomic_t g_timedOut = 0;

void onAlarm(int)
{
    g_timedOut = 1;
}

Run runOnce(const QString &exe, const QString &timesFile)
{
    QFile::remove(timesFile);
    const QByteArray logBytes = g_childLog.toLocal8Bit();
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 2, logBytes.constData(),
                                     O_WRONLY | O_CREAT | O_TRUNC, 0600);
    const QByteArray exeBytes = exe.toLocal8Bit();
    const QByteArray fileBytes = timesFile.toLocal8Bit();
    char option[] = "--startuptime";
    char *argv[] = {const_cast<char *>(exeBytes.constData()), option,
                    const_cast<char *>(fileBytes.constData()), nullptr};

    const long long start = monotonicNs();
    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, argv[0], &actions, nullptr, argv, environ);
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0)
        fail(QStringLiteral("cannot start ") + exe);
    int status = 0;
    rusage usage{};
    // A start-up that stops at a message box (a folder without its bank,
    // say) would wait for a person for ever: it has 30 s. The alarm breaks
    // the wait without polling, which would blur the measured times.
    g_timedOut = 0;
    alarm(30);
    pid_t waited = 0;
    while ((waited = wait4(pid, &status, 0, &usage)) < 0 && errno == EINTR)
        kill(pid, SIGKILL);
    alarm(0);
    if (g_timedOut)
        failRun(exe + QStringLiteral(" did not end within 30 s (a message box? see ") + g_childLog +
                QLatin1Char(')'));
    if (waited != pid)
        fail(QStringLiteral("lost ") + exe);
    const long long end = monotonicNs();
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
        failRun(exe + QStringLiteral(" failed with status %1").arg(status));

    Run run;
    run.toExitMs = double(end - start) / 1e6;
    run.peakMiB = double(usage.ru_maxrss) / 1024.0; // kilobytes on Linux
    QFile times(timesFile);
    if (!times.open(QIODevice::ReadOnly))
        failRun(QStringLiteral("no stage times from ") + exe);
    for (const QByteArray &line : times.readAll().split('\n')) {
        const QList<QByteArray> fields = line.split('\t');
        if (fields.size() != 3)
            continue;
        run.at[fields[0].toStdString()] = double(fields[2].toLongLong() - start) / 1e6;
    }
    if (!run.at.count("window shown"))
        failRun(exe + QStringLiteral(" wrote no \"window shown\""));
    run.toShownMs = run.at["window shown"];
    return run;
}

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    const std::size_t n = v.size();
    return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

template <typename F> double medianOf(const Program &p, F value)
{
    std::vector<double> v;
    for (const Run &r : p.runs)
        v.push_back(value(r));
    return median(v);
}

} // namespace

int main(int argc, char **argv)
{
    // Without SA_RESTART, so that the alarm ends a wait for the program.
    struct sigaction alarmAction {};
    alarmAction.sa_handler = onAlarm;
    sigaction(SIGALRM, &alarmAction, nullptr);
    int runs = 15;
    QString baseline;
    for (int i = 1; i + 1 < argc; ++i) {
        if (std::strcmp(argv[i], "--runs") == 0)
            runs = std::max(1, std::atoi(argv[i + 1]));
        if (std::strcmp(argv[i], "--baseline") == 0)
            baseline = QFileInfo(QString::fromLocal8Bit(argv[i + 1])).absoluteFilePath();
    }
    if (!std::getenv("QT_QPA_PLATFORM"))
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    setenv("QT_LOGGING_RULES", "qt.multimedia*=false", 1);

    QTemporaryDir root;
    if (!root.isValid())
        fail(QStringLiteral("no temporary folder"));
    // Settings and runtime files of the runs stay out of the user's own.
    const QString config = root.filePath(QStringLiteral("config"));
    const QString runtime = root.filePath(QStringLiteral("runtime"));
    QDir().mkpath(config);
    QDir().mkpath(runtime);
    QFile::setPermissions(runtime, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    setenv("XDG_CONFIG_HOME", config.toLocal8Bit().constData(), 1);
    setenv("XDG_RUNTIME_DIR", runtime.toLocal8Bit().constData(), 1);

    const QString zelquiz = QStringLiteral(ZELQUIZ_EXE);
    const QString fullExe = programFolder(root.path(), "full", zelquiz);
    writeFullBank(QFileInfo(fullExe).absolutePath());
    std::vector<Program> programs = {
        {"bare window", QStringLiteral(BARE_WINDOW_EXE), {}},
        {"bundled bank", programFolder(root.path(), "bundled", zelquiz), {}},
        {"600-line bank", fullExe, {}},
    };
    if (!baseline.isEmpty()) {
        const QString fullBefore = programFolder(root.path(), "full-before", baseline);
        writeFullBank(QFileInfo(fullBefore).absolutePath());
        programs.push_back(
            {"before, bundled", programFolder(root.path(), "bundled-before", baseline), {}});
        programs.push_back({"before, 600", fullBefore, {}});
    }
    const QString timesFile = root.filePath(QStringLiteral("times.txt"));
    g_childLog = root.filePath(QStringLiteral("stderr.txt"));

    // One round to warm the file cache, not counted; then the programs in
    // turn, the first of each round moving on by one.
    for (Program &p : programs)
        runOnce(p.exe, timesFile);
    for (int r = 0; r < runs; ++r) {
        for (std::size_t k = 0; k < programs.size(); ++k) {
            Program &p = programs[(k + std::size_t(r)) % programs.size()];
            p.runs.push_back(runOnce(p.exe, timesFile));
        }
    }

    const Program &bare = programs[0];
    const double bareShown = medianOf(bare, [](const Run &r) { return r.toShownMs; });
    const double bareExit = medianOf(bare, [](const Run &r) { return r.toExitMs; });
    const double bareMem = medianOf(bare, [](const Run &r) { return r.peakMiB; });
    std::printf("%d runs each, QT_QPA_PLATFORM=%s; medians\n\n", runs,
                std::getenv("QT_QPA_PLATFORM"));
    std::printf("%-16s %12s %8s %12s %8s %10s %8s\n", "program", "on screen", "ratio", "whole run",
                "ratio", "peak RSS", "ratio");
    for (const Program &p : programs) {
        const double shown = medianOf(p, [](const Run &r) { return r.toShownMs; });
        const double exit = medianOf(p, [](const Run &r) { return r.toExitMs; });
        const double mem = medianOf(p, [](const Run &r) { return r.peakMiB; });
        std::printf("%-16s %9.1f ms %8.2f %9.1f ms %8.2f %6.1f MiB %8.2f\n", p.label, shown,
                    shown / bareShown, exit, exit / bareExit, mem, mem / bareMem);
    }

    std::printf("\nstages, ms after the process was started (medians):\n");
    for (const Program &p : programs) {
        std::printf("  %s:", p.label);
        for (const char *stage : {"application created", "window created", "bank loaded",
                                  "first question on screen", "window shown"}) {
            if (p.runs.front().at.count(stage))
                std::printf("  %s %.1f", stage,
                            medianOf(p, [&](const Run &r) { return r.at.at(stage); }));
        }
        std::printf("\n");
    }
    return 0;
}
