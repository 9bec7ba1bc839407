#include "support/TempDir.h"
#include "ui/DesktopSystemInfo.h"
#include "ui/DetachedStarter.h"
#include "ui/RegistryValue.h"
#include "ui/SystemInfoLookup.h"
#include "ui/WindowsSystemInfo.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QMap>
#include <QThread>

#include <gtest/gtest.h>

#include <cstring>

namespace {

// The value as the buffer holds it after a query: the data, then zeros.
struct ValueCase {
    const char *name;
    QByteArray data;
    std::uint32_t type;
    QString passedIn;
    QString expected;
};

class KeyValue : public ::testing::TestWithParam<ValueCase> {};

TEST_P(KeyValue, DecodesTheBuffer)
{
    char buffer[RegistryValue::BufferSize] = {};
    std::memcpy(buffer, GetParam().data.constData(), std::size_t(GetParam().data.size()));
    QString KeyVal = GetParam().passedIn;
    RegistryValue::decode(buffer, std::uint32_t(GetParam().data.size()), GetParam().type, KeyVal);
    EXPECT_EQ(KeyVal, GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Values, KeyValue,
    ::testing::Values(
        ValueCase{"text_with_terminator", QByteArray("C:\\Tools\\info.exe\0", 18), 1, "old",
                  "C:\\Tools\\info.exe"},
        ValueCase{"text_without_terminator", "C:\\Tools", 1, "old", "C:\\Tools"},
        ValueCase{"empty_text", QByteArray("\0", 1), 1, "old", ""},
        ValueCase{"no_bytes", QByteArray(), 1, "old", ""},
        ValueCase{"text_filling_the_buffer", QByteArray(1024, 'x'), 1, "", QString(1024, 'x')},
        ValueCase{"number_small", QByteArray("\x05\x01\0\0", 4), 4, "", "&h105"},
        ValueCase{"number_zero", QByteArray(4, '\0'), 4, "", "&h0"},
        ValueCase{"number_high_bytes", QByteArray("\xEF\xBE\xAD\xDE", 4), 4, "", "&hDEADBEEF"},
        ValueCase{"number_ignores_passed_text", QByteArray("\x0A\0\0\0", 4), 4, "stale", "&hA"},
        ValueCase{"expandable_text_untouched", "%SystemRoot%", 2, "kept", "kept"},
        ValueCase{"binary_untouched", "\x01\x02", 3, "kept", "kept"}),
    [](const auto &info) { return std::string(info.param.name); });

// A registry in memory, keyed "key|value"; it copies data as the platform
// does and fails a value longer than the buffer.
class FakeRegistry final : public RegistryValue::Api {
  public:
    bool query(std::uint32_t root, const QByteArray &keyName, const QByteArray &valueName,
               std::uint32_t access, char *buffer, std::uint32_t &size,
               std::uint32_t &type) override
    {
        EXPECT_EQ(root, RegistryValue::LocalMachine);
        EXPECT_EQ(access, 0x2003Fu);
        EXPECT_EQ(size, 1024u);
        queried << QString::fromLatin1(keyName + "|" + valueName);
        const auto it = values.find(keyName + "|" + valueName);
        if (it == values.end() || it->size() > qsizetype(size))
            return false;
        std::memcpy(buffer, it->constData(), std::size_t(it->size()));
        size = std::uint32_t(it->size());
        type = 1;
        return true;
    }
    QMap<QByteArray, QByteArray> values;
    QStringList queried;
};

const QByteArray kPathKey = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO|PATH";
const QByteArray kFolderKey = "SOFTWARE\\Microsoft\\Shared Tools Location|MSINFO";

TEST(GetKeyValue, MissingOrTooLongGivesFalseAndEmptyText)
{
    FakeRegistry registry;
    registry.values["K|long"] = QByteArray(1025, 'x');
    registry.values["K|short"] = QByteArray("abc\0", 4);
    std::uint32_t root = RegistryValue::LocalMachine;
    QString key = "K";
    QString KeyVal = "before";

    for (QString value : {QString("absent"), QString("long")}) {
        KeyVal = "before";
        EXPECT_FALSE(GetKeyValue(registry, root, key, value, KeyVal)) << value.toStdString();
        EXPECT_EQ(KeyVal, "");
    }
    QString value = "short";
    EXPECT_TRUE(GetKeyValue(registry, root, key, value, KeyVal));
    EXPECT_EQ(KeyVal, "abc");
}

TEST(WindowsLookup, PathValueFirstThenTheFolderOfTheTool)
{
    FakeRegistry registry;
    WindowsSystemInfo lookup(registry);
    EXPECT_EQ(lookup.configuredProgram(), std::nullopt);
    EXPECT_EQ(lookup.programCandidates(), std::nullopt);

    registry.values[kFolderKey] = QByteArray("C:\\Tools\0", 9);
    EXPECT_EQ(lookup.programCandidates(), QStringList{"C:\\Tools\\MSINFO32.EXE"});
    registry.values[kPathKey] = QByteArray("C:\\Info\\info.exe\0", 17);
    EXPECT_EQ(lookup.configuredProgram(), QString("C:\\Info\\info.exe"));
}

// A lookup with fixed answers and a starter that records what it was asked.
struct Scripted final : SystemInfoLookup, ProgramStarter {
    std::optional<QString> configuredProgram() override { return configured; }
    std::optional<QStringList> programCandidates() override { return candidates; }
    bool startDetached(const QString &path) override
    {
        started << path;
        return startSucceeds;
    }
    std::optional<QString> configured;
    std::optional<QStringList> candidates;
    bool startSucceeds = true;
    QStringList started;
};

class StartSysInfo : public ::testing::Test {
  protected:
    void SetUp() override { dir.write("tool", "#!/bin/sh\n"); }
    TempDir dir;
    Scripted s;
};

TEST_F(StartSysInfo, ConfiguredProgramIsStartedWithoutATest)
{
    s.configured = dir.file("not-there");
    s.candidates = QStringList{dir.file("tool")};
    EXPECT_TRUE(startSystemInfo(s, s));
    EXPECT_EQ(s.started, QStringList{dir.file("not-there")});
}

TEST_F(StartSysInfo, AFailedStartOfTheConfiguredProgramTriesNothingElse)
{
    s.configured = dir.file("tool");
    s.startSucceeds = false;
    s.candidates = QStringList{dir.file("tool")};
    EXPECT_FALSE(startSystemInfo(s, s));
    EXPECT_EQ(s.started.size(), 1);
}

TEST_F(StartSysInfo, ACandidateIsStartedOnlyWhenItIsAFile)
{
    QDir(dir.path()).mkdir("folder");
    s.candidates = QStringList{dir.file("missing"), dir.file("folder"), dir.file("tool")};
    EXPECT_TRUE(startSystemInfo(s, s));
    EXPECT_EQ(s.started, QStringList{dir.file("tool")});

    s.started.clear();
    s.candidates = QStringList{dir.file("missing"), dir.file("folder")};
    EXPECT_FALSE(startSystemInfo(s, s));
    EXPECT_TRUE(s.started.isEmpty());

    s.candidates = std::nullopt;
    EXPECT_FALSE(startSystemInfo(s, s));
    EXPECT_TRUE(s.started.isEmpty());
}

TEST_F(StartSysInfo, AFoundProgramThatFailsToStartIsAFailure)
{
    s.candidates = QStringList{dir.file("tool")};
    s.startSucceeds = false;
    EXPECT_FALSE(startSystemInfo(s, s));
}

TEST(DesktopLookup, ConfiguredProgramFromTheSystemSettingsFile)
{
    TempDir dir;
    dir.write("system.conf", "[sysinfo]\nprogram=/opt/tools/info viewer\n");
    DesktopSystemInfo configured(dir.file("system.conf"), "/usr/bin");
    EXPECT_EQ(configured.configuredProgram(), QString("/opt/tools/info viewer"));

    dir.write("empty.conf", "[sysinfo]\nprogram=\n");
    EXPECT_EQ(DesktopSystemInfo(dir.file("empty.conf"), "").configuredProgram(), std::nullopt);
    EXPECT_EQ(DesktopSystemInfo(dir.file("absent.conf"), "").configuredProgram(), std::nullopt);
    EXPECT_TRUE(DesktopSystemInfo::systemSettingsFile().endsWith("ZELQuiz/ZELQuiz.conf"));
}

TEST(DesktopLookup, PathFoldersSearchedForTheKnownToolsInTurn)
{
    DesktopSystemInfo lookup("", "/usr/local/bin::relative/bin:/usr/bin");
    const QStringList known = DesktopSystemInfo::knownPrograms();
    const std::optional<QStringList> candidates = lookup.programCandidates();
    ASSERT_TRUE(candidates);
    ASSERT_EQ(candidates->size(), 2 * known.size());
    EXPECT_EQ(candidates->at(0), "/usr/local/bin/" + known[0]);
    EXPECT_EQ(candidates->at(1), "/usr/bin/" + known[0]);
    EXPECT_EQ(candidates->at(2), "/usr/local/bin/" + known[1]);
    EXPECT_EQ(DesktopSystemInfo("", "").programCandidates(), std::nullopt);
    EXPECT_EQ(DesktopSystemInfo("", "relative:").programCandidates(), std::nullopt);
}

// The real starter: a path with a blank and shell characters is one
// program, and a path that names nothing fails.
TEST(DetachedStart, StartsTheProgramItselfAndReportsFailure)
{
    TempDir dir;
    const QString marker = dir.file("started");
    const QString tool = dir.file("info tool; touch x");
    dir.write("info tool; touch x", ("#!/bin/sh\necho yes > '" + marker + "'\n").toUtf8());
    QFile::setPermissions(tool, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);

    DetachedStarter starter;
    EXPECT_FALSE(starter.startDetached(dir.file("nothing here")));
    EXPECT_FALSE(starter.startDetached(""));
    ASSERT_TRUE(starter.startDetached(tool));
    QDeadlineTimer deadline(10000);
    while (!QFile::exists(marker) && !deadline.hasExpired())
        QThread::msleep(10);
    EXPECT_TRUE(QFile::exists(marker));
    EXPECT_FALSE(QFile::exists(dir.file("x")));
}

} // namespace
