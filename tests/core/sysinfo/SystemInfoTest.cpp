#include "core/sysinfo/DesktopSystemInfo.h"
#include "core/sysinfo/DetachedStarter.h"
#include "core/sysinfo/RegistryValue.h"
#include "core/sysinfo/SystemInfoLookup.h"
#include "core/sysinfo/WindowsSystemInfo.h"
#include "support/CaseName.h"
#include "support/TempDir.h"

#include <QDir>
#include <QFile>
#include <QMap>

#include <gtest/gtest.h>

#include <cstring>
#ifndef Q_OS_WIN
#include <fcntl.h>
#include <poll.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {

// The value as the buffer holds it after a query: the data, then zeros.
struct DecodeCase {
    const char *name;
    QByteArray data;
    std::uint32_t type;
    QString passedIn, expected;
};
class RegistryValueDecode : public ::testing::TestWithParam<DecodeCase> {};

TEST_P(RegistryValueDecode, DecodesTheBuffer)
{
    const DecodeCase &c = GetParam();
    char buffer[RegistryValue::BufferSize] = {};
    std::memcpy(buffer, c.data.constData(), std::size_t(c.data.size()));
    QString KeyVal = c.passedIn;
    RegistryValue::decode(buffer, std::uint32_t(c.data.size()), c.type, KeyVal);
    EXPECT_EQ(KeyVal, c.expected);
}

const DecodeCase kDecodeCases[] = {
    {"text_with_terminator", QByteArray("C:\\Tools\\info.exe\0", 18), 1, "old",
     "C:\\Tools\\info.exe"},
    {"text_without_terminator", "C:\\Tools", 1, "old", "C:\\Tools"},
    {"empty_text", QByteArray("\0", 1), 1, "old", ""},
    {"no_bytes", QByteArray(), 1, "old", ""},
    {"text_filling_the_buffer", QByteArray(1024, 'x'), 1, "", QString(1024, 'x')},
    // A number replaces whatever text was passed in.
    {"number_small", QByteArray("\x05\x01\0\0", 4), 4, "stale", "&h105"},
    {"number_zero", QByteArray(4, '\0'), 4, "", "&h0"},
    {"number_high_bytes", QByteArray("\xEF\xBE\xAD\xDE", 4), 4, "", "&hDEADBEEF"},
    {"other_types_untouched", "%SystemRoot%", 2, "kept", "kept"},
};
INSTANTIATE_TEST_SUITE_P(Values, RegistryValueDecode, ::testing::ValuesIn(kDecodeCases),
                         CaseName());

// A registry in memory, keyed "key|value"; it copies data as the platform
// does and fails a value longer than the buffer.
class FakeRegistry final : public RegistryValue::Api {
  public:
    bool query(std::uint32_t root, const QByteArray &keyName, const QByteArray &valueName,
               std::uint32_t access, char *buffer, std::uint32_t &size,
               std::uint32_t &type) override
    {
        EXPECT_EQ(root, RegistryValue::LocalMachine);
        EXPECT_EQ(access, 0x20019u); // read rights only
        EXPECT_EQ(size, 1024u);
        const auto it = values.find(keyName + "|" + valueName);
        if (it == values.end() || it->size() > qsizetype(size))
            return false;
        std::memcpy(buffer, it->constData(), std::size_t(it->size()));
        size = std::uint32_t(it->size());
        type = 1;
        return true;
    }
    QMap<QByteArray, QByteArray> values;
};

