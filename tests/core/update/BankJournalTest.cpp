#include "core/update/BankJournal.h"
#include "support/CaseName.h"
#include "support/TempDir.h"

#include <QCryptographicHash>
#include <QDir>

#include <gtest/gtest.h>

namespace {

using Outcome = BankJournal::Outcome;
const std::vector<QString> kNames = {"A.zel", "AD.zel", "DV.ZEL"};

QByteArray oldBytes(const QString &name)
{
    return "old " + name.toUtf8();
}
QByteArray newBytes(const QString &name)
{
    return "new " + name.toUtf8();
}

QStringList listing(const TempDir &dir)
{
    return QDir(dir.path()).entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot);
}

// A record left behind, in whatever state the program stopped: each new
// file still under its temporary name ("new"), already renamed ("renamed"),
// missing ("gone") or damaged ("corrupt"); the record itself may be garbage
// or name a file outside the set; a folder may stand where a file goes.
struct RecoveryCase {
    const char *name;
    std::array<const char *, 3> state;
    QByteArray recordOverride; // empty: the record the replacement writes
    Outcome outcome;
    bool becomesNew = false;
    bool fails = false;
};
class BankJournalRecovery : public ::testing::TestWithParam<RecoveryCase> {};

const RecoveryCase kCases[] = {
    {"all_new_under_temporary_names", {"new", "new", "new"}, {}, Outcome::Completed, true},
    {"killed_between_the_renames", {"renamed", "new", "new"}, {}, Outcome::Completed, true},
    {"killed_before_the_record_went",
     {"renamed", "renamed", "renamed"},
     {},
     Outcome::Completed,
     true},
    {"a_new_file_is_missing", {"new", "gone", "new"}, {}, Outcome::RolledBack},
    {"a_new_file_is_damaged", {"new", "new", "corrupt"}, {}, Outcome::RolledBack},
    {"the_record_is_garbage", {"new", "new", "new"}, "x\n", Outcome::RolledBack},
    {"the_record_names_another_file",
     {"new", "new", "new"},
     "zelquiz bank update 1\n" + QByteArray(64, '0') + " ../A.zel\n",
     Outcome::RolledBack},
    {"a_folder_stands_where_a_file_goes",
     {"new", "folder", "new"},
     {},
     Outcome::Completed,
     false,
     true},
};

TEST_P(BankJournalRecovery, CompletesAnIntactSetAndOtherwiseKeepsTheOldFiles)
{
    const RecoveryCase &c = GetParam();
    TempDir dir;
    QByteArray record = "zelquiz bank update 1\n";
    for (std::size_t i = 0; i < kNames.size(); ++i) {
        const QString name = kNames[i], state = c.state[i];
        const QString temporary = BankJournal::temporaryName(name);
        dir.write(name, state == "renamed" ? newBytes(name) : oldBytes(name));
        if (state == "new" || state == "corrupt" || state == "folder")
            dir.write(temporary, state == "corrupt" ? "torn" : newBytes(name));
        if (state == "folder") {
            ASSERT_TRUE(QFile::remove(dir.file(name)) && QDir(dir.path()).mkdir(name));
        }
        record += QCryptographicHash::hash(newBytes(name), QCryptographicHash::Sha256).toHex() +
                  ' ' + name.toUtf8() + '\n';
    }
    dir.write(BankJournal::recordName(), c.recordOverride.isEmpty() ? record : c.recordOverride);
    const QStringList before = listing(dir);

    BankJournal journal(dir.path(), kNames);
    EXPECT_EQ(journal.pending(), c.outcome);
    EXPECT_EQ(listing(dir), before) << "looking changes nothing";
    const Result<Outcome> r = journal.recover();
    if (c.fails) {
        ASSERT_FALSE(r);
        EXPECT_EQ(r.error().number(), ErrorNumber::FileAccess);
        EXPECT_TRUE(r.error().description().startsWith(
            dir.file(BankJournal::recordName()) +
            ": an interrupted update of the question bank could not be completed ("))
            << r.error().description().toStdString();
        EXPECT_TRUE(QFile::exists(dir.file(BankJournal::recordName())));
        return;
    }
    ASSERT_TRUE(r) << r.error().description().toStdString();
    EXPECT_EQ(*r, c.outcome);
    EXPECT_EQ(listing(dir), QStringList({"A.zel", "AD.zel", "DV.ZEL"}));
    for (const QString &name : kNames)
        EXPECT_EQ(dir.read(name), c.becomesNew ? newBytes(name) : oldBytes(name));
}
INSTANTIATE_TEST_SUITE_P(States, BankJournalRecovery, ::testing::ValuesIn(kCases), CaseName());

// Without a record: temporaries of a replacement that stopped before its
// record go, everything else stays as it is; a replacement then writes the
// whole set and leaves nothing behind it.
TEST(BankJournal, WithoutARecordOnlyTemporariesGoAndAReplacementLeavesNoTrace)
{
    for (const QStringList &strays :
         {QStringList{}, QStringList{"A.zel.new", "DV.ZEL.new", "bank-update.journal.new"}}) {
        TempDir dir;
        dir.write("A.zel", oldBytes("A.zel"));
        dir.write("notes.new", "mine");
        for (const QString &stray : strays)
            dir.write(stray, "half");
        BankJournal journal(dir.path(), kNames);
        EXPECT_EQ(journal.pending(), Outcome::Nothing);
        EXPECT_EQ(journal.recover().value_or(Outcome::Completed), Outcome::Nothing);
        EXPECT_EQ(listing(dir), QStringList({"A.zel", "notes.new"}));
        EXPECT_EQ(dir.read("A.zel"), oldBytes("A.zel"));

        const Result<> r =
            journal.replace({newBytes("A.zel"), newBytes("AD.zel"), newBytes("DV.ZEL")});
        EXPECT_TRUE(r) << (r ? "" : r.error().description().toStdString());
        EXPECT_EQ(listing(dir), QStringList({"A.zel", "AD.zel", "DV.ZEL", "notes.new"}));
        for (const QString &name : kNames)
            EXPECT_EQ(dir.read(name), newBytes(name));
    }
}

} // namespace
