#include "core/import/BankImport.h"
#include "core/quiz/BankCheck.h"
#include "support/CaseName.h"
#include "support/TempDir.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

namespace {

QByteArray pairsFile(int n)
{
    QByteArray out = "term,definition,wording\n";
    for (int k = 1; k <= n; ++k)
        out += QStringLiteral("term %1,definition %1\n").arg(k).toUtf8();
    return out;
}

// A file that gives no bank: its message, and nothing written.
struct BadCase {
    const char *name;
    QByteArray bytes; // null: no file
    qint64 size;      // > 0: a sparse file of this size instead; < 0: a folder
    const char *message;
};
class BankImportBad : public ::testing::TestWithParam<BadCase> {};

TEST_P(BankImportBad, FailsWithItsMessage)
{
    const TempDir dir;
    const QString file = dir.file("in.csv");
    if (GetParam().size < 0) {
        ASSERT_TRUE(QDir().mkpath(file));
    } else if (GetParam().size > 0) {
        QFile f(file);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly) && f.resize(GetParam().size));
    } else if (!GetParam().bytes.isNull()) {
        dir.write("in.csv", GetParam().bytes);
    }
    const Result<BankImport> prepared = BankImport::prepare(file);
    ASSERT_FALSE(prepared);
    EXPECT_EQ(prepared.error().description().toStdString(),
              (file + QStringLiteral(": ") + GetParam().message).toStdString());
}

const BadCase kBadCases[] = {
    {"missing", QByteArray(), 0, "there is no such file"},
    {"folder", QByteArray(), -1, "not a file"},
    {"over_20_mb", QByteArray(), 20 * 1024 * 1024 + 1,
     "the file is larger than 20 MB, more than any bank can hold"},
    {"binary", QByteArray("a,b\n\0c,d\n", 9), 0,
     "the file holds binary data, not text of questions"},
    {"unbalanced", "a,b\n\"c,d\ne,f\n", 0,
     "line 2: a quoted field is never closed (a \" is missing)"},
    {"no_question", "term,definition\n", 0, "no usable question in the file"},
    {"too_few", "a,b\nc,d\n", 0,
     "no usable question in the file\n"
     "  line 1: too few other answers to choose five wrong ones from\n"
     "  line 2: too few other answers to choose five wrong ones from\n"},
};
INSTANTIATE_TEST_SUITE_P(Files, BankImportBad, ::testing::ValuesIn(kBadCases), CaseName());

TEST(BankImport, WritesOneCheckedBankIntoTheTargetAndSaysWhatItDid)
{
    const TempDir dir;
    dir.write("pairs.csv", pairsFile(7) + "x,y,9\n");
    const Result<BankImport> prepared = BankImport::prepare(dir.file("pairs.csv"));
    ASSERT_TRUE(prepared) << prepared.error().description().toStdString();
    EXPECT_EQ(prepared->summary().toStdString(),
              "7 questions imported, 1 skipped:\n"
              "  line 9: wording 9 means a question that is never asked; use 1 to 8 or 10\n"
              "14 of 600 lines used.\n");
    const QString target = dir.file("new/Plants");
    EXPECT_EQ(prepared->folders(target), QStringList{target});
    EXPECT_FALSE(BankImport::holdsBank(target));
    // What a signed bank there had left would no longer match.
    ASSERT_TRUE(QDir().mkpath(target));
    dir.write("new/Plants/A.zel.minisig", "untrusted comment: old\n");
    const Result<QStringList> written = prepared->write(target);
    ASSERT_TRUE(written) << written.error().description().toStdString();
    EXPECT_TRUE(BankImport::holdsBank(target));
    EXPECT_EQ(BankCheck::ofFolder(target).report().toStdString(),
              "14 entries, 7 askable, 0 errors, 0 warnings: the program starts on this bank\n");
    EXPECT_EQ(dir.read("new/Plants/DV.ZEL"), "1.0\r\n");
    EXPECT_EQ(QDir(target).entryList(QDir::Files), (QStringList{"A.zel", "AD.zel", "DV.ZEL"}));
}

TEST(BankImport, ReadsUnicodeTextAsItsUtf8)
{
    const TempDir dir;
    const QString text = QString::fromUtf8(pairsFile(7)).replace("term 1,", "\u00e9t\u00e9,");
    QByteArray utf16 = "\xFF\xFE";
    for (const QChar c : text)
        utf16 += char(c.unicode() & 0xFF) + QByteArray(1, char(c.unicode() >> 8));
    dir.write("unicode.txt", utf16);
    dir.write("utf8.csv", text.toUtf8());
    const Result<BankImport> wide = BankImport::prepare(dir.file("unicode.txt"));
    ASSERT_TRUE(wide) << wide.error().description().toStdString();
    EXPECT_EQ(wide->banks().front().aLines,
              BankImport::prepare(dir.file("utf8.csv"))->banks().front().aLines);
    EXPECT_EQ(wide->banks().front().aLines.front(), "\u00e9t\u00e9");
}

TEST(BankImport, SplitsIntoSiblingFoldersAndLeavesNoneWhenOneFails)
{
    const TempDir dir;
    dir.write("many.csv", pairsFile(700));
    const Result<BankImport> prepared = BankImport::prepare(dir.file("many.csv"));
    ASSERT_TRUE(prepared);
    EXPECT_EQ(prepared->summary().toStdString(),
              "700 questions imported.\n"
              "A bank holds at most 600 lines, so the questions make 3 banks:\n"
              "  Part 1: 238 questions, 476 of 600 lines\n"
              "  Part 2: 238 questions, 476 of 600 lines\n"
              "  Part 3: 224 questions, 448 of 600 lines\n");
    const QString target = dir.file("out/Words");
    const QStringList folders = prepared->folders(target);
    EXPECT_EQ(folders.last(), target + " - Part 3");

    // A file where the last folder should go: the first two go again.
    ASSERT_TRUE(QDir().mkpath(dir.file("out")));
    dir.write("out/Words - Part 3", "in the way");
    const Result<QStringList> failed = prepared->write(target);
    ASSERT_FALSE(failed);
    EXPECT_EQ(failed.error().description().toStdString(),
              (target + " - Part 3: the folder cannot be made").toStdString());
    EXPECT_EQ(QDir(dir.file("out")).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
              QStringList{"Words - Part 3"});

    QFile::remove(dir.file("out/Words - Part 3"));
    const Result<QStringList> written = prepared->write(target);
    ASSERT_TRUE(written);
    EXPECT_EQ(*written, folders);
    for (const QString &folder : folders)
        EXPECT_EQ(BankCheck::ofFolder(folder).errors() + BankCheck::ofFolder(folder).warnings(), 0);
}

} // namespace
