#include "core/scores/HighScoreTable.h"
#include "core/scores/QtSettingsStore.h"
#include "support/CaseName.h"
#include "support/CoreFakes.h"
#include "support/TempDir.h"

#include <QDir>
#include <QFile>
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
        t.insert(p, scores[std::size_t(p - 1)], QStringLiteral("P%1").arg(p));
    return t;
}

const Scores kThree = {100, 90, 80};
const Scores kFull = {100, 90, 80, 70, 60, 50, 40, 35, 30, 20};

// Against an empty table only a score of 1 or more earns a place; a tie
// with any score on the table earns nothing.
struct PlaceCase {
    const char *name;
    Scores table;
    std::int32_t offered;
    std::optional<int> place;
};
class HighScorePlaceOf : public ::testing::TestWithParam<PlaceCase> {};

TEST_P(HighScorePlaceOf, TestsStrictlyPerPlace)
{
    EXPECT_EQ(tableOf(GetParam().table).placeOf(GetParam().offered), GetParam().place);
}

const auto kNone = std::nullopt;
const PlaceCase kPlaceCases[] = {
    {"empty_zero", {}, 0, kNone},    {"empty_one", {}, 1, 1},
    {"between", kThree, 95, 2},      {"below_all", kThree, 5, 4},
    {"above_all", kThree, 101, 1},   {"tie_first", kThree, 100, kNone},
    {"tie_last", kThree, 80, kNone}, {"zero", kThree, 0, kNone},
    {"full_last", kFull, 25, 10},    {"full_tie_last", kFull, 20, kNone},
    {"full_below", kFull, 19, kNone}};
INSTANTIATE_TEST_SUITE_P(Offers, HighScorePlaceOf, ::testing::ValuesIn(kPlaceCases), CaseName());

// Into a part-filled table is the window's test; a full one drops its last.
TEST(HighScoreTable, InsertIntoAFullTableDropsTheLast)
{
    HighScoreTable t = tableOf(kFull);
    t.insert(10, 25, "Ten");
    t.insert(1, 200, "Top");
    const Scores expected = {200, 100, 90, 80, 70, 60, 50, 40, 35, 30};
    for (int p = 1; p <= 10; ++p)
        EXPECT_EQ(t.place(p).score, expected[std::size_t(p - 1)]) << p;
    EXPECT_EQ(t.place(1).name, "Top");
    EXPECT_EQ(t.place(10).name, "P9"); // "Ten" took place 10 and fell off again
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
        t.load(store);
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

// Through a real settings file every name comes back exactly.
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
            t.insert(p, 1000 - p, names[p - 1]);
        ASSERT_TRUE(t.save(store));
    }
    HighScoreTable t;
    t.load(QtSettingsStore(file));
    for (int p = 1; p <= 10; ++p) {
        EXPECT_EQ(t.place(p).score, 1000 - p);
        EXPECT_EQ(t.place(p).name, names[p - 1]) << p;
    }
}

// The program's own per-user file holds the twenty keys under [highscore],
// each score as decimal text.
TEST_F(QtSettingsStoreTest, PerUserStoreOfTheProgram)
{
    QtSettingsStore store;
    ASSERT_TRUE(tableOf({7}).save(store));
#ifdef Q_OS_WIN
    // There it is the registry: the user's key of the program.
    EXPECT_EQ(store.location(), "\\HKEY_CURRENT_USER\\Software\\ZELQuiz\\ZELQuiz");
    const QSettings saved(store.location(), QSettings::NativeFormat);
    EXPECT_EQ(saved.value("highscore/n1").toString(), "P1");
    EXPECT_EQ(saved.value("highscore/s1").toString(), "7");
    EXPECT_EQ(saved.value("highscore/s10").toString(), "0");
    EXPECT_EQ(saved.allKeys().size(), 20);
#else
    const QString home = qEnvironmentVariable("ZELQUIZ_TEST_SETTINGS_HOME");
    ASSERT_FALSE(home.isEmpty());
    EXPECT_EQ(QDir::cleanPath(store.location()), QDir::cleanPath(home + "/ZELQuiz/ZELQuiz.conf"));
    QFile saved(store.location());
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    EXPECT_EQ(saved.readAll(), "[highscore]\nn1=P1\nn10=\nn2=\nn3=\nn4=\nn5=\nn6=\nn7=\nn8=\nn9="
                               "\ns1=7\ns10=0\ns2=0\ns3=0\ns4=0\ns5=0\ns6=0\ns7=0\ns8=0\ns9=0\n");
#endif
}

TEST_F(QtSettingsStoreTest, AFileThatCannotBeWrittenIsReported)
{
    // A folder where the settings file should be: even root cannot write it.
    ASSERT_TRUE(QDir(dir.path()).mkdir("ZELQuiz.conf"));
    QtSettingsStore store(file);
    EXPECT_FALSE(tableOf({5}).save(store));
}

// A malformed line loads as nothing, and does not make a save that reached
// the file look failed.
TEST_F(QtSettingsStoreTest, MalformedFileLoadsAsEmptyOrZeroAndSaves)
{
    dir.write("ZELQuiz.conf", "[highscore]\ns1=12,5\nn1=Smith, J\ns2=\x01\x02garbage\n[[[\n");
    QtSettingsStore store(file);
    HighScoreTable t;
    t.load(store);
    EXPECT_EQ(t.place(1).score, 0);
    EXPECT_EQ(t.place(1).name, "Smith,J");
    EXPECT_EQ(t.place(2).score, 0);
    EXPECT_TRUE(t.offerScore(40, [] { return QStringLiteral("New"); }));
    EXPECT_TRUE(t.save(store));
    HighScoreTable saved;
    saved.load(QtSettingsStore(file));
    EXPECT_EQ(saved.place(1).name, "New");
}

// Another copy of the program saved its new score while this one's window
// was open: both are kept, and saving again adds nothing twice.
TEST_F(QtSettingsStoreTest, ASaveKeepsWhatAnotherCopySavedMeanwhile)
{
    dir.write("ZELQuiz.conf", "[highscore]\ns1=90\nn1=Old\n");
    QtSettingsStore store(file);
    HighScoreTable mine;
    mine.load(store);
    EXPECT_TRUE(mine.offerScore(70, [] { return QStringLiteral("Mine"); }));
    dir.write("ZELQuiz.conf", "[highscore]\ns1=90\ns2=80\ns3=70\nn1=Old\nn2=Other\nn3=Tie\n");
    ASSERT_TRUE(mine.save(store));
    ASSERT_TRUE(mine.save(store));
    HighScoreTable t;
    t.load(QtSettingsStore(file));
    QStringList places;
    for (int p = 1; p <= 5; ++p)
        places << QString::number(t.place(p).score) + ' ' + t.place(p).name;
    EXPECT_EQ(places, QStringList({"90 Old", "80 Other", "70 Mine", "70 Tie", "0 "}));
}

} // namespace
