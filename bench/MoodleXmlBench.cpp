// Reads one question export in XML and reports the time the reader took
// and the process's peak memory, before and after, as one line of JSON.
// bench/moodle_xml_bench.py makes a large file and runs this repeatedly.
//
//   bench_moodle_xml FILE
#include "core/import/MoodleXmlReader.h"

#include <QElapsedTimer>
#include <QFile>

#include <sys/resource.h>

#include <cstdio>

namespace {

long peakKilobytes()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: bench_moodle_xml FILE\n");
        return 2;
    }
    QFile file(QString::fromLocal8Bit(argv[1]));
    if (!file.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "cannot open %s\n", argv[1]);
        return 1;
    }
    const long before = peakKilobytes();
    const QByteArray bytes = file.readAll();
    QElapsedTimer clock;
    clock.start();
    const Result<ImportedFile> read = MoodleXmlReader::read(bytes);
    const qint64 ms = clock.elapsed();
    if (!read.has_value()) {
        std::fprintf(stderr, "%s\n", qPrintable(read.error().description()));
        return 1;
    }
    std::printf("{\"bytes\": %lld, \"ms\": %lld, \"questions\": %zu, \"skipped\": %zu, "
                "\"peak_kb_before\": %ld, \"peak_kb_after\": %ld}\n",
                static_cast<long long>(bytes.size()), static_cast<long long>(ms),
                read->questions.size(), read->skipped.size(), before, peakKilobytes());
    return 0;
}
