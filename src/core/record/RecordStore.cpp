#include "RecordStore.h"

#include "ExamTable.h"
#include "MemoryTable.h"
#include "RecordCsv.h"
#include "core/common/FileMove.h"
#include "core/quiz/QuestionBank.h"

#include <QAtomicInteger>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QThread>
#include <QVariant>

#include <algorithm>

namespace {

// The statistics select first tries by number.
static_assert(int(AnswerOutcome::FirstRight) == 0 && int(AnswerOutcome::FirstWrong) == 1);

// SQLite's primary result codes, as the driver reports them.
constexpr int SqliteBusy = 5;
constexpr int SqliteLocked = 6;
constexpr int SqliteCorrupt = 11;
constexpr int SqliteNotADatabase = 26;

// How often an export tells its progress, in rows.
constexpr qint64 ProgressRows = 1000;

// The tables of each schema version, applied in turn to an older file.
const std::vector<std::vector<const char *>> &migrations()
{
    static const std::vector<std::vector<const char *>> steps = {
        {
            "CREATE TABLE questions(id INTEGER PRIMARY KEY, key TEXT NOT NULL UNIQUE,"
            " wording TEXT NOT NULL, subject TEXT NOT NULL, answer TEXT NOT NULL,"
            " asked INTEGER NOT NULL DEFAULT 0, right_first INTEGER NOT NULL DEFAULT 0,"
            " missed INTEGER NOT NULL DEFAULT 0, streak INTEGER NOT NULL DEFAULT 0,"
            " due INTEGER NOT NULL DEFAULT 0, last_at INTEGER)",
            "CREATE TABLE answers(id INTEGER PRIMARY KEY,"
            " question INTEGER NOT NULL REFERENCES questions(id),"
            " at INTEGER NOT NULL, day INTEGER NOT NULL, quiz INTEGER NOT NULL,"
            " outcome INTEGER NOT NULL, ms INTEGER NOT NULL)",
            "CREATE INDEX answers_day ON answers(day)",
        },
        {MemoryTable::CreateSql, MemoryTable::ReplayStep},
        {ExamTable::CreateSql},
        // First tries per day, kept as each answer is recorded, so that the
        // progress window does not count years of answers each time it
        // opens (the per-question totals are in "questions" already).
        {
            "CREATE TABLE IF NOT EXISTS day_totals(day INTEGER PRIMARY KEY, asked INTEGER NOT NULL,"
            " right_first INTEGER NOT NULL)",
            "DELETE FROM day_totals",
            "INSERT INTO day_totals(day, asked, right_first)"
            " SELECT day, count(*), sum(outcome = 0) FROM answers WHERE outcome <= 1"
            " GROUP BY day",
        },
    };
    return steps;
}

int nativeCode(const QSqlError &e)
{
    return e.nativeErrorCode().toInt() & 0xff;
}

QString describe(const QSqlError &e)
{
    const QString text = e.databaseText().isEmpty() ? e.driverText() : e.databaseText();
    return text.isEmpty() ? QStringLiteral("unknown database error") : text;
}

QString nextConnectionName()
{
    static QAtomicInteger<int> serial;
    return QStringLiteral("zelquiz-record-%1").arg(serial.fetchAndAddRelaxed(1));
}

// Moves an unreadable file to a name of its own beside it, never over
// another file (not even one another copy of the program has just kept
// there): the empty name on failure.
QString moveAside(const QString &path)
{
    const QString stamp = QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    QString name = path + QStringLiteral(".unreadable-") + stamp;
    for (int n = 2; n < 1000; ++n) {
        switch (FileMove::withoutReplacing(path, name)) {
        case FileMove::Outcome::Moved:
            return name;
        case FileMove::Outcome::NameTaken:
            name = path + QStringLiteral(".unreadable-%1-%2").arg(stamp).arg(n);
            break;
        case FileMove::Outcome::Failed:
            return {};
        }
    }
    return {};
}

Failure notOpen()
{
    return failure(QStringLiteral("the record is not open"));
}

// What keeps a file of an unknown schema version closed; empty for a
// version this program reads or brings up to date.
QString unknownVersionProblem(int version, int known)
{
    if (version > known)
        return QStringLiteral("the file was written by a newer version of the program and is "
                              "left as it is");
    // No program writes a negative version: the file was changed by hand
    // or by another tool, and is left as it is all the same.
    if (version < 0)
        return QStringLiteral("the file has record version %1, which this program does not "
                              "know, and is left as it is")
            .arg(version);
    return {};
}

} // namespace

