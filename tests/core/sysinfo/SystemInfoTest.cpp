#include "core/sysinfo/DesktopSystemInfo.h"
#include "core/sysinfo/DetachedStarter.h"
#include "core/sysinfo/RegistryValue.h"
#include "core/sysinfo/SystemInfoLookup.h"
#include "core/sysinfo/WindowsSystemInfo.h"
#include "support/TempDir.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QMap>
#include <QThread>

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

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

// A lookup with fixed answers (names of files in a real folder: "tool" is
// a file, "folder" a folder, "missing" nothing) and a starter that records
// what it was asked.
struct Lookup {
    const char *name;
    const char *configured; // nullptr: none configured
    std::vector<const char *> candidates;
    bool noCandidates;
    bool startSucceeds;
    const char *started; // nullptr: nothing started
    bool result;
};

class StartSysInfo : public ::testing::TestWithParam<Lookup>, SystemInfoLookup, ProgramStarter {
  protected:
    std::optional<QString> configuredProgram() override
    {
        if (!GetParam().configured)
            return std::nullopt;
        return dir.file(GetParam().configured);
    }
    std::optional<QStringList> programCandidates() override
    {
        if (GetParam().noCandidates)
            return std::nullopt;
        QStringList out;
        for (const char *c : GetParam().candidates)
            out << dir.file(c);
        return out;
    }
    bool startDetached(const QString &path) override
    {
        started << path;
        return GetParam().startSucceeds;
    }
    bool run()
    {
        dir.write("tool", "#!/bin/sh\n");
        QDir(dir.path()).mkdir("folder");
        return startSystemInfo(*this, *this);
    }
    TempDir dir;
    QStringList started;
};

// The configured program is started untested and is the only try; a
// candidate only when it is a file; a failed start is a failure.
TEST_P(StartSysInfo, StartsWhatTheLookupsFind)
{
    EXPECT_EQ(run(), GetParam().result);
    QStringList expected;
    if (GetParam().started)
        expected << dir.file(GetParam().started);
    EXPECT_EQ(started, expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, StartSysInfo,
    ::testing::Values(
        Lookup{"configured_untested", "missing", {"tool"}, false, true, "missing", true},
        Lookup{"configured_fails_no_fallback", "tool", {"tool"}, false, false, "tool", false},
        Lookup{"first_existing_candidate",
               nullptr,
               {"missing", "folder", "tool"},
               false,
               true,
               "tool",
               true},
        Lookup{"no_candidate_exists", nullptr, {"missing", "folder"}, false, true, nullptr, false},
        Lookup{"nothing_recorded", nullptr, {}, true, true, nullptr, false},
        Lookup{"found_but_fails_to_start", nullptr, {"tool"}, false, false, "tool", false}),
    [](const auto &info) { return std::string(info.param.name); });

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