TEST(WindowsLookup, PathValueFirstThenTheFolderOfTheTool)
{
    FakeRegistry registry;
    WindowsSystemInfo lookup(registry);
    EXPECT_EQ(lookup.configuredProgram(), std::nullopt);
    EXPECT_EQ(lookup.programCandidates(), std::nullopt);

    registry.values["SOFTWARE\\Microsoft\\Shared Tools Location|MSINFO"] =
        QByteArray("C:\\Tools\0", 9);
    EXPECT_EQ(lookup.programCandidates(), QStringList{"C:\\Tools\\MSINFO32.EXE"});
    // A value longer than the buffer is as good as none.
    const QByteArray path = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO|PATH";
    registry.values[path] = QByteArray(1025, 'x');
    EXPECT_EQ(lookup.configuredProgram(), std::nullopt);
    registry.values[path] = QByteArray("C:\\Info\\info.exe\0", 17);
    EXPECT_EQ(lookup.configuredProgram(), QString("C:\\Info\\info.exe"));
}

// Records what it is asked to start.
struct RecordingStarter final : ProgramStarter {
    bool startDetached(const QString &path) override
    {
        started << path;
        return succeeds;
    }
    bool succeeds = true;
    QStringList started;
};

#ifndef Q_OS_WIN
// The desktop lookup and the starter are the Linux side; Windows uses the
// registry lookup below.

// The configured program is started untested and is the only try (a bare
// name only from an absolute PATH folder, never the working folder); else
// each known tool in every absolute folder of PATH in turn, a candidate
// only when it is a file (a relative or empty entry would search the
// folder the program was started from); a failed start is a failure.
struct StartCase {
    const char *name, *settings;
    QString path; // "<dir>" stands for the test's folder
    bool succeeds;
    QStringList started;
};
class StartSysInfo : public ::testing::TestWithParam<StartCase> {
  protected:
    void SetUp() override
    {
        ASSERT_TRUE(QDir(dir.path()).mkpath("a/kinfocenter") && QDir(dir.path()).mkpath("b"));
        dir.write("a/hardinfo", "");
        dir.write("b/kinfocenter", "");
        dir.write("tool.conf", "[sysinfo]\nprogram=" + dir.file("no such tool").toUtf8() + "\n");
        dir.write("empty.conf", "[sysinfo]\nprogram=\n");
        dir.write("bare.conf", "[sysinfo]\nprogram=hardinfo\n");
        dir.write("relative.conf", "[sysinfo]\nprogram=a/hardinfo\n");
        QFile::setPermissions(dir.file("a/hardinfo"), QFile::ReadOwner | QFile::ExeOwner);
    }
    TempDir dir;
};

TEST_P(StartSysInfo, StartsWhatTheDesktopLookupFinds)
{
    const StartCase &c = GetParam();
    DesktopSystemInfo lookup(dir.file(c.settings), QString(c.path).replace("<dir>", dir.path()));
    RecordingStarter starter;
    starter.succeeds = c.succeeds;
    EXPECT_EQ(startSystemInfo(lookup, starter), c.succeeds && !c.started.isEmpty());
    EXPECT_EQ(starter.started, QStringList(c.started).replaceInStrings("<dir>", dir.path()));
}

const QString kNone = "<dir>/no such tool", kMixed = kNone + ":relative:<dir>/a::<dir>/b";
const StartCase kStartCases[] = {
    {"configured_untested", "tool.conf", "<dir>/b", true, {kNone}},
    {"configured_fails_no_fallback", "tool.conf", "<dir>/b", false, {kNone}},
    // A configured bare name is looked for in the absolute folders only.
    {"configured_name_in_path", "bare.conf", ".:<dir>/a", true, {"<dir>/a/hardinfo"}},
    {"configured_name_not_found", "bare.conf", ".:<dir>/b", true, {}},
    {"configured_name_no_absolute_folder", "bare.conf", ".:relative", true, {}},
    {"configured_relative_path", "relative.conf", "<dir>/a", true, {}},
    {"tools_before_folders", "empty.conf", kMixed, true, {"<dir>/b/kinfocenter"}},
    {"no_candidate_exists", "absent.conf", kNone, true, {}},
    {"no_absolute_folder", "absent.conf", "relative:", true, {}},
    {"found_but_fails_to_start", "absent.conf", "<dir>/a", false, {"<dir>/a/hardinfo"}},
};
INSTANTIATE_TEST_SUITE_P(Settings, StartSysInfo, ::testing::ValuesIn(kStartCases), CaseName());

