#include "core/import/BankExport.h"
#include "core/import/BankImport.h"
#include "core/quiz/BankLoader.h"
#include "fuzz/DelimitedProperty.h"
#include "support/CaseName.h"
#include "support/TempDir.h"

#include <QRandomGenerator>

#include <gtest/gtest.h>

namespace {

TEST(BankExport, WritesAskableQuestionsQuotedAndFormulaSafe)
{
    const QStringList texts = {"=SUM(A1)", "'-x", "say \"hi\"", "b", "c", "d", "e", "f"};
    QStringList entries = {"3|2|3|4|5|6|7|", "22|1|4|5|6|7|8|"};
    while (entries.size() < texts.size())
        entries << "9|";
    const QuestionBank bank = BankLoader::buildBank(texts, entries, standardWordings());
    EXPECT_EQ(BankExport::csv(bank).toStdString(),
              "\xEF\xBB\xBF\"subject\",\"wording\",\"right\",\"wrong1\",\"wrong2\",\"wrong3\","
              "\"wrong4\",\"wrong5\"\r\n"
              "\"'=SUM(A1)\",\"3\",\"''-x\",\"say \"\"hi\"\"\",\"b\",\"c\",\"d\",\"e\"\r\n"
              "\"''-x\",\"\",\"'=SUM(A1)\",\"b\",\"c\",\"d\",\"e\",\"f\"\r\n");
}

TEST(BankExport, WritesTheFileOfAFolderOrSaysWhy)
{
    const TempDir dir;
    EXPECT_EQ(BankExport::write(dir.path(), dir.file("out.csv")).error().description(),
              dir.path() + ": the bank cannot be read (File not found)");
    dir.copyData("A.zel");
    dir.copyData("AD.zel");
    const Result<int> rows = BankExport::write(dir.path(), dir.file("out.csv"));
    ASSERT_TRUE(rows);
    EXPECT_EQ(*rows, 109);
    EXPECT_EQ(dir.read("out.csv").count("\r\n"), 110);
    EXPECT_FALSE(BankExport::write(dir.path(), dir.file("no/such/out.csv")));
}

// The bundled bank comes back from its own export as the same file.
TEST(BankExport, SampleBankSurvivesExportImportExport)
{
    const TempDir dir;
    dir.copyData("A.zel");
    dir.copyData("AD.zel");
    ASSERT_TRUE(BankExport::write(dir.path(), dir.file("first.csv")));
    const Result<BankImport> imported = BankImport::prepare(dir.file("first.csv"));
    ASSERT_TRUE(imported);
    ASSERT_TRUE(imported->write(dir.file("again")));
    ASSERT_TRUE(BankExport::write(dir.file("again"), dir.file("second.csv")));
    EXPECT_EQ(dir.read("second.csv"), dir.read("first.csv"));
}

// Random banks, the same ones every run: see DelimitedProperty.h.
class BankRoundTrip : public ::testing::TestWithParam<int> {};

TEST_P(BankRoundTrip, HoldsTheDelimitedProperty)
{
    QRandomGenerator random{quint32(GetParam())};
    QByteArray input(256, Qt::Uninitialized);
    for (char &c : input)
        c = char(random.bounded(256));
    EXPECT_EQ(DelimitedProperty::check(input).toStdString(), "");
}
INSTANTIATE_TEST_SUITE_P(Seeds, BankRoundTrip, ::testing::Range(1, 41));

} // namespace
