// Which bank opens, what the title says, and the banks remembered.
#include "core/quiz/BankFolders.h"
#include "support/CaseName.h"
#include "support/CoreFakes.h"
#include "support/TempDir.h"

#include <QDir>

#include <gtest/gtest.h>

namespace {

struct TitleCase {
    const char *name;
    const char *folder; // below the temporary root; "" is the program folder
    const char *title;
};

class BankTitle : public ::testing::TestWithParam<TitleCase> {};

TEST_P(BankTitle, NamesEveryBankButTheProgramFolders)
{
    const TempDir root;
    MemorySettings settings;
    const BankFolders folders(root.file(QStringLiteral("program")), settings);
    EXPECT_EQ(folders.title(root.file(QStringLiteral("program") + GetParam().folder)),
              GetParam().title);
}

INSTANTIATE_TEST_SUITE_P(Folders, BankTitle,
                         ::testing::Values(TitleCase{"program", "", "ZEL Quiz"},
                                           TitleCase{"program_spelled_longer", "/./", "ZEL Quiz"},
                                           TitleCase{"other", "/../Botany 2",
                                                     "Botany 2 - ZEL Quiz"}),
                         CaseName());

TEST(BankFolders, StartsOnTheCommandLinesBankThenTheLastOpenedThenTheProgramFolders)
{
    MemorySettings settings;
    BankFolders folders(QStringLiteral("/opt/zel"), settings);
    EXPECT_EQ(folders.startFolder({}), QStringLiteral("/opt/zel"));
    ASSERT_TRUE(folders.opened(QStringLiteral("/banks/Botany/")));
    EXPECT_EQ(settings.values.value("banks/last"), QStringLiteral("/banks/Botany"));
    EXPECT_EQ(folders.startFolder({}), QStringLiteral("/banks/Botany"));
    EXPECT_EQ(folders.startFolder(QStringLiteral("/banks/Law")), QStringLiteral("/banks/Law"));
    // Back on the program folder's bank, the default is remembered as none.
    ASSERT_TRUE(folders.opened(QStringLiteral("/opt/zel")));
    EXPECT_EQ(folders.startFolder({}), QStringLiteral("/opt/zel"));
    EXPECT_EQ(settings.values.value("banks/last"), QString());
}

TEST(BankFolders, KeepsTheMostRecentFirstWithoutRepeatsAndAtMostEight)
{
    MemorySettings settings;
    BankFolders folders(QStringLiteral("/opt/zel"), settings);
    for (int i = 1; i <= 10; ++i)
        ASSERT_TRUE(folders.opened(QStringLiteral("/b/%1").arg(i)));
    ASSERT_TRUE(folders.opened(QStringLiteral("/b/5")));
    EXPECT_EQ(folders.recent(),
              QStringList({"/b/5", "/b/10", "/b/9", "/b/8", "/b/7", "/b/6", "/b/4", "/b/3"}));
    // Starting again on the bank opened last writes nothing.
    const int commits = settings.commits;
    ASSERT_TRUE(folders.opened(QStringLiteral("/b/5")));
    EXPECT_EQ(settings.commits, commits);
    settings.failCommits = true;
    EXPECT_FALSE(folders.opened(QStringLiteral("/b/6")));
}

TEST(BankFolders, AnImportGoesToAFolderNoneOfWhoseBanksExistsYet)
{
    const TempDir root;
    const QString base = root.file(QStringLiteral("Botany"));
    const auto twoBanks = [](const QString &t) { return QStringList{t, t + " (2)"}; };
    EXPECT_EQ(BankFolders::unusedFolder(base, twoBanks), base);
    ASSERT_TRUE(QDir().mkpath(base + " (2)"));
    EXPECT_EQ(BankFolders::unusedFolder(base, twoBanks), base + " 2");
    EXPECT_FALSE(BankFolders::holdsBankFiles(base + " (2)"));
}

} // namespace