TEST(DesktopLookup, ReadsTheProgramsSystemSettingsFile)
{
    EXPECT_TRUE(DesktopSystemInfo::systemSettingsFile().endsWith("ZELQuiz/ZELQuiz.conf"));
}

// The real starter: a path with a blank and shell characters is one
// program, and a path that names nothing fails. The program reports its
// start through a pipe, which the test waits on without a sleep.
TEST(DetachedStart, StartsTheProgramItselfAndReportsFailure)
{
    TempDir dir;
    const QString pipe = dir.file("started");
    const QString tool = dir.file("info tool; touch x");
    dir.write("info tool; touch x", ("#!/bin/sh\necho yes > '" + pipe + "'\n").toUtf8());
    QFile::setPermissions(tool, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    ASSERT_EQ(mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    const int fd = ::open(QFile::encodeName(pipe).constData(), O_RDONLY | O_NONBLOCK);
    ASSERT_GE(fd, 0);

    DetachedStarter starter;
    EXPECT_FALSE(starter.startDetached(dir.file("nothing here")));
    EXPECT_FALSE(starter.startDetached(""));
    EXPECT_TRUE(starter.startDetached(tool));
    pollfd ready{fd, POLLIN, 0};
    EXPECT_EQ(poll(&ready, 1, 30000), 1) << "the program did not report within 30 s";
    char said[8] = {};
    EXPECT_EQ(::read(fd, said, sizeof said), 4);
    EXPECT_STREQ(said, "yes\n");
    ::close(fd);
    EXPECT_FALSE(QFile::exists(dir.file("x")));
}

#endif

#ifdef Q_OS_WIN
// The real registry: a value every Windows has, as text and as a number,
// and a missing key or value, which give False and an empty text.
TEST(Win32Registry, ReadsTheLocalMachineKeys)
{
    Win32Registry registry;
    std::uint32_t root = RegistryValue::LocalMachine;
    QString key = QStringLiteral("SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion");
    QString value = QStringLiteral("SystemRoot");
    QString read = QStringLiteral("old");
    EXPECT_TRUE(GetKeyValue(registry, root, key, value, read));
    EXPECT_TRUE(read.endsWith(QLatin1String("\\windows"), Qt::CaseInsensitive))
        << read.toStdString();

    QString missingValue = QStringLiteral("NoSuchValue");
    EXPECT_FALSE(GetKeyValue(registry, root, key, missingValue, read));
    EXPECT_EQ(read, QString());
    QString missingKey = QStringLiteral("SOFTWARE\\NoSuchVendor\\NoSuchKey");
    read = QStringLiteral("old");
    EXPECT_FALSE(GetKeyValue(registry, root, missingKey, value, read));
    EXPECT_EQ(read, QString());
}

// Where Windows records its system-information program, as the test run
// registered it (scripts/windows/test.sh, with `wine reg add`): both values
// read through the real registry, a path with blanks included.
TEST(Win32Registry, FindsTheSystemInformationProgramWhereWindowsRecordsIt)
{
    const QString program = qEnvironmentVariable("ZELQUIZ_TEST_MSINFO_PATH");
    const QString folder = qEnvironmentVariable("ZELQUIZ_TEST_MSINFO_FOLDER");
    if (program.isEmpty() || folder.isEmpty())
        GTEST_SKIP() << "the values are registered by scripts/windows/test.sh";
    Win32Registry registry;
    WindowsSystemInfo lookup(registry);
    EXPECT_EQ(lookup.configuredProgram(), program);
    EXPECT_EQ(lookup.programCandidates(), QStringList{folder + QStringLiteral("\\MSINFO32.EXE")});
}
#endif

} // namespace