struct RecordStore::Queries {
    explicit Queries(const QSqlDatabase &db)
        : addQuestion(db), findQuestion(db), updateQuestion(db), addAnswer(db), memory(db),
          addToDay(db)
    {
        addQuestion.prepare(
            QStringLiteral("INSERT INTO questions(key, wording, subject, answer) VALUES(?, ?, ?, ?)"
                           " ON CONFLICT(key) DO NOTHING"));
        findQuestion.prepare(QStringLiteral("SELECT id, streak, due FROM questions WHERE key = ?"));
        updateQuestion.prepare(
            QStringLiteral("UPDATE questions SET asked = asked + 1, right_first = right_first + ?,"
                           " missed = missed + ?, streak = ?, due = ?, last_at = ? WHERE id = ?"));
        addAnswer.prepare(QStringLiteral(
            "INSERT INTO answers(question, at, day, quiz, outcome, ms) VALUES(?, ?, ?, ?, ?, ?)"));
        addToDay.prepare(QStringLiteral(
            "INSERT INTO day_totals(day, asked, right_first) VALUES(?, 1, ?) ON CONFLICT(day)"
            " DO UPDATE SET asked = asked + 1, right_first = right_first + excluded.right_first"));
    }
    QSqlQuery addQuestion;
    QSqlQuery findQuestion;
    QSqlQuery updateQuestion;
    QSqlQuery addAnswer;
    MemoryTable memory;
    QSqlQuery addToDay;
};

RecordStore::RecordStore(QString path) : m_path(std::move(path)), m_connection(nextConnectionName())
{
}

RecordStore::~RecordStore()
{
    close();
}

void RecordStore::close()
{
    m_queries.reset();
    m_ready = false;
    if (QSqlDatabase::contains(m_connection)) {
        QSqlDatabase::database(m_connection, false).close();
        QSqlDatabase::removeDatabase(m_connection);
    }
}

RecordStore::OpenResult RecordStore::open()
{
    const QFileInfo file(m_path);
    if (!QDir().mkpath(file.absolutePath()))
        return {Status::Unavailable, QStringLiteral("the folder cannot be created"), {}};
    // One copy of the program at a time decides about the file: two that
    // both found it unreadable would otherwise both move "it" aside, the
    // second one the other's fresh record. Without a lock (a folder that
    // cannot be written) the open goes on and fails as it always has.
    QLockFile lock(m_path + QStringLiteral(".lock"));
    if (!lock.tryLock(BusyTimeoutMs) && lock.error() == QLockFile::LockFailedError)
        return {Status::Unavailable,
                QStringLiteral("another copy of the program is setting up the file"),
                {}};
    const bool unreadable = file.exists() && (!file.isFile() || !file.isReadable());
    QElapsedTimer waited;
    waited.start();
    int code = 0;
    OpenResult result =
        unreadable ? OpenResult{Status::Unavailable, QStringLiteral("the file cannot be read"), {}}
                   : openOnce(code);
    // Two programs setting up the same file at once can meet a lock that
    // SQLite reports at once instead of waiting: wait for it here.
    while ((code == SqliteBusy || code == SqliteLocked) && waited.elapsed() < BusyTimeoutMs) {
        QThread::msleep(20);
        result = openOnce(code);
    }
    const bool foreign = unreadable || code == SqliteNotADatabase || code == SqliteCorrupt;
    if (result.status == Status::Newer)
        close(); // a newer program's file is not touched again
    if (!foreign)
        return result;
    // The file holds something, but not a record this program can read. It
    // may be the only copy of someone's history: move it aside, never delete.
    close();
    const QString aside = moveAside(m_path);
    if (aside.isEmpty())
        return {
            Status::Unavailable, result.problem + QStringLiteral("; it cannot be moved aside"), {}};
    for (const char *suffix : {"-wal", "-shm"}) {
        if (QFileInfo::exists(m_path + QLatin1String(suffix)))
            (void)FileMove::withoutReplacing(m_path + QLatin1String(suffix),
                                             aside + QLatin1String(suffix));
    }
    result = openOnce(code);
    result.keptAside = aside;
    return result;
}

