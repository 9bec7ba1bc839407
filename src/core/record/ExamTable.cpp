#include "ExamTable.h"

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QVariant>

bool ExamTable::add(QSqlQuery &q, const PastExam &exam)
{
    q.prepare(QStringLiteral("INSERT INTO exams(at, right_count, total, pass_mark, passed, ms)"
                             " VALUES(?, ?, ?, ?, ?, ?)"));
    for (const QVariant &v :
         {QVariant(exam.at.toMSecsSinceEpoch()), QVariant(exam.right), QVariant(exam.total),
          QVariant(exam.passMark), QVariant(exam.passed ? 1 : 0), QVariant(exam.takenMs)})
        q.addBindValue(v);
    return q.exec();
}

std::vector<PastExam> ExamTable::all(const QSqlDatabase &db)
{
    std::vector<PastExam> exams;
    QSqlQuery q(db);
    q.setForwardOnly(true);
    if (!q.exec(QStringLiteral("SELECT at, right_count, total, pass_mark, passed, ms FROM exams"
                               " ORDER BY at, id")))
        return exams;
    while (q.next())
        exams.push_back({QDateTime::fromMSecsSinceEpoch(q.value(0).toLongLong(), Qt::UTC),
                         q.value(1).toInt(), q.value(2).toInt(), q.value(3).toInt(),
                         q.value(4).toBool(), q.value(5).toLongLong()});
    return exams;
}
