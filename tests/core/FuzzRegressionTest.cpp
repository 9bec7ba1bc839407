// Replays the fuzz seeds and every input a fuzzer once broke a property
// with, through the same property checks the fuzz targets run.
#include "fuzz/BankProperty.h"
#include "fuzz/DelimitedProperty.h"
#include "fuzz/LeadingNumberProperty.h"
#include "fuzz/ScoresProperty.h"
#include "fuzz/SignatureProperty.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

namespace {

TEST(FuzzCases, HoldTheProperty)
{
    const QDir fuzz(qEnvironmentVariable("ZELQUIZ_FUZZ_DIR"));
    ASSERT_TRUE(fuzz.exists()) << "ZELQUIZ_FUZZ_DIR";
    const struct {
        const char *name;
        QString (*check)(const QByteArray &);
    } targets[] = {{"bank", BankProperty::check},
                   {"scores", ScoresProperty::check},
                   {"leading_number", LeadingNumberProperty::check},
                   {"signature", SignatureProperty::check},
                   {"delimited", DelimitedProperty::check}};
    for (const auto &target : targets) {
        int replayed = 0;
        for (const char *kind : {"corpus", "regressions"}) {
            const QDir dir(fuzz.filePath(QString::fromLatin1(kind) + '/' + target.name));
            for (const QFileInfo &file : dir.entryInfoList(QDir::Files)) {
                QFile f(file.filePath());
                ASSERT_TRUE(f.open(QIODevice::ReadOnly)) << file.filePath().toStdString();
                EXPECT_EQ(target.check(f.readAll()), QString()) << file.filePath().toStdString();
                ++replayed;
            }
        }
        EXPECT_GT(replayed, 0) << "no seeds for " << target.name;
    }
}

} // namespace
