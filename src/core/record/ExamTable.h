#pragma once

#include "RecordTypes.h"

#include <vector>

class QSqlDatabase;
class QSqlQuery;

// The finished practice exams (table "exams"): when, the score out of how
// many, the pass mark then in force and whether it was reached, and the
// time taken. The answers themselves are in the answers table, quiz Exam.
class ExamTable {
  public:
    static constexpr const char *CreateSql =
        "CREATE TABLE IF NOT EXISTS exams(id INTEGER PRIMARY KEY, at INTEGER NOT NULL,"
        " right_count INTEGER NOT NULL, total INTEGER NOT NULL, pass_mark INTEGER NOT NULL,"
        " passed INTEGER NOT NULL, ms INTEGER NOT NULL)";

    // False with q's error when the statement failed.
    [[nodiscard]] static bool add(QSqlQuery &q, const PastExam &exam);
    // Every exam recorded, the oldest first.
    [[nodiscard]] static std::vector<PastExam> all(const QSqlDatabase &db);
};
