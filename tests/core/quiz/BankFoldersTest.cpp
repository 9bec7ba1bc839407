// The banks remembered, and where an import goes. Which bank opens and its
// title are the window tests'.
#include "core/quiz/BankFolders.h"
#include "support/CoreFakes.h"
#include "support/TempDir.h"

#include <QDir>
#include <QFileInfo>

#include <gtest/gtest.h>

namespace {

TEST(BankFolders, KeepsTheMostRecentFirstWithoutRepeatsAndAtMostEight)
{
    MemorySettings settings;
    BankFolders folders(QStringLiteral("/opt/zel"), settings);
    for (int i = 1; i <= 10; ++i)
        ASSERT_TRUE(folders.opened(QStringLiteral("/b/%1/").arg(i)));
    ASSERT_TRUE(folders.opened(QStringLiteral("/b/5")));
    QStringList expected;
    for (const int i : {5, 10, 9, 8, 7, 6, 4, 3})
        expected << QDir::cleanPath(QFileInfo(QStringLiteral("/b/%1").arg(i)).absoluteFilePath());
    EXPECT_EQ(folders.recent(), expected);
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
}

} // namespace