RecordStore::OpenResult RecordStore::openOnce(int &code)
{
    code = 0;
    close();
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_connection);
    if (!db.isValid())
        return {
            Status::Unavailable, QStringLiteral("the SQLite driver of Qt is not installed"), {}};
    db.setDatabaseName(m_path);
    db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(BusyTimeoutMs));
    if (!db.open())
        return {Status::Unavailable, describe(db.lastError()), {}};

    QSqlQuery q(db);
    // The first statement reads the file: a file that is not a database
    // fails here, and only such a file is moved aside (a busy one is not).
    auto failed = [&q, &code] {
        code = nativeCode(q.lastError());
        return OpenResult{Status::Unavailable, describe(q.lastError()), {}};
    };
    if (!q.exec(QStringLiteral("PRAGMA user_version")) || !q.next())
        return failed();
    if (QString unknown = unknownVersionProblem(q.value(0).toInt(), SchemaVersion);
        !unknown.isEmpty())
        return {Status::Newer, unknown, {}};
    // WAL lets the progress window read while an answer is being written;
    // NORMAL still keeps every committed answer when the program is killed.
    // The mode is kept in the file: switched once, when the file is new.
    if (!q.exec(QStringLiteral("PRAGMA journal_mode")) || !q.next())
        return failed();
    if (q.value(0).toString() != QLatin1String("wal")) {
        if (!q.exec(QStringLiteral("PRAGMA journal_mode=WAL")) || !q.next())
            return failed();
        // SQLite keeps the old mode, without an error, while another
        // connection holds the file.
        if (q.value(0).toString() != QLatin1String("wal")) {
            code = SqliteBusy;
            return {Status::Unavailable, QStringLiteral("database is locked"), {}};
        }
    }
    if (!q.exec(QStringLiteral("PRAGMA synchronous=NORMAL")))
        return failed();
    if (OpenResult migrated = migrate(code); migrated.status != Status::Ready)
        return migrated;
    m_queries = std::make_unique<Queries>(db);
    m_ready = true;
    return {Status::Ready, {}, {}};
}

RecordStore::OpenResult RecordStore::migrate(int &code)
{
    QSqlDatabase db = QSqlDatabase::database(m_connection, false);
    QSqlQuery q(db);
    auto failed = [&q, &code] {
        code = nativeCode(q.lastError());
        OpenResult r{Status::Unavailable, describe(q.lastError()), {}};
        q.exec(QStringLiteral("ROLLBACK"));
        return r;
    };
    // IMMEDIATE: two programs starting at once must not both create tables.
    if (!q.exec(QStringLiteral("BEGIN IMMEDIATE")))
        return failed();
    int version = 0;
    if (q.exec(QStringLiteral("PRAGMA user_version")) && q.next())
        version = q.value(0).toInt();
    if (QString unknown = unknownVersionProblem(version, SchemaVersion); !unknown.isEmpty()) {
        // Another program changed the version since the first look.
        q.exec(QStringLiteral("ROLLBACK"));
        return {Status::Newer, unknown, {}};
    }
    const auto &steps = migrations();
    Q_ASSERT(steps.size() == std::size_t(SchemaVersion));
    for (int v = version; v < SchemaVersion; ++v) {
        for (const char *sql : steps[std::size_t(v)]) {
            const bool replay = qstrcmp(sql, MemoryTable::ReplayStep) == 0;
            if (replay ? !MemoryTable::replay(q) : !q.exec(QLatin1String(sql)))
                return failed();
        }
    }
    if (!q.exec(QStringLiteral("PRAGMA user_version = %1").arg(SchemaVersion)) ||
        !q.exec(QStringLiteral("COMMIT")))
        return failed();
    return {Status::Ready, {}, {}};
}

