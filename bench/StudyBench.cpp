// The spaced review on a record of 1,000,000 answers over a 600-question
// bank: the replay of every answer into memory states when an older record
// is opened, working out the Review Due list (read the states, order them,
// set up the drill), and recording one more answer. Prints medians; run:
// build with -DZELQUIZ_BENCH=ON, then bin/bench_study.
#include "core/quiz/BankLoader.h"
#include "core/record/DuePicker.h"
#include "core/record/QuestionKey.h"
#include "core/record/RecordStore.h"
#include "core/record/StudyPlan.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <functional>

namespace {

constexpr int Questions = 600;
constexpr int Answers = 1000000;

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v.empty() ? 0 : v[v.size() / 2];
}

// The thread's own CPU time of each measurement too: on a machine shared
// with other work the wall time also counts the waits for a core.
std::vector<double> cpuTimes;

double cpuMs()
{
    timespec ts{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
    return double(ts.tv_sec) * 1e3 + double(ts.tv_nsec) / 1e6;
}

double timeMs(const std::function<void()> &run)
{
    QElapsedTimer t;
    const double cpu = cpuMs();
    t.start();
    run();
    cpuTimes.push_back(cpuMs() - cpu);
    return double(t.nsecsElapsed()) / 1e6;
}

// The median CPU time of the measurements since the last call.
double cpuMedian()
{
    const double m = median(cpuTimes);
    cpuTimes.clear();
    return m;
}

// Runs SQL on the file outside the store; false on any failure.
bool execAll(const QString &path, const std::function<bool(QSqlQuery &)> &steps)
{
    bool ok = false;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), "bench");
        db.setDatabaseName(path);
        QSqlQuery q(db);
        ok = db.open() && steps(q);
    }
    QSqlDatabase::removeDatabase("bench");
    return ok;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("record.sqlite"));
    QStringList texts;
    QStringList lines;
    for (int i = 1; i <= Questions; ++i) {
        texts << QStringLiteral("T%1").arg(i);
        lines << QStringLiteral("%1|%2|1|2|3|4|5|").arg(i % 8 + 1).arg(i);
    }
    const QuestionBank bank = BankLoader::buildBank(texts, lines, standardWordings());
    const QDateTime now = QDateTime::currentDateTime();
    {
        RecordStore create(path);
        if (create.open().status != RecordStore::Status::Ready)
            return 1;
    }
    // A year of answers, filled in one transaction (recording them one by
    // one would take hours): 70 % right at the first try.
    const bool filled = execAll(path, [&](QSqlQuery &q) {
        if (!q.exec("BEGIN") ||
            !q.prepare("INSERT INTO questions(id, key, wording, subject, answer)"
                       " VALUES(?, ?, '', '', '')"))
            return false;
        for (int j = 1; j <= Questions; ++j) {
            q.addBindValue(j);
            q.addBindValue(QString::fromLatin1(QuestionKey::ofEntry(bank, j)));
            if (!q.exec())
                return false;
        }
        // Generated inside SQLite: binding a million rows one by one through
        // Qt SQL takes minutes.
        const qint64 start = now.addDays(-365).toMSecsSinceEpoch();
        const qint64 firstDay = now.addDays(-365).date().toJulianDay();
        if (!q.exec(QStringLiteral("INSERT INTO answers(question, at, day, quiz, outcome, ms)"
                                   " WITH RECURSIVE n(i) AS (SELECT 0 UNION ALL SELECT i + 1 FROM n"
                                   " WHERE i < %1) SELECT 1 + (i * 7919) % %2, %3 + i * 31000,"
                                   " %4 + i * 31 / 86400, 0, (i * 7) % 10 >= 7, 1500 FROM n")
                        .arg(Answers - 1)
                        .arg(Questions)
                        .arg(start)
                        .arg(firstDay)))
            return false;
        return q.exec("COMMIT");
    });
    if (!filled)
        return 1;

    std::vector<double> replays;
    for (int run = 0; run < 5; ++run) {
        if (!execAll(path, [](QSqlQuery &q) {
                return q.exec("DROP TABLE memory") && q.exec("PRAGMA user_version = 1");
            }))
            return 1;
        RecordStore store(path);
        replays.push_back(timeMs([&store] {
            if (store.open().status != RecordStore::Status::Ready)
                std::exit(1);
        }));
    }
    std::printf("open an older record, replaying %d answers: median %.0f ms (CPU %.0f ms)\n",
                Answers, median(replays), cpuMedian());

    RecordStore store(path);
    if (store.open().status != RecordStore::Status::Ready)
        return 1;
    const std::vector<BankQuestion> questions = StudyPlan::bankQuestions(bank);
    std::vector<double> dueLists, reads, orders;
    std::size_t due = 0;
    for (int run = 0; run < 101; ++run) {
        std::vector<MemoryEntry> entries;
        std::vector<QByteArray> order;
        const StudyPlan plan(StudySettings{}, now.date());
        const double cpu = cpuMs();
        reads.push_back(timeMs([&] { entries = store.memoryEntries(); }));
        orders.push_back(timeMs([&] { order = plan.reviewOrder(entries, questions); }));
        dueLists.push_back(reads.back() + orders.back() + timeMs([&] {
                               due = std::size_t(DuePicker(questions, order).dueCount());
                           }));
        cpuTimes.resize(cpuTimes.size() - 3);
        cpuTimes.push_back(cpuMs() - cpu);
    }
    std::printf("Review Due list (%d questions, %zu to ask): median %.3f ms (CPU %.3f ms; reading "
                "the states %.3f ms, ordering them %.3f ms)\n",
                Questions, due, median(dueLists), cpuMedian(), median(reads), median(orders));

    std::vector<double> writes;
    for (int n = 0; n < 1000; ++n) {
        const int entry = 1 + n % Questions;
        const AnswerEvent e{QuestionKey::ofEntry(bank, entry),
                            {},
                            bank.subject(entry),
                            {},
                            RecordedQuiz::Review,
                            n % 3 ? AnswerOutcome::FirstRight : AnswerOutcome::FirstWrong,
                            QDateTime::currentDateTimeUtc(),
                            1200};
        bool ok = true;
        writes.push_back(timeMs([&] { ok = bool(store.record(e)); }));
        if (!ok)
            return 1;
    }
    std::printf("record one answer (memory state included): median %.3f ms (CPU %.3f ms)\n",
                median(writes), cpuMedian());
    return 0;
}
