#include "core/scores/HighScoreTable.h"
#include "core/scores/QtSettingsStore.h"
#include "support/CoreFakes.h"
#include "support/TempDir.h"

#include <QDir>
#include <QSettings>

#include <gtest/gtest.h>

#include <optional>
#include <vector>

namespace {

using Scores = std::vector<std::int32_t>;

HighScoreTable tableOf(const Scores &scores)
{
    HighScoreTable t;
    for (int p = 1; p <= int(scores.size()); ++p)
        t.Insert(p, scores[std::size_t(p - 1)], QStringLiteral("P%1").arg(p));
    return t;
}

Scores scores(const HighScoreTable &t)
{
    Scores out;
    for (int p = 1; p <= 10; ++p)
        out.push_back(t.place(p).score);
    return out;
}

const Scores kThree = {100, 90, 80};
const Scores kFull = {100, 90, 80, 70, 60, 50, 40, 35, 30, 20};

// Against an empty table only a score of 1 or more earns a place; a tie
// with any score on the table earns nothing.
TEST(HighScoreTable, PlaceOfTestsStrictlyPerPlace)
{
    const std::optional<int> none;
    const struct {
        Scores table;
        std::int32_t offered;
        std::optional<int> place;
    } cases[] = {{{}, 0, none},    {{}, 1, 1},          {kThree, 95, 2},    {kThree, 5, 4},
                 {kThree, 101, 1}, {kThree, 100, none}, {kThree, 80, none}, {kThree, 0, none},
                 {kFull, 25, 10},  {kFull, 20, none},   {kFull, 19, none}};
    for (const auto &c : cases)
        EXPECT_EQ(tableOf(c.table).PlaceOf(c.offered), c.place)
            << c.offered << " against " << c.table.size();
}

// Into a part-filled table is the window's test; a full one drops its last.
TEST(HighScoreTable, InsertIntoAFullTableDropsTheLast)
{
    HighScoreTable t = tableOf(kFull);
    t.Insert(10, 25, "Ten");
    EXPECT_EQ(t.place(9).score, 30);
    EXPECT_EQ(t.place(10).name, "Ten");
    t.Insert(1, 200, "Top");
    EXPECT_EQ(scores(t), (Scores{200, 100, 90, 80, 70, 60, 50, 40, 35, 30}));
    EXPECT_EQ(t.place(10).name, "P9"); // "Ten" fell off
}

// Only an edited store holds anything but decimal text; such a score
// reads as 0 and its name stays.
TEST(HighScoreTable, StoredScoreTexts)
{
    auto load = [](const char *text) {
        MemorySettings store;
        store.values.insert("highscore/s1", QString::fromUtf8(text));
        store.values.insert("highscore/n1", "Kept");
        HighScoreTable t;
        t.Load(store);
        EXPECT_EQ(t.place(1).name, "Kept") << text;
        return t.place(1).score;
    };
    EXPECT_EQ(load("125"), 125);
    EXPECT_EQ(load("-3"), -3);
    EXPECT_EQ(load(" 42 "), 42);
    EXPECT_EQ(load("2147483647"), 2147483647);
    EXPECT_EQ(load("-2147483648"), -2147483647 - 1);
    for (const char *text : {"", "2147483648", "12.5", "1e3", "abc", "0x10", "1 000"})
        EXPECT_EQ(load(text), 0) << text;
}

class QtSettingsStoreTest : public ::testing::Test {
  protected:
    TempDir dir;
    const QString file = dir.file("ZELQuiz.conf");
};

// Through a real settings file: every name comes back exactly, and the
// file holds the twenty keys under [highscore].
TEST_F(QtSettingsStoreTest, RoundTripThroughARealFile)
{
    const QStringList names =
        QStringLiteral("Ann Lee|O'Brien, \"Pat\"|a=b;c#d| lead and trail "
                       "|Zoë Ångström|@Variant(x)|back\\slash|[section]||J. Doe")
            .split('|');
    ASSERT_EQ(names.size(), 10);
    {
        QtSettingsStore store(file);
        HighScoreTable t;
        for (int p = 1; p <= 10; ++p)
            t.Insert(p, 1000 - p, names[p - 1]);
        ASSERT_TRUE(t.Save(store));
    }
    HighScoreTable t;
    t.Load(QtSettingsStore(file));
    QStringList expectedKeys;
    for (int p = 1; p <= 10; ++p) {
        EXPECT_EQ(t.place(p).score, 1000 - p);
        EXPECT_EQ(t.place(p).name, names[p - 1]) << p;
        expectedKeys << QStringLiteral("highscore/n%1").arg(p)
                     << QStringLiteral("highscore/s%1").arg(p);
    }
    QStringList keys = QSettings(file, QSettings::IniFormat).allKeys();
    keys.sort();
    expectedKeys.sort();
    EXPECT_EQ(keys, expectedKeys);
    EXPECT_EQ(QSettings(file, QSettings::IniFormat).value("highscore/s1").toString(), "999");
    EXPECT_TRUE(dir.read("ZELQuiz.conf").startsWith("[highscore]"));
}

TEST_F(QtSettingsStoreTest, PerUserStoreOfTheProgram)
{
    QtSettingsStore store;
    ASSERT_TRUE(tableOf({7}).Save(store));
    const QString home = qEnvironmentVariable("ZELQUIZ_TEST_SETTINGS_HOME");
    ASSERT_FALSE(home.isEmpty());
    EXPECT_EQ(QDir::cleanPath(store.location()), QDir::cleanPath(home + "/ZELQuiz/ZELQuiz.conf"));
    EXPECT_EQ(QSettings(store.location(), QSettings::IniFormat).value("highscore/n1"), "P1");
}

TEST_F(QtSettingsStoreTest, AFileThatCannotBeWrittenIsReported)
{
    // A folder where the settings file should be: even root cannot write it.
    ASSERT_TRUE(QDir(dir.path()).mkdir("ZELQuiz.conf"));
    QtSettingsStore store(file);
    EXPECT_FALSE(tableOf({5}).Save(store));
}

TEST_F(QtSettingsStoreTest, MalformedFileLoadsAsEmptyOrZero)
{
    dir.write("ZELQuiz.conf", "[highscore]\ns1=12,5\nn1=Smith, J\ns2=\x01\x02garbage\n[[[\n");
    HighScoreTable t;
    t.Load(QtSettingsStore(file));
    EXPECT_EQ(t.place(1).score, 0);
    EXPECT_EQ(t.place(1).name, "Smith,J");
    EXPECT_EQ(t.place(2).score, 0);
}

} // namespace
