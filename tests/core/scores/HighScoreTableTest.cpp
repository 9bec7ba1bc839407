#include "core/scores/HighScoreTable.h"
#include "core/scores/QtSettingsStore.h"
#include "support/CoreFakes.h"
#include "support/TempDir.h"

#include <QDir>
#include <QFile>
#include <QSettings>

#include <gtest/gtest.h>

#include <optional>
#include <tuple>

namespace {

std::vector<std::int32_t> scores(const HighScoreTable &t)
{
    std::vector<std::int32_t> out;
    for (int p = 1; p <= 10; ++p)
        out.push_back(t.place(p).score);
    return out;
}

const std::vector<std::int32_t> kThree = {100, 90, 80};
const std::vector<std::int32_t> kFull = {100, 90, 80, 70, 60, 50, 40, 35, 30, 20};

// Against an empty table only a score of 1 or more earns a place; a tie
// with any score on the table earns nothing.
TEST(HighScoreTable, PlaceOfTestsStrictlyPerPlace)
{
    const std::optional<int> none;
    const std::vector<std::tuple<std::vector<std::int32_t>, std::int32_t, std::optional<int>>>
        cases = {{{}, 0, none},    {{}, 1, 1},          {kThree, 95, 2},    {kThree, 5, 4},
                 {kThree, 101, 1}, {kThree, 100, none}, {kThree, 80, none}, {kThree, 0, none},
                 {kFull, 25, 10},  {kFull, 20, none},   {kFull, 19, none}};
    for (const auto &[table, offered, place] : cases) {
        HighScoreTable t;
        for (int p = 1; p <= int(table.size()); ++p)
            t.Insert(p, table[std::size_t(p - 1)], QStringLiteral("x"));
        EXPECT_EQ(t.PlaceOf(offered), place) << offered << " against " << table.size();
    }
}

// Into a part-filled table is the window's test; a full one drops its last.
TEST(HighScoreTable, InsertIntoAFullTableDropsTheLast)
{
    HighScoreTable t;
    for (int p = 1; p <= 10; ++p)
        t.Insert(p, kFull[std::size_t(p - 1)], QStringLiteral("P%1").arg(p));
    t.Insert(10, 25, "Ten");
    EXPECT_EQ(t.place(9).score, 30);
    EXPECT_EQ(t.place(10).name, "Ten");
    t.Insert(1, 200, "Top");
    EXPECT_EQ(scores(t), (std::vector<std::int32_t>{200, 100, 90, 80, 70, 60, 50, 40, 35, 30}));
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

const QStringList kNames = {"Ann Lee",
                            "O'Brien, \"Pat\"",
                            "a=b;c#d",
                            " lead and trail ",
                            "Zoë Ångström",
                            "@Variant(x)",
                            "back\\slash",
                            "[section]",
                            "",
                            "J. Doe"};

// Through a real settings file: every name comes back exactly, and the
// file holds the twenty keys under [highscore].
TEST(QtSettingsStore, RoundTripThroughARealFile)
{
    TempDir dir;
    const QString file = dir.file("ZELQuiz.conf");
    {
        QtSettingsStore store(file);
        HighScoreTable t;
        for (int p = 1; p <= 10; ++p)
            t.Insert(p, 1000 - p, kNames[p - 1]);
        ASSERT_TRUE(t.Save(store));
    }
    QtSettingsStore again(file);
    HighScoreTable t;
    t.Load(again);
    for (int p = 1; p <= 10; ++p) {
        EXPECT_EQ(t.place(p).score, 1000 - p);
        EXPECT_EQ(t.place(p).name, kNames[p - 1]) << p;
    }

    QSettings raw(file, QSettings::IniFormat);
    raw.beginGroup("highscore");
    QStringList keys = raw.childKeys();
    keys.sort();
    QStringList expected;
    for (int p = 1; p <= 10; ++p)
        expected << QStringLiteral("n%1").arg(p) << QStringLiteral("s%1").arg(p);
    expected.sort();
    EXPECT_EQ(keys, expected);
    EXPECT_EQ(raw.value("s1").toString(), "999");
    EXPECT_TRUE(dir.read("ZELQuiz.conf").startsWith("[highscore]"));
}

TEST(QtSettingsStore, PerUserStoreOfTheProgram)
{
    QtSettingsStore store;
    HighScoreTable t;
    t.Insert(1, 7, "Me");
    ASSERT_TRUE(t.Save(store));
    const QString home = qEnvironmentVariable("ZELQUIZ_TEST_SETTINGS_HOME");
    ASSERT_FALSE(home.isEmpty());
    EXPECT_EQ(QDir::cleanPath(store.location()), QDir::cleanPath(home + "/ZELQuiz/ZELQuiz.conf"));
    QSettings raw(store.location(), QSettings::IniFormat);
    EXPECT_EQ(raw.value("highscore/n1").toString(), "Me");
}

TEST(QtSettingsStore, AFileThatCannotBeWrittenIsReported)
{
    TempDir dir;
    // A folder where the settings file should be: even root cannot write it.
    ASSERT_TRUE(QDir(dir.path()).mkdir("ZELQuiz.conf"));
    QtSettingsStore store(dir.file("ZELQuiz.conf"));
    HighScoreTable t;
    t.Insert(1, 5, "Lost?");
    EXPECT_FALSE(t.Save(store));
}

TEST(QtSettingsStore, MalformedFileLoadsAsEmptyOrZero)
{
    TempDir dir;
    dir.write("ZELQuiz.conf", "[highscore]\ns1=12,5\nn1=Smith, J\ns2=\x01\x02garbage\n[[[\n");
    QtSettingsStore store(dir.file("ZELQuiz.conf"));
    HighScoreTable t;
    t.Load(store);
    EXPECT_EQ(t.place(1).score, 0);
    EXPECT_EQ(t.place(1).name, "Smith,J");
    EXPECT_EQ(t.place(2).score, 0);
}

} // namespace
