// The record's files when things go wrong: a file that is not a database, a
// newer program's file, a folder that cannot be written, a lock held by
// another program, two programs at once and a program killed mid-write.
// The multi-process cases run this test program again as the other process.
#include "core/record/LearningRecord.h"
#include "core/record/QuestionKey.h"
#include "support/CaseName.h"
#include "support/QtPrinters.h"
#include "support/TempDir.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLockFile>
#include <QProcess>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QThread>

#include <gtest/gtest.h>

#include <cstdio>
#ifndef Q_OS_WIN
#include <csignal>
#include <sys/resource.h>
#include <unistd.h>
#endif

namespace {

AnswerEvent anAnswer(int n)
{
    const QString subject = QStringLiteral("S%1").arg(n % 50);
    return {QuestionKey::of({}, subject, {}),
            {},
            subject,
            {},
            RecordedQuiz::Timed,
            n % 3 ? AnswerOutcome::FirstRight : AnswerOutcome::FirstWrong,
            QDateTime::currentDateTimeUtc(),
            10};
}

// Runs this program (or a copy of it) as a child doing `mode` on the
// record at `path`.
QProcess *child(const QString &mode, const QString &path, const QStringList &wrapper = {},
                const QString &program = QCoreApplication::applicationFilePath())
{
    auto *p = new QProcess;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("ZELQUIZ_RECORD_CHILD"), mode);
    env.insert(QStringLiteral("ZELQUIZ_RECORD_PATH"), path);
    p->setProcessEnvironment(env);
    QStringList args = wrapper;
    args << program << QStringLiteral("--gtest_filter=RecordChild.Run");
    p->start(args.takeFirst(), args);
    return p;
}

// The other process. "write N": records N answers (0: for ever), printing
// the count after each one has been committed. "open": opens the record as
// the program does, records one answer and prints what the user is told.
// Both print on the error channel, apart from the test framework's output.
// Registered only in the child, so that a normal run lists no such test.
class RecordChild : public ::testing::Test {
    void TestBody() override;
};

const bool childRegistered = [] {
    if (qEnvironmentVariableIsEmpty("ZELQUIZ_RECORD_CHILD"))
        return false;
    ::testing::RegisterTest("RecordChild", "Run", nullptr, nullptr, __FILE__, __LINE__,
                            []() -> ::testing::Test * { return new RecordChild; });
    return true;
}();

void RecordChild::TestBody()
{
    const QString mode = qEnvironmentVariable("ZELQUIZ_RECORD_CHILD");
    const QString path = qEnvironmentVariable("ZELQUIZ_RECORD_PATH");
    if (mode == QLatin1String("open") || mode == QLatin1String("full")) {
        LearningRecord record(path);
        record.open();
        if (mode == QLatin1String("full")) {
#ifndef Q_OS_WIN
            // A disk that fills up: no file may grow past a few pages more.
            std::signal(SIGXFSZ, SIG_IGN);
            const rlimit limit{rlim_t(QFileInfo(path).size() + 200000), RLIM_INFINITY};
            setrlimit(RLIMIT_FSIZE, &limit);
#endif
            for (int i = 2; i < 400; ++i)
                record.record(anAnswer(i));
        }
        record.record(anAnswer(1));
        record.flush();
        QCoreApplication::processEvents();
        const QString first = record.takeNotice();
        // Framed: an instrumented build may add its own lines at the exit.
        std::fprintf(stderr, "[[%s|%s]]\n", qPrintable(first), qPrintable(record.takeNotice()));
        return;
    }
    RecordStore store(path);
    const RecordStore::OpenResult opened = store.open();
    ASSERT_EQ(opened.status, RecordStore::Status::Ready) << opened.problem.toStdString();
    const int n = mode.section(QLatin1Char(' '), 1).toInt();
    for (int i = 1; n == 0 || i <= n; ++i) {
        const QString problem = failureText(store.record(anAnswer(i)));
        ASSERT_TRUE(problem.isEmpty()) << problem.toStdString();
        std::fprintf(stderr, "%d\n", i);
    }
}

// What the "open" child said it told the user.
[[maybe_unused]] QString told(QProcess &p)
{
    const QString err = QString::fromUtf8(p.readAllStandardError());
    return err.section(QStringLiteral("[["), 1).section(QStringLiteral("]]"), 0, 0);
}

qint64 answersIn(const QString &path)
{
    RecordStore store(path);
    EXPECT_EQ(store.open().status, RecordStore::Status::Ready);
    return store.answerCount();
}

void makeDatabase(const QString &path, const QStringList &statements)
{
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), path);
        db.setDatabaseName(path);
        ASSERT_TRUE(db.open());
        QSqlQuery q(db);
        for (const QString &s : statements)
            ASSERT_TRUE(q.exec(s)) << s.toStdString();
    }
    QSqlDatabase::removeDatabase(path);
}

struct UnreadableCase {
    const char *name;
    std::function<void(const TempDir &dir, const QString &path)> make;
    RecordStore::Status status;
    bool keptAside;
    const char *notice;
};
class RecordFileFound : public ::testing::TestWithParam<UnreadableCase> {};

