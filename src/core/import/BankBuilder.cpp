#include "BankBuilder.h"

#include "core/quiz/QuestionBank.h"

#include <QHash>
#include <QSet>

#include <algorithm>
#include <cstdint>
#include <map>

namespace {

constexpr int kWrongCount = 5;
// The category of a question asked without a wording.
constexpr int kNoWording = 22;

struct Question {
    QString subject;
    QString right;
    QStringList wrong;
    int wording = 0;
    QString topic;
    int line = 0;
};

// The lines a set of questions needs: one per subject, one per other text.
class LineCount {
  public:
    [[nodiscard]] int with(const Question &q) const
    {
        int n = m_subjects + 1 + (m_others.contains(q.subject) ? -1 : 0);
        // At most six answers: a list is quicker than a set here.
        const QStringList all = answers(q);
        for (qsizetype k = 0; k < all.size(); ++k) {
            const QString &t = all[k];
            if (t != q.subject && !m_subjectTexts.contains(t) && !m_others.contains(t) &&
                !all.first(k).contains(t))
                ++n;
        }
        return n + int(m_others.size());
    }
    void add(const Question &q)
    {
        ++m_subjects;
        m_subjectTexts.insert(q.subject);
        m_others.remove(q.subject);
        for (const QString &t : answers(q)) {
            if (!m_subjectTexts.contains(t))
                m_others.insert(t);
        }
    }
    [[nodiscard]] int lines() const { return m_subjects + int(m_others.size()); }
    [[nodiscard]] bool empty() const { return m_subjects == 0; }

  private:
    static QStringList answers(const Question &q) { return QStringList{q.right} + q.wrong; }
    int m_subjects = 0;
    QSet<QString> m_subjectTexts;
    QSet<QString> m_others;
};

// A small generator of our own, so that the choice is the same on every
// system and library: seeded from the question's texts (FNV-1a, splitmix64).
class Choice {
  public:
    explicit Choice(const Question &q)
    {
        std::uint64_t h = 1469598103934665603ULL;
        const auto mix = [&](const QString &s) {
            for (const QChar c : s) {
                h = (h ^ c.unicode()) * 1099511628211ULL;
            }
            h = (h ^ 0x1F) * 1099511628211ULL;
        };
        mix(q.subject);
        mix(q.right);
        mix(QString::number(q.wording));
        m_state = h;
    }
    [[nodiscard]] std::size_t below(std::size_t n)
    {
        std::uint64_t z = (m_state += 0x9E3779B97F4A7C15ULL);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
        return std::size_t((z ^ (z >> 31)) % n);
    }

