#include "StudyPlan.h"

#include "QuestionKey.h"
#include "core/quiz/QuestionBank.h"

#include <QHash>
#include <QSet>

#include <algorithm>

StudyPlan::StudyPlan(const StudySettings &settings, QDate today, const MemoryModel &model)
    : m_settings(settings), m_today(today.toJulianDay()), m_model(model)
{
}

std::vector<BankQuestion> StudyPlan::bankQuestions(const QuestionBank &bank)
{
    std::vector<BankQuestion> questions;
    QSet<QByteArray> seen;
    for (int j = 1; j <= bank.textCount; ++j) {
        if (bank.entries[j].isSkip())
            continue;
        QByteArray key = QuestionKey::ofEntry(bank, j);
        if (!seen.contains(key)) {
            seen.insert(key);
            questions.push_back({std::move(key), bank.entries[j].wording, j});
        }
    }
    return questions;
}

qint64 StudyPlan::dueDay(const MemoryEntry &entry) const
{
    const qint64 due =
        entry.lastDay + m_model.interval(entry.state.stability, m_settings.desiredRetention);
    // Everything should have been seen again by the exam; an exam that is
    // past (or today) no longer shortens anything.
    const qint64 exam = m_settings.examDate.isValid() ? m_settings.examDate.toJulianDay() : 0;
    return exam > entry.lastDay ? std::min(due, exam) : due;
}

double StudyPlan::recall(const MemoryEntry &entry) const
{
    return m_model.retrievability(double(std::max<qint64>(m_today - entry.lastDay, 0)),
                                  entry.state.stability);
}

MemoryStage StudyPlan::stage(const MemoryEntry &entry) const
{
    if (entry.state.isNew())
        return MemoryStage::New;
    if (dueDay(entry) <= m_today)
        return MemoryStage::Due;
    return entry.state.stability >= KnownStability ? MemoryStage::Known : MemoryStage::Learning;
}

namespace {

QHash<QByteArray, const MemoryEntry *> byKey(const std::vector<MemoryEntry> &entries)
{
    QHash<QByteArray, const MemoryEntry *> map;
    map.reserve(qsizetype(entries.size()));
    for (const MemoryEntry &e : entries)
        map.insert(e.key, &e);
    return map;
}

} // namespace

std::vector<QByteArray> StudyPlan::reviewOrder(const std::vector<MemoryEntry> &entries,
                                               const std::vector<BankQuestion> &bank) const
{
    const auto known = byKey(entries);
    std::vector<std::pair<double, QByteArray>> due;
    std::vector<QByteArray> unseen;
    int newToday = 0;
    for (const MemoryEntry &e : entries)
        newToday += e.firstDay == m_today ? 1 : 0;
    int newLeft = std::max(m_settings.newPerDay - newToday, 0);
    for (const BankQuestion &q : bank) {
        const MemoryEntry *e = known.value(q.key);
        if (!e || e->state.isNew()) {
            if (newLeft > 0) {
                unseen.push_back(q.key);
                --newLeft;
            }
        } else if (dueDay(*e) <= m_today) {
            due.emplace_back(recall(*e), q.key);
        }
    }
    // Lowest recall first; the key breaks ties so the order is the same each time.
    std::sort(due.begin(), due.end());
    std::vector<QByteArray> order;
    order.reserve(due.size() + unseen.size());
    for (auto &d : due)
        order.push_back(std::move(d.second));
    order.insert(order.end(), unseen.begin(), unseen.end());
    return order;
}

std::optional<QDate> StudyPlan::nextDueDate(const std::vector<MemoryEntry> &entries,
                                            const std::vector<BankQuestion> &bank) const
{
    const auto known = byKey(entries);
    std::optional<qint64> next;
    for (const BankQuestion &q : bank) {
        const MemoryEntry *e = known.value(q.key);
        const qint64 day = !e || e->state.isNew() ? m_today + 1 : std::max(dueDay(*e), m_today + 1);
        next = std::min(next.value_or(day), day);
    }
    if (!next)
        return std::nullopt;
    return QDate::fromJulianDay(*next);
}

std::vector<QByteArray> StudyPlan::practiceOrder(const std::vector<MemoryEntry> &entries,
                                                 const std::vector<BankQuestion> &bank,
                                                 const QString &wording) const
{
    const auto known = byKey(entries);
    std::vector<std::pair<double, QByteArray>> ranked;
    for (const BankQuestion &q : bank) {
        if (!wording.isEmpty() && q.wording != wording)
            continue;
        const MemoryEntry *e = known.value(q.key);
        // An unseen question is not recalled at all yet.
        ranked.emplace_back(!e || e->state.isNew() ? -1.0 : recall(*e), q.key);
    }
    std::stable_sort(ranked.begin(), ranked.end(),
                     [](const auto &a, const auto &b) { return a.first < b.first; });
    std::vector<QByteArray> order;
    for (auto &r : ranked)
        order.push_back(std::move(r.second));
    return order;
}

std::vector<MemoryEntry> StudyPlan::weakest(const std::vector<MemoryEntry> &entries,
                                            int count) const
{
    std::vector<std::pair<double, const MemoryEntry *>> ranked;
    for (const MemoryEntry &e : entries) {
        if (!e.state.isNew())
            ranked.emplace_back(recall(e), &e);
    }
    // Among equal recall the less stable memory is the weaker.
    std::stable_sort(ranked.begin(), ranked.end(), [](const auto &a, const auto &b) {
        return a.first != b.first ? a.first < b.first
                                  : a.second->state.stability < b.second->state.stability;
    });
    std::vector<MemoryEntry> list;
    for (std::size_t i = 0; i < ranked.size() && int(i) < count; ++i)
        list.push_back(*ranked[i].second);
    return list;
}

StudyPlan::Overview StudyPlan::overview(const std::vector<MemoryEntry> &entries,
                                        const std::vector<BankQuestion> &bank) const
{
    Overview o;
    if (bank.empty())
        return o;
    const auto known = byKey(entries);
    double expected = 0;
    for (const BankQuestion &q : bank) {
        const MemoryEntry *e = known.value(q.key);
        if (!e || e->state.isNew()) {
            ++o.byStage[std::size_t(MemoryStage::New)];
            expected += GuessChance;
            continue;
        }
        ++o.byStage[std::size_t(stage(*e))];
        const double r = recall(*e);
        expected += r + (1 - r) * GuessChance;
        const qint64 ahead = std::max<qint64>(dueDay(*e) - m_today, 0);
        if (ahead < ForecastDays)
            ++o.forecast[std::size_t(ahead)];
    }
    o.expectedAccuracy = expected / double(bank.size());
    return o;
}
