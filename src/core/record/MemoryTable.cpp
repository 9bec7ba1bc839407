#include "MemoryTable.h"

#include <QHash>
#include <QSqlDatabase>
#include <QVariant>

namespace {

const QString storeSql = QStringLiteral(
    "INSERT INTO memory(question, stability, difficulty, last_day, last_at, first_day, reviews)"
    " VALUES(?, ?, ?, ?, ?, ?, 1) ON CONFLICT(question) DO UPDATE SET"
    " stability = excluded.stability, difficulty = excluded.difficulty,"
    " last_day = excluded.last_day, last_at = excluded.last_at, reviews = reviews + 1");

// A clock set back makes no negative gap.
int elapsedDays(qint64 lastDay, qint64 day)
{
    return int(std::clamp<qint64>(day - lastDay, 0, MemoryModel::MaxInterval));
}

Grade gradeOf(bool right)
{
    return right ? Grade::Good : Grade::Again;
}

} // namespace

MemoryTable::MemoryTable(const QSqlDatabase &db) : m_find(db), m_store(db)
{
    m_find.prepare(
        QStringLiteral("SELECT stability, difficulty, last_day FROM memory WHERE question = ?"));
    m_store.prepare(storeSql);
}

const QSqlQuery *MemoryTable::update(qint64 question, qint64 day, qint64 at, bool right)
{
    static const MemoryModel model;
    m_find.addBindValue(question);
    if (!m_find.exec())
        return &m_find;
    MemoryState state;
    qint64 lastDay = day;
    if (m_find.next()) {
        state = {m_find.value(0).toDouble(), m_find.value(1).toDouble()};
        lastDay = m_find.value(2).toLongLong();
    }
    m_find.finish();
    state = model.next(state, elapsedDays(lastDay, day), gradeOf(right));
    for (const QVariant &v :
         {QVariant(question), QVariant(state.stability), QVariant(state.difficulty), QVariant(day),
          QVariant(at), QVariant(day)})
        m_store.addBindValue(v);
    return m_store.exec() ? nullptr : &m_store;
}

bool MemoryTable::replay(QSqlQuery &q)
{
    struct Replayed {
        MemoryState state;
        qint64 firstDay = 0;
        qint64 lastDay = 0;
        qint64 lastAt = 0;
        int reviews = 0;
    };
    const MemoryModel model;
    QHash<qint64, Replayed> memory;
    q.setForwardOnly(true);
    if (!q.exec(QStringLiteral("SELECT question, day, at, outcome FROM answers"
                               " WHERE outcome <= 1 ORDER BY id")))
        return false;
    while (q.next()) {
        Replayed &r = memory[q.value(0).toLongLong()];
        const qint64 day = q.value(1).toLongLong();
        if (r.reviews == 0)
            r.firstDay = r.lastDay = day;
        r.state =
            model.next(r.state, elapsedDays(r.lastDay, day), gradeOf(q.value(3).toInt() == 0));
        r.lastDay = day;
        r.lastAt = q.value(2).toLongLong();
        ++r.reviews;
    }
    q.finish();
    if (!q.prepare(QStringLiteral("INSERT INTO memory(question, stability, difficulty, last_day,"
                                  " last_at, first_day, reviews) VALUES(?, ?, ?, ?, ?, ?, ?)")))
        return false;
    for (auto it = memory.cbegin(); it != memory.cend(); ++it) {
        const Replayed &r = it.value();
        for (const QVariant &v :
             {QVariant(it.key()), QVariant(r.state.stability), QVariant(r.state.difficulty),
              QVariant(r.lastDay), QVariant(r.lastAt), QVariant(r.firstDay), QVariant(r.reviews)})
            q.addBindValue(v);
        if (!q.exec())
            return false;
    }
    return true;
}

std::vector<MemoryEntry> MemoryTable::entries(const QSqlDatabase &db, bool texts)
{
    std::vector<MemoryEntry> list;
    QSqlQuery q(db);
    q.setForwardOnly(true);
    // The driver converts every column of each row: the review asks for
    // the four it needs.
    const QString columns = texts ? QStringLiteral(", m.difficulty, m.last_at, q.asked,"
                                                   " q.right_first, q.wording, q.subject, q.answer")
                                  : QString();
    if (!q.exec(QStringLiteral("SELECT q.key, m.stability, m.last_day, m.first_day%1 FROM memory m"
                               " JOIN questions q ON q.id = m.question")
                    .arg(columns)))
        return list;
    while (q.next()) {
        MemoryEntry &e = list.emplace_back();
        e.key = q.value(0).toString().toLatin1();
        e.state.stability = q.value(1).toDouble();
        e.lastDay = q.value(2).toLongLong();
        e.firstDay = q.value(3).toLongLong();
        if (texts) {
            e.state.difficulty = q.value(4).toDouble();
            e.lastAt = QDateTime::fromMSecsSinceEpoch(q.value(5).toLongLong(), Qt::UTC);
            e.tally = {q.value(6).toInt(), q.value(7).toInt()};
            e.wording = q.value(8).toString();
            e.subject = q.value(9).toString();
            e.rightAnswer = q.value(10).toString();
        }
    }
    return list;
}

QStringList MemoryTable::csvHeader()
{
    return {QStringLiteral("stability_days"), QStringLiteral("difficulty"),
            QStringLiteral("last_review"), QStringLiteral("next_due")};
}

QStringList MemoryTable::csvFields(const QSqlQuery &q, int first, const StudyPlan &plan)
{
    if (q.value(first).isNull())
        return {QString(), QString(), QString(), QString()};
    MemoryEntry e;
    e.state = {q.value(first).toDouble(), q.value(first + 1).toDouble()};
    e.lastDay = q.value(first + 3).toLongLong();
    return {QString::number(e.state.stability, 'f', 4), QString::number(e.state.difficulty, 'f', 4),
            QDateTime::fromMSecsSinceEpoch(q.value(first + 2).toLongLong(), Qt::UTC)
                .toString(Qt::ISODateWithMs),
            QDate::fromJulianDay(plan.dueDay(e)).toString(Qt::ISODate)};
}