  private:
    std::uint64_t m_state;
};

QString subjectKey(const Question &q)
{
    return QString::number(q.wording) + QLatin1Char('|') + q.subject;
}

// Fills the wrong answers of one bank's questions; those that cannot get
// five are returned for skipping.
std::vector<Question> fillWrongAnswers(std::vector<Question> &questions,
                                       std::vector<SkippedItem> &skipped)
{
    // The distinct right answers by wording and topic, in file order.
    std::map<std::pair<int, QString>, QStringList> byTopic;
    std::map<int, QStringList> byWording;
    QStringList all;
    QSet<QString> inTopic;
    QSet<QString> inWording;
    QSet<QString> inAll;
    // Last, the wrong answers the file gives with its full questions: a
    // file of a few pairs and a few multiple-choice questions has enough.
    QStringList given;
    QSet<QString> inGiven;
    QHash<QString, QSet<QString>> rightsOfSubject;
    const auto addOnce = [](QStringList &list, QSet<QString> &seen, const QString &key,
                            const QString &text) {
        if (!seen.contains(key)) {
            seen.insert(key);
            list << text;
        }
    };
    for (const Question &q : questions) {
        const QString w = QString::number(q.wording) + QLatin1Char('|');
        addOnce(byTopic[{q.wording, q.topic}], inTopic, w + q.topic + QLatin1Char('|') + q.right,
                q.right);
        addOnce(byWording[q.wording], inWording, w + q.right, q.right);
        addOnce(all, inAll, q.right, q.right);
        rightsOfSubject[subjectKey(q)].insert(q.right);
        for (const QString &t : q.wrong)
            addOnce(given, inGiven, t, t);
    }

    std::vector<Question> kept;
    for (Question &q : questions) {
        Choice choice(q);
        const QSet<QString> &rights = rightsOfSubject[subjectKey(q)];
        const auto take = [&](const QStringList &pool) {
            if (pool.isEmpty())
                return;
            const auto fits = [&](const QString &t) {
                return t != q.right && t != q.subject && !rights.contains(t) &&
                       !q.wrong.contains(t);
            };
            // A few random draws find most; then a walk from a random start.
            for (int attempt = 0; attempt < 16 && q.wrong.size() < kWrongCount; ++attempt) {
                const QString &t = pool[qsizetype(choice.below(std::size_t(pool.size())))];
                if (fits(t))
                    q.wrong << t;
            }
            const qsizetype start = qsizetype(choice.below(std::size_t(pool.size())));
            for (qsizetype k = 0; k < pool.size() && q.wrong.size() < kWrongCount; ++k) {
                const QString &t = pool[(start + k) % pool.size()];
                if (fits(t))
                    q.wrong << t;
            }
        };
        if (q.wrong.size() < kWrongCount)
            take(byTopic[{q.wording, q.topic}]);
        if (q.wrong.size() < kWrongCount)
            take(byWording[q.wording]);
        if (q.wrong.size() < kWrongCount)
            take(all);
        if (q.wrong.size() < kWrongCount)
            take(given);
        if (q.wrong.size() < kWrongCount)
            skipped.push_back({q.line, QStringLiteral("too few other answers to choose five wrong "
                                                      "ones from")});
        else
            kept.push_back(std::move(q));
    }
    return kept;
}

BuiltBank layOut(const QString &name, const std::vector<Question> &questions)
{
    BuiltBank bank;
    bank.name = name;
    bank.questionCount = int(questions.size());
    QHash<QString, int> lineOf;
    for (const Question &q : questions) {
        bank.aLines << q.subject;
        if (!lineOf.contains(q.subject))
            lineOf.insert(q.subject, int(bank.aLines.size()));
    }
    const auto lineFor = [&](const QString &t) {
        if (const auto it = lineOf.constFind(t); it != lineOf.cend())
            return *it;
        bank.aLines << t;
        lineOf.insert(t, int(bank.aLines.size()));
        return int(bank.aLines.size());
    };
    for (const Question &q : questions) {
        QString entry = QString::number(q.wording == 0 ? kNoWording : q.wording);
        for (const QString &t : QStringList{q.right} + q.wrong)
            entry += QLatin1Char('|') + QString::number(lineFor(t));
        bank.adLines << entry + QLatin1Char('|');
    }
    // Texts that are only answers are never asked: a skip entry each.
    while (bank.adLines.size() < bank.aLines.size())
        bank.adLines << QStringLiteral("9|0|0|0|0|0|0|");
    return bank;
}

bool repeats(const Question &q)
{
    for (qsizetype k = 0; k < q.wrong.size(); ++k) {
        if (q.wrong[k] == q.right || q.wrong.first(k).contains(q.wrong[k]))
            return true;
    }
    return false;
}

std::optional<Question> checked(const ImportedQuestion &in, std::vector<SkippedItem> &skipped)
{
    Question q{BankBuilder::bankText(in.subject),
               BankBuilder::bankText(in.right),
               {},
               in.wording,
               in.topic.simplified(),
               in.line};
    for (const QString &w : in.wrong) {
        if (!w.trimmed().isEmpty())
            q.wrong << BankBuilder::bankText(w);
    }
    QString why;
    if (q.subject.trimmed().isEmpty())
        why = QStringLiteral("no subject");
    else if (q.right.trimmed().isEmpty())
        why = QStringLiteral("no right answer");
    else if (q.wording == 9)
        why = QStringLiteral("wording 9 means a question that is never asked; use 1 to 8 or 10");
    else if (q.wording < 0 || q.wording > 10)
        why = QStringLiteral("wording %1 is not a number from 1 to 10").arg(q.wording);
    else if (q.wrong.size() > kWrongCount)
        why = QStringLiteral("%1 wrong answers; a bank question has at most five")
                  .arg(q.wrong.size());
    else if (repeats(q))
        why = QStringLiteral("the answers are not all different");
    else if (std::any_of(q.wrong.cbegin(), q.wrong.cend(),
                         [](const QString &t) { return t.size() > QuestionBank::MaxTextLength; }) ||
             q.subject.size() > QuestionBank::MaxTextLength ||
             q.right.size() > QuestionBank::MaxTextLength)
        why = QStringLiteral("a text longer than %1 characters").arg(QuestionBank::MaxTextLength);
    if (!why.isEmpty()) {
        skipped.push_back({in.line, why});
        return std::nullopt;
    }
    return q;
}

struct Group {
    QString name;
    std::vector<Question> questions;
};

// Cuts questions into groups of at most `target` lines.
void cut(const QString &name, std::vector<Question> questions, int target, std::vector<Group> &out)
{
    const std::size_t before = out.size();
    LineCount count;
    for (Question &q : questions) {
        if (count.empty() || count.with(q) > target) {
            out.push_back({});
            count = LineCount();
        }
        count.add(q);
        out.back().questions.push_back(std::move(q));
    }
    for (std::size_t k = before; k < out.size(); ++k)
        out[k].name = (name.isEmpty() ? QStringLiteral("Part %1") : name + QStringLiteral(" %1"))
                          .arg(k - before + 1);
}

int linesOf(const std::vector<Question> &questions)
{
    LineCount count;
    for (const Question &q : questions)
        count.add(q);
    return count.lines();
}

std::vector<Group> split(std::vector<Question> questions)
{
    constexpr int kMax = QuestionBank::MaxLines;
    const int total = linesOf(questions);
    if (total <= kMax)
        return {{QString(), std::move(questions)}};

    std::vector<Group> groups;
    if (std::all_of(questions.cbegin(), questions.cend(),
                    [](const Question &q) { return q.topic.isEmpty(); })) {
        // Parts of about equal size rather than full ones and a small rest.
        const int parts = (total + kMax - 1) / kMax;
        cut(QString(), std::move(questions), std::min(kMax, (total + parts - 1) / parts + 10),
            groups);
        return groups;
    }
    std::vector<QString> topics;
    std::map<QString, std::vector<Question>> byTopic;
    for (Question &q : questions) {
        if (!byTopic.count(q.topic))
            topics.push_back(q.topic);
        byTopic[q.topic].push_back(std::move(q));
    }
    // Whole topics together while they fit.
    LineCount count;
    QStringList names;
    for (const QString &topic : topics) {
        const std::vector<Question> &qs = byTopic[topic];
        const QString shown = topic.isEmpty() ? QStringLiteral("No topic") : topic;
        if (linesOf(qs) > kMax) {
            cut(shown, qs, kMax, groups);
            // Smaller topics after it may join its last part.
            count = LineCount();
            for (const Question &q : groups.back().questions)
                count.add(q);
            names = QStringList{groups.back().name};
            continue;
        }
        LineCount joined = count;
        for (const Question &q : qs)
            joined.add(q);
        if (count.empty() || joined.lines() > kMax || groups.empty()) {
            groups.push_back({shown, {}});
            names = QStringList{shown};
            count = LineCount();
            for (const Question &q : qs)
                count.add(q);
        } else {
            count = joined;
            names << shown;
            groups.back().name = names.front() + QStringLiteral(" to ") + names.back();
        }
        groups.back().questions.insert(groups.back().questions.end(), qs.begin(), qs.end());
    }
    return groups;
}

} // namespace

