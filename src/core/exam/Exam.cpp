#include "Exam.h"

#include "core/quiz/QuestionBank.h"
#include "core/quiz/QuestionDraw.h"
#include "core/quiz/RandomSource.h"
#include "core/record/QuestionKey.h"

#include <algorithm>

namespace {

std::vector<int> eligibleEntries(const QuestionBank &bank, const ExamSettings &settings)
{
    std::vector<int> entries;
    for (int j = 1; j <= bank.textCount; ++j)
        if (settings.includes(bank.entries[j]))
            entries.push_back(j);
    return entries;
}

} // namespace

int Exam::eligibleCount(const QuestionBank &bank, const ExamSettings &settings)
{
    return int(eligibleEntries(bank, settings).size());
}

Exam Exam::draw(const QuestionBank &bank, RandomSource &random, const ExamSettings &settings)
{
    std::vector<int> pool = eligibleEntries(bank, settings);
    const std::size_t n = std::min(pool.size(), std::size_t(std::max(settings.questions, 0)));
    std::vector<ExamQuestion> questions(n);
    // The first n steps of a Fisher-Yates shuffle: each entry at most once.
    for (std::size_t i = 0; i < n; ++i) {
        const std::size_t left = pool.size() - i;
        const std::size_t pick = i + std::min(std::size_t(random.next() * double(left)), left - 1);
        std::swap(pool[i], pool[pick]);
        questions[i].entry = pool[i];
        questions[i].answerButtons = QuestionDraw::drawPositions(random);
    }
    return Exam(std::move(questions), settings.minutes, settings.passMark);
}

Exam::Exam(std::vector<ExamQuestion> questions, int minutes, int passMark)
    : m_questions(std::move(questions)), m_limitMs(qint64(std::max(minutes, 0)) * 60000),
      m_passMark(passMark)
{
    // An exam of no questions has nothing to ask: it is over at once.
    m_finished = m_questions.empty();
}

int Exam::answeredCount() const
{
    return int(std::count_if(m_questions.begin(), m_questions.end(),
                             [](const ExamQuestion &q) { return q.chosen != 0; }));
}

void Exam::choose(int button)
{
    ExamQuestion &q = m_questions[std::size_t(m_current)];
    if (m_finished || button < 1 || button > 6 || button == q.chosen)
        return;
    if (q.chosen != 0)
        ++q.changes;
    q.chosen = button;
}

void Exam::toggleFlag()
{
    if (!m_finished)
        m_questions[std::size_t(m_current)].flagged ^= true;
}

void Exam::noteTime(qint64 nowMs)
{
    m_questions[std::size_t(m_current)].timeMs += std::max<qint64>(nowMs - m_shownAt, 0);
    m_shownAt = nowMs;
}

void Exam::goTo(int index, qint64 nowMs)
{
    if (m_finished || index < 0 || index >= count() || index == m_current)
        return;
    noteTime(nowMs);
    m_current = index;
}

bool Exam::checkTime(qint64 nowMs)
{
    if (m_finished || !timeLimited() || nowMs < m_limitMs)
        return false;
    finish(m_limitMs);
    m_timedOut = true;
    return true;
}

void Exam::finish(qint64 nowMs)
{
    if (m_finished)
        return;
    if (timeLimited())
        nowMs = std::min(nowMs, m_limitMs);
    noteTime(nowMs);
    m_takenMs = nowMs;
    m_finished = true;
}

std::optional<qint64> Exam::timeLeftMs(qint64 nowMs) const
{
    if (!timeLimited())
        return std::nullopt;
    return std::max<qint64>(m_limitMs - (m_finished ? m_takenMs : nowMs), 0);
}

QString Exam::counterText() const
{
    return QStringLiteral("Question %1 of %2").arg(m_current + 1).arg(count());
}

QString Exam::timeLeftText(qint64 nowMs) const
{
    const std::optional<qint64> left = timeLeftMs(nowMs);
    if (!left)
        return {};
    return QStringLiteral("Time left: ") + ExamResult::clockText((*left + 999) / 1000 * 1000);
}

ExamResult Exam::result(const QuestionBank &bank) const
{
    ExamResult r;
    r.total = count();
    r.passMark = m_passMark;
    r.takenMs = m_takenMs;
    r.timedOut = m_timedOut;
    const Wordings wordings = standardWordings();
    std::vector<Tally> byNumber(wordings.size());
    std::vector<ExamResult::Answer> missed;
    for (int i = 0; i < count(); ++i) {
        const ExamQuestion &q = m_questions[std::size_t(i)];
        ExamResult::Answer a;
        a.number = i + 1;
        a.key = QuestionKey::ofEntry(bank, q.entry);
        a.wording = bank.entries[q.entry].wording;
        a.subject = bank.subject(q.entry);
        a.right = bank.answer(q.entry, 0);
        a.correct = q.isRight();
        a.flagged = q.flagged;
        for (int k = 0; k < 6; ++k)
            if (q.chosen != 0 && q.answerButtons[std::size_t(k)] == q.chosen)
                a.given = bank.answer(q.entry, k);
        r.right += a.correct ? 1 : 0;
        Tally &t = byNumber[std::size_t(ExamSettings::wordingNumber(a.wording))];
        ++t.asked;
        t.right += a.correct ? 1 : 0;
        (a.correct ? r.review : missed).push_back(std::move(a));
    }
    r.review.insert(r.review.begin(), missed.begin(), missed.end());
    for (std::size_t n = 0; n < wordings.size(); ++n)
        if (byNumber[n].asked > 0)
            r.byWording.push_back({wordings[n], byNumber[n]});
    return r;
}

std::vector<AnswerEvent> Exam::answerEvents(const QuestionBank &bank, const QDateTime &at) const
{
    std::vector<AnswerEvent> events;
    for (const ExamQuestion &q : m_questions) {
        if (q.chosen == 0)
            continue;
        AnswerEvent e;
        e.key = QuestionKey::ofEntry(bank, q.entry);
        e.wording = bank.entries[q.entry].wording;
        e.subject = bank.subject(q.entry);
        e.rightAnswer = bank.answer(q.entry, 0);
        e.quiz = RecordedQuiz::Exam;
        e.outcome = q.isRight() ? AnswerOutcome::FirstRight : AnswerOutcome::FirstWrong;
        e.at = at;
        e.durationMs = q.timeMs;
        events.push_back(std::move(e));
    }
    return events;
}
