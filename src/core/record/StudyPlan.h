#pragma once

#include "MemoryModel.h"
#include "RecordTypes.h"
#include "StudySettings.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>

#include <array>
#include <optional>
#include <vector>

struct QuestionBank;

// One answered question's memory as the record keeps it.
struct MemoryEntry {
    QByteArray key;
    QString wording;
    QString subject;
    QString rightAnswer;
    MemoryState state;
    qint64 lastDay = 0;  // local Julian day of the last first try
    qint64 firstDay = 0; // ... and of the first
    QDateTime lastAt;
    Tally tally;
};

// An askable question of the loaded bank, by its key.
struct BankQuestion {
    QByteArray key;
    QString wording;
    int entry = 0; // its first entry in the bank
};

// Where a question stands for the student: never asked; answered, but
// not yet for long (stability under three weeks); due again; or known
// for weeks.
enum class MemoryStage { New, Learning, Due, Known };

// The spaced review worked out for one day: which questions are due, in
// which order they are asked, what falls due on the following days, and
// how many first tries can be expected right. A question falls due when
// its predicted recall has fallen to the desired retention, that is when
// the model's interval for its stability has passed since its last
// review; with an exam date ahead no interval reaches past it.
class StudyPlan {
  public:
    static constexpr int ForecastDays = 14;
    static constexpr double KnownStability = 21;
    static constexpr int WeakestCount = 10;
    // Six answers: a guess is right one time in six.
    static constexpr double GuessChance = 1.0 / 6;

    StudyPlan(const StudySettings &settings, QDate today, const MemoryModel &model = MemoryModel());

    static std::vector<BankQuestion> bankQuestions(const QuestionBank &bank);

    [[nodiscard]] qint64 dueDay(const MemoryEntry &entry) const;
    [[nodiscard]] double recall(const MemoryEntry &entry) const;
    [[nodiscard]] MemoryStage stage(const MemoryEntry &entry) const;

    // The keys of a Review Due session: the due questions of the bank,
    // lowest predicted recall first, then unseen ones in bank order up to
    // what is left of today's number of new questions.
    [[nodiscard]] std::vector<QByteArray> reviewOrder(const std::vector<MemoryEntry> &entries,
                                                      const std::vector<BankQuestion> &bank) const;
    // The first day after today on which a question of the bank falls due
    // (tomorrow when unseen ones wait but today's new ones are used up);
    // none when the bank holds no question at all.
    [[nodiscard]] std::optional<QDate> nextDueDate(const std::vector<MemoryEntry> &entries,
                                                   const std::vector<BankQuestion> &bank) const;
    // The bank's questions of one wording (all of them for an empty one):
    // unseen first, then by predicted recall, lowest first.
    [[nodiscard]] std::vector<QByteArray> practiceOrder(const std::vector<MemoryEntry> &entries,
                                                        const std::vector<BankQuestion> &bank,
                                                        const QString &wording) const;
    // Answered questions, lowest predicted recall first, at most count.
    [[nodiscard]] std::vector<MemoryEntry> weakest(const std::vector<MemoryEntry> &entries,
                                                   int count = WeakestCount) const;

    struct Overview {
        std::array<int, 4> byStage{}; // indexed by MemoryStage
        // Reviews falling due on each of the next days; the first counts
        // everything due today or before.
        std::array<int, ForecastDays> forecast{};
        // Expected share of first tries right over the bank: recall R, and
        // a guess among six answers otherwise, R + (1 - R) / 6.
        double expectedAccuracy = GuessChance;
    };
    [[nodiscard]] Overview overview(const std::vector<MemoryEntry> &entries,
                                    const std::vector<BankQuestion> &bank) const;

  private:
    StudySettings m_settings;
    qint64 m_today;
    MemoryModel m_model;
};