TEST_P(RecordFileFound, AFileItCannotReadIsKeptAsideAndANewerOneLeftAlone)
{
    const UnreadableCase &c = GetParam();
    TempDir dir;
    const QString path = dir.file(QStringLiteral("record.sqlite"));
    c.make(dir, path);
    const QByteArray before = dir.read(QStringLiteral("record.sqlite"));
    LearningRecord record(path);
    record.open();
    const QString notice = record.takeNotice();
    EXPECT_TRUE(notice.contains(QLatin1String(c.notice))) << notice.toStdString();
    EXPECT_EQ(record.isReady(), c.status == RecordStore::Status::Ready);
    if (c.keptAside) {
        const QString aside = notice.section(QLatin1Char('\r'), 1, 1);
        QFile kept(aside);
        ASSERT_TRUE(kept.open(QIODevice::ReadOnly)) << aside.toStdString();
        EXPECT_EQ(kept.readAll(), before);
        EXPECT_TRUE(notice.endsWith(path));
        kept.remove();
    } else if (c.status == RecordStore::Status::Newer) {
        record.record(anAnswer(1));
        record.flush();
        EXPECT_EQ(dir.read(QStringLiteral("record.sqlite")), before) << "never downgraded";
    }
}

const UnreadableCase kUnreadableCases[] = {
    {"not_a_database",
     [](const TempDir &dir, const QString &) {
         dir.write(QStringLiteral("record.sqlite"), QByteArray("not a database\n").repeated(300));
     },
     RecordStore::Status::Ready, true, "could not be read. It has been kept as:\r"},
    {"newer_version",
     [](const TempDir &, const QString &path) {
         makeDatabase(path, {QStringLiteral("CREATE TABLE later(x)"),
                             QStringLiteral("PRAGMA user_version = 99")});
     },
     RecordStore::Status::Newer, false, "cannot be used: the file was written by a newer"},
    // Any version this program does not know is left alone, negative too.
    {"negative_version",
     [](const TempDir &, const QString &path) {
         makeDatabase(path, {QStringLiteral("CREATE TABLE later(x)"),
                             QStringLiteral("PRAGMA user_version = -1")});
     },
     RecordStore::Status::Newer, false,
     "cannot be used: the file has record version -1, which this program does not know"},
    {"empty_file",
     [](const TempDir &dir, const QString &) { dir.write(QStringLiteral("record.sqlite"), {}); },
     RecordStore::Status::Ready, false, ""},
};
INSTANTIATE_TEST_SUITE_P(Files, RecordFileFound, ::testing::ValuesIn(kUnreadableCases), CaseName());

// Windows has neither a per-process file size limit nor folder modes that
// stop the owner from writing.
#ifndef Q_OS_WIN
// Root passes every permission check, so the unwritable folder is tried
// as the unprivileged user "nobody".
TEST(RecordFaultTest, AFolderItCannotWriteLeavesTheQuizWithoutARecord)
{
    TempDir dir;
    const QString locked = dir.file(QStringLiteral("locked"));
    ASSERT_TRUE(QDir().mkpath(locked));
    QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner |
                                          QFile::ReadOther | QFile::ExeOther);
    QFile::setPermissions(locked,
                          QFile::ReadOwner | QFile::ExeOwner | QFile::ReadOther | QFile::ExeOther);
    const QStringList asNobody =
        geteuid() == 0 ? QStringList{"setpriv", "--reuid=65534", "--regid=65534", "--clear-groups"}
                       : QStringList{};
    // The build folder may be closed to other users; a copy here is not.
    const QString program = dir.file(QStringLiteral("test_core"));
    ASSERT_TRUE(QFile::copy(QCoreApplication::applicationFilePath(), program));
    for (const QString &path : {locked + QStringLiteral("/record.sqlite"),
                                locked + QStringLiteral("/new/record.sqlite")}) {
        std::unique_ptr<QProcess> p(child(QStringLiteral("open"), path, asNobody, program));
        ASSERT_TRUE(p->waitForFinished(30000));
        const QString out = told(*p);
        EXPECT_EQ(p->exitCode(), 0) << p->readAllStandardOutput().toStdString();
        EXPECT_TRUE(out.startsWith(QLatin1String("The learning record cannot be used: ")))
            << out.toStdString();
        EXPECT_TRUE(out.endsWith(path + QLatin1Char('|'))) << "told once, with the path";
    }
    EXPECT_FALSE(QFileInfo::exists(locked + QStringLiteral("/record.sqlite")));
}

