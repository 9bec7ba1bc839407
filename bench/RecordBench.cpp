// The learning record's costs on a record of 100,000 answers over 600
// questions: one answer written (and handed over on the click's path), the
// progress window up to its first paint, and the draw of the next review
// question. Prints medians; run: build with -DZELQUIZ_BENCH=ON, then
// QT_QPA_PLATFORM=offscreen bin/bench_record.
#include "core/quiz/BankLoader.h"
#include "core/record/LearningRecord.h"
#include "core/record/QuestionKey.h"
#include "core/record/ReviewPicker.h"
#include "gui/platform/MessageBoxes.h"
#include "gui/record/ProgressDialog.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>

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

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
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
    for (int i = 0; i < 5; ++i) {
        QElapsedTimer t;
        t.start();
        ProgressDialog window(record, boxes);
        FirstPaint paint;
        window.installEventFilter(&paint);
        window.show();
        while (!paint.painted)
            QApplication::processEvents();
        opens.push_back(double(t.nsecsElapsed()) / 1e6);
    }
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
    return 0;
}
