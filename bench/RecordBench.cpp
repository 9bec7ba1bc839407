// The learning record's costs on a record of 100,000 answers over 600
// questions: one answer written (and handed over on the click's path), the
// progress window up to its first paint, and the draw of the next review
// question. Then a record of 1,000,000 answers (300 a day for nine years):
// the progress window up to its first paint, and the export of the whole
// record to CSV. Prints medians; run: build with -DZELQUIZ_BENCH=ON, then
// QT_QPA_PLATFORM=offscreen bin/bench_record (bin/bench_record big: only
// the 1,000,000-answer case; bin/bench_record big 33334: crowded into 30 days).
#include "core/quiz/BankLoader.h"
#include "core/record/LearningRecord.h"
#include "core/record/QuestionKey.h"
#include "core/record/ReviewPicker.h"
#include "gui/platform/MessageBoxes.h"
#include "gui/record/ProgressDialog.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QPushButton>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QVariant>

#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace {

constexpr int Questions = 600;
constexpr int Answers = 100000;

class NoBoxes final : public MessageBoxes {
    Answer show(QWidget *, const QString &, const QString &, Buttons, Icon) override
    {
        return Answer::Ok;
    }
    Answer confirm(QWidget *, const QString &, const QString &, const QString &) override
    {
        return Answer::No;
    }
};

AnswerEvent answer(int n, const QDateTime &now)
{
    const int q = n % Questions;
    const QString subject = QStringLiteral("Subject %1, about as long as a real one").arg(q);
    const QString wording = standardWordings()[std::size_t(q % 8 + 1)];
    return {QuestionKey::of(wording, subject, {}),
            wording,
            subject,
            QStringLiteral("Answer %1").arg(q),
            RecordedQuiz::Standard,
            (n * 7) % 10 < 7 ? AnswerOutcome::FirstRight : AnswerOutcome::FirstWrong,
            now.addSecs(-qint64(Answers - n) * 50),
            2000};
}

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

// Reports the first paint of a window.
class FirstPaint : public QObject {
  public:
    bool painted = false;
    bool eventFilter(QObject *, QEvent *e) override
    {
        painted = painted || e->type() == QEvent::Paint;
        return false;
    }
};

// The progress window of `record` up to its first paint, in ms.
double progressOpen(LearningRecord &record, MessageBoxes &boxes)
{
    QElapsedTimer t;
    t.start();
    ProgressDialog window(record, boxes);
    FirstPaint paint;
    window.installEventFilter(&paint);
    window.show();
    while (!paint.painted)
        QApplication::processEvents();
    return double(t.nsecsElapsed()) / 1e6;
}

// A record of `answers` answers, `perDay` a day up to now, written in one
// transaction as the store would have written them one by one (the
// per-question and per-day totals included, where the schema has them).
bool fillDirectly(const QString &path, int answers, int perDay, const QDateTime &now)
{
    {
        RecordStore store(path);
        if (store.open().status != RecordStore::Status::Ready || !store.record(answer(0, now)))
            return false;
        if (!store.clear())
            return false;
    }
    bool ok = true;
    {
        QSqlDatabase db =
            QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("fill"));
        db.setDatabaseName(path);
        ok = db.open();
        QSqlQuery q(db);
        ok = ok && q.exec(QStringLiteral("BEGIN"));
        for (int n = 0; ok && n < Questions; ++n) {
            const AnswerEvent e = answer(n, now);
            q.prepare(QStringLiteral("INSERT INTO questions(id, key, wording, subject, answer)"
                                     " VALUES(?, ?, ?, ?, ?)"));
            for (const QVariant &v :
                 {QVariant(n + 1), QVariant(QString::fromLatin1(e.key)), QVariant(e.wording),
                  QVariant(e.subject), QVariant(e.rightAnswer)})
                q.addBindValue(v);
            ok = q.exec();
        }
        q.prepare(QStringLiteral("INSERT INTO answers(question, at, day, quiz, outcome, ms)"
                                 " VALUES(?, ?, ?, 0, ?, 2000)"));
        const qint64 spacingMs = 86400 * 1000 / perDay;
        const qint64 last = now.toMSecsSinceEpoch();
        for (int n = 0; ok && n < answers; ++n) {
            const qint64 at = last - qint64(answers - n) * spacingMs;
            q.addBindValue(n % Questions + 1);
            q.addBindValue(at);
            q.addBindValue(QDateTime::fromMSecsSinceEpoch(at).date().toJulianDay());
            q.addBindValue((n * 7) % 10 < 7 ? 0 : 1);
            ok = q.exec();
        }
        for (const char *sql :
             {"UPDATE questions SET asked = t.n, right_first = t.r, last_at = t.m FROM (SELECT"
              " question, count(*) AS n, sum(outcome = 0) AS r, max(at) AS m FROM answers"
              " GROUP BY question) AS t WHERE t.question = questions.id",
              "UPDATE questions SET missed = asked - right_first, due = (id % 3 = 0)"}) {
            ok = ok && q.exec(QLatin1String(sql));
        }
        // Only where the schema keeps totals per day.
        q.exec(QStringLiteral("INSERT INTO day_totals(day, asked, right_first) SELECT day,"
                              " count(*), sum(outcome = 0) FROM answers GROUP BY day"));
        ok = ok && q.exec(QStringLiteral("COMMIT"));
    }
    QSqlDatabase::removeDatabase(QStringLiteral("fill"));
    return ok;
}

