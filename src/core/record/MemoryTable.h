#pragma once

#include "StudyPlan.h"

#include <QSqlQuery>
#include <QStringList>

#include <vector>

class QSqlDatabase;

// The memory state of each answered question in the record (table
// "memory"), kept up to date with every first try and rebuilt from the
// answers when an older record is opened, so that a history counts from its
// first day. A first try right is a pass, a first try wrong a lapse; what
// follows a wrong first try (the second try, Show Correct Answer, Next)
// belongs to the same lapse and changes nothing.
class MemoryTable {
  public:
    static constexpr const char *CreateSql =
        "CREATE TABLE memory(question INTEGER PRIMARY KEY REFERENCES questions(id),"
        " stability REAL NOT NULL, difficulty REAL NOT NULL, last_day INTEGER NOT NULL,"
        " last_at INTEGER NOT NULL, first_day INTEGER NOT NULL, reviews INTEGER NOT NULL)";
    // Stands in the list of schema steps for replay(), which is code, not SQL.
    static constexpr const char *ReplayStep = "-- replay the answers into memory states";

    // Fills the (empty) table from every first try recorded so far, in the
    // order they were given. False with q's error when a statement failed.
    [[nodiscard]] static bool replay(QSqlQuery &q);
    // Every answered question with its memory state and counts; its texts
    // too when asked (the review needs only the keys).
    [[nodiscard]] static std::vector<MemoryEntry> entries(const QSqlDatabase &db, bool texts);

    // The columns the CSV export adds to each answer: the memory state of
    // its question now.
    static QStringList csvHeader();
    // From the query's values at first..first+3: stability, difficulty,
    // last_at and last_day of the question (null when never answered).
    static QStringList csvFields(const QSqlQuery &q, int first, const StudyPlan &plan);

    explicit MemoryTable(const QSqlDatabase &db);
    // A first try at question on local day `day` (Julian) at time `at` (ms).
    // Null when done, else the statement that failed.
    [[nodiscard]] const QSqlQuery *update(qint64 question, qint64 day, qint64 at, bool right);

  private:
    QSqlQuery m_find;
    QSqlQuery m_store;
};
