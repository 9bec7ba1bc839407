// Importing someone's own questions: a 600-row CSV of term/definition pairs
// (two banks of wrong answers chosen among the pairs), a CSV of 600 full
// questions (one bank of 600 lines), and the export of that bank. Any file
// named on the command line (a large Moodle XML export, say) is imported
// too, with the growth of the peak memory over the file's size. Prints
// medians; run: build with -DZELQUIZ_BENCH=ON, then
//   bin/bench_import [FILE...]
#include "core/import/BankExport.h"
#include "core/import/BankImport.h"
#include "core/quiz/BankLoader.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

constexpr int Runs = 21;

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v.empty() ? 0 : v[v.size() / 2];
}

// The process's peak resident memory so far, in kB (Linux).
long peakKb()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').value(0).toLong();
    }
    return 0;
}

double measure(const char *what, const std::function<void()> &step)
{
    std::vector<double> ms;
    for (int r = 0; r < Runs; ++r) {
        QElapsedTimer t;
        t.start();
        step();
        ms.push_back(double(t.nsecsElapsed()) / 1e6);
    }
    const double m = median(ms);
    std::printf("%-44s median %8.2f ms (%d runs)\n", what, m, Runs);
    return m;
}

void write(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size())
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
}

void importOrSay(const QString &file)
{
    const Result<BankImport> r = BankImport::prepare(file);
    if (!r)
        std::fprintf(stderr, "%s\n", qPrintable(r.error().description()));
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;

    // Files named on the command line first, each in a fresh measurement
    // of the peak memory (the first import of the process).
    for (const QString &file : app.arguments().mid(1)) {
        const long before = peakKb();
        importOrSay(file);
        const long grown = peakKb() - before;
        const double size = double(QFileInfo(file).size()) / 1024;
        std::printf("%s: %.0f kB, peak memory grew by %ld kB (%.1f times the file)\n",
                    qPrintable(file), size, grown, size > 0 ? double(grown) / size : 0);
        measure(qPrintable(QFileInfo(file).fileName()), [&] { importOrSay(file); });
    }

    QByteArray pairs = "term,definition,wording,topic\n";
    for (int k = 1; k <= 600; ++k)
        pairs += QStringLiteral("Term number %1,\"A definition, number %1, of some length\",4,\n")
                     .arg(k)
                     .toUtf8();
    write(dir.filePath("pairs.csv"), pairs);

    // Question j: subject text j, answers the texts after it, so that the
    // 600 questions fill one bank's 600 lines exactly.
    QByteArray full = "subject;right;wrong1;wrong2;wrong3;wrong4;wrong5;wording\r\n";
    const auto text = [](int n) { return QStringLiteral("Text %1").arg((n - 1) % 600 + 1); };
    for (int j = 1; j <= 600; ++j) {
        QStringList row{text(j)};
        for (int k = 1; k <= 6; ++k)
            row << text(j + k);
        row << QStringLiteral("3");
        full += row.join(QLatin1Char(';')).toUtf8() + "\r\n";
    }
    write(dir.filePath("full.csv"), full);

    measure("600 term/definition rows (CSV)", [&] { importOrSay(dir.filePath("pairs.csv")); });
    measure("600 full questions (CSV, 600 lines)", [&] { importOrSay(dir.filePath("full.csv")); });
    const Result<BankImport> bank = BankImport::prepare(dir.filePath("full.csv"));
    if (!bank || !bank->write(dir.filePath("bank")))
        return 1;
    measure("export of that bank", [&] {
        if (!BankExport::write(dir.filePath("bank"), dir.filePath("out.csv")))
            std::fprintf(stderr, "export failed\n");
    });
    int n = 0;
    measure("write of that bank (journal, fsync)", [&] {
        if (!bank->write(dir.filePath(QStringLiteral("bank%1").arg(++n))))
            std::fprintf(stderr, "write failed\n");
    });
    return 0;
}