namespace BankBuilder {

QString bankText(const QString &text)
{
    QString out = text;
    out.replace(QStringLiteral("\r\n"), QStringLiteral(" "));
    for (QChar &c : out) {
        const char16_t u = c.unicode();
        if (u < 0x20 || u == 0x7F || u == 0x85 || u == 0x2028 || u == 0x2029)
            c = QLatin1Char(' ');
    }
    return out;
}

Built build(const std::vector<ImportedQuestion> &questions)
{
    Built built;
    std::vector<Question> usable;
    QHash<QString, int> seen;
    for (const ImportedQuestion &in : questions) {
        std::optional<Question> q = checked(in, built.skipped);
        if (!q)
            continue;
        const QString key = subjectKey(*q) + QLatin1Char('|') + q->right;
        if (const auto it = seen.constFind(key); it != seen.cend()) {
            built.skipped.push_back(
                {in.line, QStringLiteral("the same question as line %1").arg(*it)});
            continue;
        }
        seen.insert(key, in.line);
        usable.push_back(std::move(*q));
    }
    for (Group &g : split(std::move(usable))) {
        std::vector<Question> kept = fillWrongAnswers(g.questions, built.skipped);
        // The program asks two different questions in a row or none.
        if (kept.size() < 2) {
            for (const Question &q : kept)
                built.skipped.push_back(
                    {q.line, QStringLiteral("too few questions to make a bank with")});
            continue;
        }
        built.banks.push_back(layOut(g.name, kept));
    }
    std::stable_sort(built.skipped.begin(), built.skipped.end(),
                     [](const SkippedItem &a, const SkippedItem &b) { return a.line < b.line; });
    return built;
}

} // namespace BankBuilder
