// Replays the fuzz seeds and every input a fuzzer once broke a property
// with, through the same property checks the fuzz targets run.
#include "fuzz/BankProperty.h"
#include "fuzz/LeadingNumberProperty.h"
#include "fuzz/ScoresProperty.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

#include <functional>

namespace {

struct Target {
    const char *name;
    std::function<QString(const QByteArray &)> check;
};

class FuzzCases : public ::testing::TestWithParam<Target> {};

TEST_P(FuzzCases, HoldTheProperty)
{
    const QDir fuzz(qEnvironmentVariable("ZELQUIZ_FUZZ_DIR"));
    ASSERT_TRUE(fuzz.exists()) << "ZELQUIZ_FUZZ_DIR";
    int replayed = 0;
    for (const char *kind : {"corpus", "regressions"}) {
        const QDir dir(fuzz.filePath(QString::fromLatin1(kind) + '/' + GetParam().name));
        for (const QFileInfo &file : dir.entryInfoList(QDir::Files)) {
            QFile f(file.filePath());
            ASSERT_TRUE(f.open(QIODevice::ReadOnly)) << file.filePath().toStdString();
            EXPECT_EQ(GetParam().check(f.readAll()), QString()) << file.filePath().toStdString();
            ++replayed;
        }
    }
    EXPECT_GT(replayed, 0) << "no seeds for " << GetParam().name;
}

INSTANTIATE_TEST_SUITE_P(Targets, FuzzCases,
                         ::testing::Values(Target{"bank", BankProperty::check},
                                           Target{"scores", ScoresProperty::check},
                                           Target{"leading_number", LeadingNumberProperty::check}),
                         [](const auto &info) { return std::string(info.param.name); });

} // namespace
