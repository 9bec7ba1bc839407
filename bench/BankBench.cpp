// How long the start-up load of a full bank and one question draw take.
// Run: build with -DZELQUIZ_BENCH=ON, then bin/bench_bank.
#include "core/quiz/BankLoader.h"
#include "core/quiz/QuestionDraw.h"
#include "core/quiz/RandomSource.h"
#include "core/session/QuizSession.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

class NoEffects final : public QuizEffects {
    void playCue(const QString &) override {}
    void setCountdownRunning(bool) override {}
    void showMessage(const QString &, const QString &) override {}
    void offerHighScore(int) override {}
};

// A bank of the largest size the loader accepts: 600 texts of a typical
// length and 600 entries, one in ten a skip line.
struct FullBank {
    FullBank()
    {
        QByteArray a;
        QByteArray ad;
        for (int i = 1; i <= QuestionBank::MaxLines; ++i) {
            a += "Text number " + QByteArray::number(i) +
                 ", about as long as an answer in a real bank usually is\r\n";
            if (i % 10 == 0) {
                ad += "9|0|0|0|0|0|0|\r\n";
                continue;
            }
            ad += QByteArray::number(i % 8 + 1);
            for (int k = 0; k < 6; ++k)
                ad += "|" + QByteArray::number((i + k * 97) % QuestionBank::MaxLines + 1);
            ad += "|\r\n";
        }
        write("A.zel", a);
        write("AD.zel", ad);
    }
    void write(const char *name, const QByteArray &bytes)
    {
        QFile f(dir.filePath(QLatin1String(name)));
        if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size())
            std::abort();
    }
    QString file(const char *name) const { return dir.filePath(QLatin1String(name)); }
    QTemporaryDir dir;
};

void LoadFullBank(benchmark::State &state)
{
    FullBank files;
    const Wordings wordings = standardWordings();
    for (auto _ : state) {
        QuestionBank bank = BankLoader::load(files.file("A.zel"), files.file("AD.zel"), wordings);
        benchmark::DoNotOptimize(bank.textCount);
    }
}
BENCHMARK(LoadFullBank)->Unit(benchmark::kMicrosecond);

void DrawQuestionOnFullBank(benchmark::State &state)
{
    FullBank files;
    const QuestionBank bank =
        BankLoader::load(files.file("A.zel"), files.file("AD.zel"), standardWordings());
    MersenneRandom random;
    NoEffects effects;
    QuizSession session(bank, random, effects);
    session.start();
    for (auto _ : state) {
        session.drawQuestion();
        benchmark::DoNotOptimize(session.state().entry);
    }
}
BENCHMARK(DrawQuestionOnFullBank)->Unit(benchmark::kNanosecond);

} // namespace

BENCHMARK_MAIN();