Result<> RecordStore::record(const AnswerEvent &e)
{
    if (!m_ready)
        return notOpen();
    QSqlDatabase db = QSqlDatabase::database(m_connection, false);
    QSqlQuery begin(db);
    if (!begin.exec(QStringLiteral("BEGIN IMMEDIATE")))
        return failure(describe(begin.lastError()));
    Queries &qs = *m_queries;
    auto fail = [&begin](const QSqlQuery &failed) {
        Failure problem = failure(describe(failed.lastError()));
        begin.exec(QStringLiteral("ROLLBACK"));
        return problem;
    };
    const qint64 at = e.at.toMSecsSinceEpoch();
    const qint64 day = e.at.toLocalTime().date().toJulianDay();
    const QString key = QString::fromLatin1(e.key);

    // A null text would bind as SQL NULL; an empty bank text is still a text.
    for (const QString &text : {key, e.wording, e.subject, e.rightAnswer})
        qs.addQuestion.addBindValue(text.isNull() ? QLatin1String("") : text);
    if (!qs.addQuestion.exec())
        return fail(qs.addQuestion);
    qs.findQuestion.addBindValue(key);
    if (!qs.findQuestion.exec() || !qs.findQuestion.next())
        return fail(qs.findQuestion);
    const qint64 id = qs.findQuestion.value(0).toLongLong();
    const DueState before{qs.findQuestion.value(1).toInt(), qs.findQuestion.value(2).toBool()};
    qs.findQuestion.finish();

    if (isFirstTry(e.outcome)) {
        const bool right = e.outcome == AnswerOutcome::FirstRight;
        const DueState after = nextDueState(before, right);
        for (const QVariant &v :
             {QVariant(right ? 1 : 0), QVariant(right ? 0 : 1), QVariant(after.streak),
              QVariant(after.due ? 1 : 0), QVariant(at), QVariant(id)})
            qs.updateQuestion.addBindValue(v);
        if (!qs.updateQuestion.exec())
            return fail(qs.updateQuestion);
        if (const QSqlQuery *failed = qs.memory.update(id, day, at, right))
            return fail(*failed);
        qs.addToDay.addBindValue(day);
        qs.addToDay.addBindValue(right ? 1 : 0);
        if (!qs.addToDay.exec())
            return fail(qs.addToDay);
    }
    for (const QVariant &v : {QVariant(id), QVariant(at), QVariant(day), QVariant(int(e.quiz)),
                              QVariant(int(e.outcome)), QVariant(e.durationMs)})
        qs.addAnswer.addBindValue(v);
    if (!qs.addAnswer.exec())
        return fail(qs.addAnswer);
    if (!begin.exec(QStringLiteral("COMMIT")))
        return fail(begin);
    return {};
}

Result<> RecordStore::clear()
{
    if (!m_ready)
        return notOpen();
    QSqlQuery q(QSqlDatabase::database(m_connection, false));
    for (const char *sql : {"BEGIN IMMEDIATE", "DELETE FROM exams", "DELETE FROM memory",
                            "DELETE FROM answers", "DELETE FROM questions",
                            "DELETE FROM day_totals", "COMMIT"}) {
        if (!q.exec(QLatin1String(sql))) {
            Failure problem = failure(describe(q.lastError()));
            q.exec(QStringLiteral("ROLLBACK"));
            return problem;
        }
    }
    return {};
}

qint64 RecordStore::answerCount()
{
    QSqlQuery q(QSqlDatabase::database(m_connection, false));
    if (m_ready && q.exec(QStringLiteral("SELECT count(*) FROM answers")) && q.next())
        return q.value(0).toLongLong();
    return 0;
}

std::vector<DueItem> RecordStore::dueItems()
{
    std::vector<DueItem> items;
    QSqlQuery q(QSqlDatabase::database(m_connection, false));
    if (!m_ready || !q.exec(QStringLiteral("SELECT key, missed, streak FROM questions WHERE due = 1"
                                           " ORDER BY missed DESC, streak, last_at")))
        return items;
    while (q.next())
        items.push_back({q.value(0).toString().toLatin1(), q.value(1).toInt(), q.value(2).toInt()});
    return items;
}