// The 1,000,000-answer record: the progress window and the export, each
// a median of five. 300 answers a day are nine years; 33,334 a day crowd
// them into the 30 days the window shows day by day.
int bigRecord(const QDateTime &now, int perDay = 300)
{
    constexpr int BigAnswers = 1000000;
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("big.sqlite"));
    if (!fillDirectly(path, BigAnswers, perDay, now))
        return 1;
    LearningRecord record(path);
    record.open();
    if (!record.isReady() || record.store().answerCount() != BigAnswers)
        return 1;
    NoBoxes boxes;
    std::vector<double> opens;
    for (int i = 0; i < 5; ++i)
        opens.push_back(progressOpen(record, boxes));
    std::printf("progress window to its first paint (1,000,000 answers, %d a day): median %.1f "
                "ms\n",
                perDay, median(opens));
    if (perDay != 300)
        return 0;

    ProgressDialog window(record, boxes);
    const QString csv = dir.filePath(QStringLiteral("export.csv"));
    window.setExportFileChooser([&csv] { return csv; });
    auto *exportButton = window.findChild<QPushButton *>(QStringLiteral("exportButton"));
    std::vector<double> exports;
    for (int i = 0; i < 5; ++i) {
        QFile::remove(csv);
        QElapsedTimer t;
        t.start();
        exportButton->click();
        exports.push_back(double(t.nsecsElapsed()) / 1e6);
    }
    std::printf("export to CSV (1,000,000 answers, %.0f MB): median %.0f ms\n",
                double(QFileInfo(csv).size()) / 1e6, median(exports));
    return 0;
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    if (argc > 1 && QByteArray(argv[1]) == "big")
        return bigRecord(QDateTime::currentDateTimeUtc(), argc > 2 ? atoi(argv[2]) : 300);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("record.sqlite"));
    const QDateTime now = QDateTime::currentDateTimeUtc();
    {
        // Timing failures would measure nothing: any failure ends the run.
        RecordStore fill(path);
        if (fill.open().status != RecordStore::Status::Ready)
            return 1;
        for (int n = 0; n < Answers; ++n) {
            if (!fill.record(answer(n, now)))
                return 1;
        }
    }

    RecordStore store(path);
    if (store.open().status != RecordStore::Status::Ready)
        return 1;
    std::vector<double> writes;
    for (int n = 0; n < 1000; ++n) {
        QElapsedTimer t;
        t.start();
        const Result<> written = store.record(answer(Answers + n, now));
        writes.push_back(double(t.nsecsElapsed()) / 1e6);
        if (!written)
            return 1;
    }
    std::printf("record one answer (100,000 recorded): median %.3f ms, max %.3f ms\n",
                median(writes), *std::max_element(writes.begin(), writes.end()));

    LearningRecord record(path);
    record.open();
    std::vector<double> handOver;
    for (int n = 0; n < 1000; ++n) {
        QElapsedTimer t;
        t.start();
        record.record(answer(n, now));
        handOver.push_back(double(t.nsecsElapsed()) / 1e6);
    }
    record.flush();
    std::printf("hand one answer to the writer thread (the click's path): median %.4f ms\n",
                median(handOver));

    NoBoxes boxes;
    std::vector<double> opens;
    for (int i = 0; i < 5; ++i)
        opens.push_back(progressOpen(record, boxes));
    std::printf("progress window to its first paint: median %.1f ms\n", median(opens));

    QStringList texts;
    QStringList entries;
    for (int i = 1; i <= Questions; ++i) {
        texts << QStringLiteral("T%1").arg(i);
        entries << QStringLiteral("%1|%2|1|2|3|4|5|").arg(i % 8 + 1).arg(i);
    }
    const QuestionBank bank = BankLoader::buildBank(texts, entries, standardWordings());
    std::vector<DueItem> due;
    for (int j = 1; j <= Questions; ++j)
        due.push_back({QuestionKey::ofEntry(bank, j), j % 7, 0});
    ReviewPicker picker(bank, due);
    std::vector<double> draws;
    int last = 0;
    for (int i = 0; i < 10000; ++i) {
        QElapsedTimer t;
        t.start();
        last = picker.pickEntry(last);
        draws.push_back(double(t.nsecsElapsed()) / 1e6);
    }
    std::printf("draw the next review question (600 due): median %.4f ms\n", median(draws));
    return bigRecord(now) || bigRecord(now, 33334);
}