// Two starts on a file that is not a record: the first is held inside its
// move aside while the second looks at the file. One of them moves the
// original aside (its bytes kept under a name of their own), the other
// uses the fresh record that replaced it, and both answers land in it.
TEST(RecordFaultTest, TwoStartsOnAnUnreadableFileKeepItAndShareTheFreshRecord)
{
    if (QStandardPaths::findExecutable(QStringLiteral("strace")).isEmpty())
        GTEST_SKIP() << "strace is not installed";
    TempDir dir;
    const QString path = dir.file(QStringLiteral("record.sqlite"));
    const QByteArray original = QByteArray("the only copy of someone's history\n").repeated(200);
    dir.write(QStringLiteral("record.sqlite"), original);
    const QString delay = "inject=rename,renameat,renameat2:delay_enter=1500000";
    const QStringList held = {"strace", "-f", "-o", "/dev/null", "-e", delay};
    std::unique_ptr<QProcess> first(child(QStringLiteral("open"), path, held));
    QThread::msleep(700);
    std::unique_ptr<QProcess> second(child(QStringLiteral("open"), path));
    for (QProcess *p : {first.get(), second.get()})
        ASSERT_TRUE(p->waitForFinished(30000));
    const QStringList aside = QDir(dir.path()).entryList({"record.sqlite.unreadable-*"});
    ASSERT_EQ(aside.size(), 1);
    EXPECT_EQ(dir.read(aside[0]), original);
    EXPECT_EQ(answersIn(path), 2);
}

TEST(RecordFaultTest, AFullDiskIsToldOnceAndKeepsWhatWasWritten)
{
    TempDir dir;
    const QString path = dir.file(QStringLiteral("record.sqlite"));
    std::unique_ptr<QProcess> p(child(QStringLiteral("full"), path));
    ASSERT_TRUE(p->waitForFinished(60000));
    const QString out = told(*p);
    EXPECT_TRUE(out.startsWith(QLatin1String("The learning record cannot be written: ")))
        << out.toStdString();
    EXPECT_TRUE(out.endsWith(path + QLatin1Char('|'))) << "told once";
    RecordStore store(path);
    ASSERT_EQ(store.open().status, RecordStore::Status::Ready);
    EXPECT_GT(store.answerCount(), 0);
    EXPECT_EQ(failureText(store.record(anAnswer(1))), QString());
}

#endif

TEST(RecordFaultTest, AFileHeldByAnotherProgramIsNotMovedAndTheUserIsToldOnce)
{
    TempDir dir;
    const QString path = dir.file(QStringLiteral("record.sqlite"));
    LearningRecord record(path);
    record.open();
    ASSERT_TRUE(record.isReady());
    {
        QSqlDatabase other = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), path);
        other.setDatabaseName(path);
        ASSERT_TRUE(other.open());
        QSqlQuery hold(other);
        ASSERT_TRUE(hold.exec(QStringLiteral("BEGIN EXCLUSIVE")));
        RecordStore second(path);
        const RecordStore::OpenResult r = second.open();
        EXPECT_EQ(r.status, RecordStore::Status::Unavailable);
        EXPECT_TRUE(r.keptAside.isEmpty());
        record.record(anAnswer(1));
        record.flush();
        QCoreApplication::processEvents();
        EXPECT_TRUE(record.takeNotice().startsWith(
            QLatin1String("The learning record cannot be written: database is locked")));
        hold.exec(QStringLiteral("ROLLBACK"));
    }
    QSqlDatabase::removeDatabase(path);
    record.record(anAnswer(2));
    record.flush();
    QCoreApplication::processEvents();
    EXPECT_EQ(record.takeNotice(), QString());
    EXPECT_EQ(record.store().answerCount(), 1);
}

// A copy that holds the file's set-up for longer than a write may wait.
TEST(RecordFaultTest, AFileAnotherCopyIsSettingUpIsLeftToIt)
{
    TempDir dir;
    QLockFile other(dir.file(QStringLiteral("record.sqlite.lock")));
    ASSERT_TRUE(other.tryLock(0));
    RecordStore store(dir.file(QStringLiteral("record.sqlite")));
    EXPECT_EQ(store.open().problem, "another copy of the program is setting up the file");
}

TEST(RecordFaultTest, TwoProgramsBothRecordAndAKillLosesNoFinishedAnswer)
{
    TempDir dir;
    const QString path = dir.file(QStringLiteral("record.sqlite"));
    std::unique_ptr<QProcess> a(child(QStringLiteral("write 300"), path));
    std::unique_ptr<QProcess> b(child(QStringLiteral("write 300"), path));
    for (QProcess *p : {a.get(), b.get()}) {
        ASSERT_TRUE(p->waitForFinished(60000));
        EXPECT_EQ(p->exitCode(), 0) << p->readAllStandardOutput().right(800).toStdString();
    }
    EXPECT_EQ(answersIn(path), 600);

    std::unique_ptr<QProcess> killed(child(QStringLiteral("write 0"), path));
    QByteArray out;
    killed->setReadChannel(QProcess::StandardError);
    while (out.count('\n') < 200 && killed->waitForReadyRead(10000))
        out += killed->readAllStandardError();
    killed->kill();
    killed->waitForFinished();
    out += killed->readAllStandardError();
    const QList<QByteArray> lines = out.trimmed().split('\n');
    ASSERT_GE(lines.size(), 200);
    EXPECT_GE(answersIn(path), 600 + lines.back().toInt());
}

} // namespace