RecordStatistics RecordStore::statistics(const QDateTime &now)
{
    RecordStatistics st;
    const Wordings wordings = standardWordings();
    for (std::size_t c = 1; c < wordings.size(); ++c)
        if (!BankEntry{wordings[c], {}}.isSkip())
            st.byWording.push_back({wordings[c], {}});
    st.lastDay = now.toLocalTime().date();
    if (!m_ready)
        return st;
    QSqlQuery q(QSqlDatabase::database(m_connection, false));
    q.setForwardOnly(true);

    if (q.exec(QStringLiteral("SELECT wording, sum(asked), sum(right_first) FROM questions"
                              " GROUP BY wording"))) {
        while (q.next()) {
            const Tally t{q.value(1).toInt(), q.value(2).toInt()};
            st.allTime.asked += t.asked;
            st.allTime.right += t.right;
            const QString wording = q.value(0).toString();
            auto it = std::find_if(st.byWording.begin(), st.byWording.end(),
                                   [&wording](const auto &w) { return w.first == wording; });
            if (it != st.byWording.end())
                it->second = t;
            else if (t.asked > 0)
                st.byWording.push_back({wording, t});
        }
    }

    const qint64 today = st.lastDay.toJulianDay();
    q.prepare(QStringLiteral("SELECT day, asked, right_first FROM day_totals WHERE day > ?"));
    q.addBindValue(today - qint64(st.byDay.size()));
    if (q.exec()) {
        while (q.next()) {
            const qint64 back = today - q.value(0).toLongLong();
            if (back < 0 || back >= qint64(st.byDay.size()))
                continue;
            const Tally t{q.value(1).toInt(), q.value(2).toInt()};
            st.byDay[st.byDay.size() - 1 - std::size_t(back)] = t;
            auto add = [&t](Tally &sum) {
                sum.asked += t.asked;
                sum.right += t.right;
            };
            if (back == 0)
                add(st.today);
            if (back < 7)
                add(st.lastSevenDays);
        }
    }

    if (q.exec(
            QStringLiteral("SELECT subject, wording, answer, asked, right_first, last_at"
                           " FROM questions WHERE asked > 0"
                           " ORDER BY CAST(right_first AS REAL) / asked, asked DESC, last_at DESC"
                           " LIMIT 10"))) {
        while (q.next())
            st.weakest.push_back({q.value(0).toString(),
                                  q.value(1).toString(),
                                  q.value(2).toString(),
                                  {q.value(3).toInt(), q.value(4).toInt()},
                                  QDateTime::fromMSecsSinceEpoch(q.value(5).toLongLong())});
    }
    return st;
}

Result<> RecordStore::exportCsv(QIODevice &out, const std::function<bool(qint64)> &progress)
{
    if (!m_ready)
        return notOpen();
    QSqlQuery q(QSqlDatabase::database(m_connection, false));
    q.setForwardOnly(true);
    if (!q.exec(QStringLiteral("SELECT a.at, a.quiz, a.outcome, a.ms, q.wording, q.subject,"
                               " q.answer, q.key, m.stability, m.difficulty, m.last_at, m.last_day"
                               " FROM answers a JOIN questions q ON q.id = a.question"
                               " LEFT JOIN memory m ON m.question = q.id ORDER BY a.id")))
        return failure(describe(q.lastError()));
    RecordCsv csv(out);
    csv.row(QStringList{QStringLiteral("time"), QStringLiteral("quiz"), QStringLiteral("answer"),
                        QStringLiteral("duration_ms"), QStringLiteral("wording"),
                        QStringLiteral("subject"), QStringLiteral("right_answer"),
                        QStringLiteral("question")} +
            MemoryTable::csvHeader());
    const StudyPlan plan(m_study, QDate::currentDate());
    qint64 rows = 0;
    while (q.next()) {
        if (progress && ++rows % ProgressRows == 0 && !progress(rows))
            return failure(QStringLiteral("the export was cancelled"));
        csv.row(QStringList{QDateTime::fromMSecsSinceEpoch(q.value(0).toLongLong(), Qt::UTC)
                                .toString(Qt::ISODateWithMs),
                            quizName(RecordedQuiz(q.value(1).toInt())),
                            outcomeName(AnswerOutcome(q.value(2).toInt())), q.value(3).toString(),
                            q.value(4).toString(), q.value(5).toString(), q.value(6).toString(),
                            q.value(7).toString()} +
                MemoryTable::csvFields(q, 8, plan));
    }
    if (!csv.error().isEmpty())
        return failure(csv.error());
    return {};
}

std::vector<MemoryEntry> RecordStore::memoryEntries(bool texts)
{
    if (!m_ready)
        return {};
    return MemoryTable::entries(QSqlDatabase::database(m_connection, false), texts);
}

Result<> RecordStore::recordExam(const PastExam &exam)
{
    if (!m_ready)
        return notOpen();
    QSqlQuery q(QSqlDatabase::database(m_connection, false));
    if (!ExamTable::add(q, exam))
        return failure(describe(q.lastError()));
    return {};
}

std::vector<PastExam> RecordStore::pastExams()
{
    if (!m_ready)
        return {};
    return ExamTable::all(QSqlDatabase::database(m_connection, false));
}
