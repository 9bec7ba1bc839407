#include "scores/HighScoreTable.h"
#include "scores/QtSettingsStore.h"
#include "support/Fakes.h"
#include "support/TempDir.h"

#include <QDir>
#include <QFile>
#include <QSettings>

#include <gtest/gtest.h>

#include <optional>

namespace {

std::vector<std::int32_t> scores(const HighScoreTable &t)
{
    std::vector<std::int32_t> out;
    for (int p = 1; p <= 10; ++p)
        out.push_back(t.place(p).score);
    return out;
}

struct PlaceCase {
    std::vector<std::int32_t> table;
    std::int32_t offered;
    std::optional<int> place;
};

class PlaceOf : public ::testing::TestWithParam<PlaceCase> {};

TEST_P(PlaceOf, StrictTestsPerPlace)
{
    HighScoreTable t;
    for (int p = 1; p <= int(GetParam().table.size()); ++p)
        t.Insert(p, GetParam().table[std::size_t(p - 1)], QStringLiteral("x"));
    EXPECT_EQ(t.PlaceOf(GetParam().offered), GetParam().place) << GetParam().offered;
}

const std::vector<std::int32_t> kThree = {100, 90, 80};
const std::vector<std::int32_t> kFull = {100, 90, 80, 70, 60, 50, 40, 35, 30, 20};

INSTANTIATE_TEST_SUITE_P(
    Tables, PlaceOf,
    ::testing::Values(
        // Against an empty table only a score of 1 or more earns a place.
        PlaceCase{{}, 0, std::nullopt}, PlaceCase{{}, 1, 1}, PlaceCase{{}, -5, std::nullopt},
        PlaceCase{kThree, 95, 2}, PlaceCase{kThree, 85, 3}, PlaceCase{kThree, 5, 4},
        PlaceCase{kThree, 101, 1},
        // A tie with any score on the table earns nothing.
        PlaceCase{kThree, 100, std::nullopt}, PlaceCase{kThree, 90, std::nullopt},
        PlaceCase{kThree, 80, std::nullopt}, PlaceCase{kThree, 0, std::nullopt},
        PlaceCase{kFull, 25, 10}, PlaceCase{kFull, 20, std::nullopt},
        PlaceCase{kFull, 19, std::nullopt}, PlaceCase{kFull, 2147483647, 1}));

TEST(HighScoreTable, InsertMovesTheLowerPlacesDownAndDropsTheLast)
{
    HighScoreTable t;
    t.Insert(1, 100, "A");
    t.Insert(2, 90, "B");
    t.Insert(3, 80, "C");
    t.Insert(*t.PlaceOf(95), 95, "New");
    EXPECT_EQ(scores(t), (std::vector<std::int32_t>{100, 95, 90, 80, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(t.place(2).name, "New");
    EXPECT_EQ(t.place(3).name, "B");

    HighScoreTable full;
    for (int p = 1; p <= 10; ++p)
        full.Insert(p, kFull[std::size_t(p - 1)], QStringLiteral("P%1").arg(p));
    full.Insert(10, 25, "Ten");
    EXPECT_EQ(full.place(9).score, 30);
    EXPECT_EQ(full.place(10).score, 25);
    EXPECT_EQ(full.place(10).name, "Ten");
    full.Insert(1, 200, "Top");
    EXPECT_EQ(full.place(1).name, "Top");
    EXPECT_EQ(full.place(10).name, "P9"); // "Ten" fell off
}

TEST(HighScoreTable, OfferScoreOnlyAtTheEndOfAGameAndOnlyForAPlace)
{
    HighScoreTable t;
    int asked = 0;
    auto ask = [&] {
        ++asked;
        return QStringLiteral("Ann");
    };
    EXPECT_FALSE(t.OfferScore(0, 50, ask)); // opened from the menu
    EXPECT_FALSE(t.OfferScore(1, 0, ask));  // 0 against an empty table
    EXPECT_EQ(asked, 0);
    EXPECT_TRUE(t.OfferScore(1, 50, ask));
    EXPECT_EQ(asked, 1);
    EXPECT_EQ(t.place(1).name, "Ann");
    EXPECT_FALSE(t.OfferScore(1, 50, ask)); // a tie
    EXPECT_EQ(asked, 1);
}

TEST(HighScoreTable, EmptyStoreLoadsTenEmptyPlacesAndClearSavesZeros)
{
    MemorySettings store;
    HighScoreTable t;
    t.Load(store);
    EXPECT_EQ(scores(t), std::vector<std::int32_t>(10, 0));
    for (int p = 1; p <= 10; ++p)
        EXPECT_TRUE(t.place(p).name.isEmpty());

    t.Insert(1, 40, "Bo");
    t.Clear();
    ASSERT_TRUE(t.Save(store));
    QStringList order;
    for (int p = 1; p <= 10; ++p)
        order << QStringLiteral("s%1").arg(p);
    for (int p = 1; p <= 10; ++p)
        order << QStringLiteral("n%1").arg(p);
    EXPECT_EQ(store.writes, order);
    for (int p = 1; p <= 10; ++p) {
        EXPECT_EQ(store.values.value(QStringLiteral("highscore/s%1").arg(p)), "0");
        EXPECT_EQ(store.values.value(QStringLiteral("highscore/n%1").arg(p)), "");
    }
}

struct StoredScore {
    const char *text;
    std::int32_t score;
};

class StoredScores : public ::testing::TestWithParam<StoredScore> {};

// Only an edited store holds anything but decimal text; such a score
// reads as 0 and its name stays.
TEST_P(StoredScores, LoadAs)
{
    MemorySettings store;
    store.values.insert("highscore/s1", QString::fromUtf8(GetParam().text));
    store.values.insert("highscore/n1", "Kept");
    HighScoreTable t;
    t.Load(store);
    EXPECT_EQ(t.place(1).score, GetParam().score) << GetParam().text;
    EXPECT_EQ(t.place(1).name, "Kept");
}

INSTANTIATE_TEST_SUITE_P(
    Texts, StoredScores,
    ::testing::Values(StoredScore{"125", 125}, StoredScore{"-3", -3}, StoredScore{"", 0},
                      StoredScore{" 42 ", 42}, StoredScore{"2147483647", 2147483647},
                      StoredScore{"-2147483648", -2147483647 - 1}, StoredScore{"2147483648", 0},
                      StoredScore{"99999999999999999999", 0}, StoredScore{"12.5", 0},
                      StoredScore{"1e3", 0}, StoredScore{"abc", 0}, StoredScore{"0x10", 0},
                      StoredScore{"1 000", 0}));

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
