// A program folder the download cannot write. Root passes every permission
// check, so as root the test runs itself again as an unprivileged user.
#include "ScriptedServer.h"
#include "UpdateTestData.h"
#include "support/Fakes.h"
#include "update/QtHttpFetcher.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr const char *kChild = "ZELQUIZ_UPDATE_TEST_UNPRIVILEGED";
constexpr const char *kSticky = "ZELQUIZ_UPDATE_TEST_STICKY_FOLDER";
constexpr uid_t kNobody = 65534;

std::array<QByteArray, 3> filesOf(const QString &folder)
{
    auto read = [&](const char *name) {
        QFile f(folder + QLatin1Char('/') + QLatin1String(name));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    };
    return {read("A.zel"), read("AD.zel"), read("DV.ZEL")};
}

// Downloads a good bank into the folder and expects the failure text for
// the named file, with the three files as before.
void expectRefused(const QString &folder, const QString &file)
{
    ScriptedServer server;
    server.on("/zel/A.zel", ScriptedServer::ok(sampleA()));
    server.on("/zel/AD.zel", ScriptedServer::ok(sampleAD()));
    server.on("/zel/DV.ZEL", ScriptedServer::ok("1.3"));
    QtHttpFetcher fetcher;
    FakeBoxes boxes;
    const auto before = filesOf(folder);
    const QStringList entries = QDir(folder).entryList(QDir::Files | QDir::Hidden);

    frmChkUpdt w(folder, fetcher, boxes, nullptr, server.baseUrl());
    w.dlbtn->click();
    const QString text = w.view().Text2;
    EXPECT_TRUE(text.contains("Download failed. " + file + ": ")) << text.toStdString();
    EXPECT_TRUE(text.endsWith("The question bank was not changed.")) << text.toStdString();
    EXPECT_EQ(filesOf(folder), before);
    EXPECT_EQ(QDir(folder).entryList(QDir::Files | QDir::Hidden), entries);
}

void writeFile(const QString &path, const QByteArray &bytes, uid_t owner, mode_t mode)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(bytes);
    f.close();
    ASSERT_EQ(::chown(path.toLocal8Bit().constData(), owner, owner), 0);
    ASSERT_EQ(::chmod(path.toLocal8Bit().constData(), mode), 0);
}

TEST(UnwritableFolder, DownloadChangesNothing)
{
    if (::geteuid() != 0) {
        // A folder without write permission: no file can be made in it.
        TempDir dir;
        installBank(dir);
        ASSERT_EQ(::chmod(dir.path().toLocal8Bit().constData(), 0555), 0);
        expectRefused(dir.path(), QStringLiteral("A.zel"));
        ::chmod(dir.path().toLocal8Bit().constData(), 0755);

        // A shared folder (sticky bit) where "AD.zel" belongs to someone
        // else: it may be written to but not replaced, so the replacement
        // of "A.zel" before it has to be undone.
        if (qEnvironmentVariableIsSet(kSticky))
            expectRefused(qEnvironmentVariable(kSticky), QStringLiteral("AD.zel"));
        return;
    }
    if (qEnvironmentVariableIsSet(kChild))
        FAIL() << "still root after dropping privileges";
    const QString setpriv = QStandardPaths::findExecutable(QStringLiteral("setpriv"));
    if (setpriv.isEmpty())
        GTEST_SKIP() << "running as root without setpriv: cannot drop privileges";

    QTemporaryDir sticky;
    const QString folder = sticky.path();
    ASSERT_EQ(::chmod(folder.toLocal8Bit().constData(), 01777), 0);
    writeFile(folder + "/A.zel", "Old\r\nOlder\r\n", kNobody, 0644);
    writeFile(folder + "/AD.zel", "3|2|1|1|1|1|1|\r\n3|1|2|2|2|2|2|\r\n", 0, 0666);
    writeFile(folder + "/DV.ZEL", "1.2\r\n", kNobody, 0644);
    const auto before = filesOf(folder);
    struct stat oldA {};
    ASSERT_EQ(::stat((folder + "/A.zel").toLocal8Bit().constData(), &oldA), 0);

    QProcess child;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QLatin1String(kChild), QStringLiteral("1"));
    env.insert(QLatin1String(kSticky), folder);
    env.insert(QStringLiteral("HOME"), QDir::tempPath());
    child.setProcessEnvironment(env);
    child.setProcessChannelMode(QProcess::MergedChannels);
    child.start(setpriv,
                {QStringLiteral("--reuid=%1").arg(kNobody),
                 QStringLiteral("--regid=%1").arg(kNobody), QStringLiteral("--clear-groups"),
                 QStringLiteral("--"), QCoreApplication::applicationFilePath(),
                 QStringLiteral("--gtest_filter=UnwritableFolder.*")});
    ASSERT_TRUE(child.waitForFinished(60000));
    const QByteArray output = child.readAll();
    EXPECT_EQ(child.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(child.exitCode(), 0) << output.toStdString();
    EXPECT_TRUE(output.contains("[  PASSED  ] 1 test")) << output.toStdString();
    EXPECT_EQ(filesOf(folder), before);
    // "A.zel" was written again with its old bytes: it was replaced, then
    // put back. (The inode may be reused, the modification time is not.)
    struct stat newA {};
    ASSERT_EQ(::stat((folder + "/A.zel").toLocal8Bit().constData(), &newA), 0);
    EXPECT_TRUE(newA.st_mtim.tv_sec != oldA.st_mtim.tv_sec ||
                newA.st_mtim.tv_nsec != oldA.st_mtim.tv_nsec);
}

} // namespace
