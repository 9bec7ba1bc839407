// The data-file download: a real replacement, and every failure of the
// network, the server and the disk leaving the installed bank byte for
// byte as it was.
#include "UpdateTestData.h"
#include "core/quiz/BankLoader.h"

#include <QCoreApplication>
#include <QProcess>
#include <QStandardPaths>

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

namespace {

using namespace std::chrono_literals;

TEST(Download, ReplacesTheThreeFilesAndTheNextLoadShowsTheNewVersion)
{
    ScriptedServer server;
    serveBank(server);
    TempDir dir;
    installBank(dir);
    QtHttpFetcher fetcher;
    FakeBoxes boxes;
    {
        frmChkUpdt w(dir.path(), fetcher, boxes, nullptr, server.baseUrl());
        w.Command1->click();
        ASSERT_EQ(buttonsOf(w), kUpgradeButtons) << w.view().Text2.toStdString();
        w.dlbtn->click();
        EXPECT_EQ(w.view().Text2, "Downloading Files..." + CR + "Download Complete." + CR + CR +
                                      "Please restart ZEL Quiz to finish upgrade.");
        EXPECT_EQ(buttonsOf(w), "Command1 off | dbtn - | dlbtn off | cbtn Done");
        // What the window showed at load stays until it is loaded again.
        EXPECT_EQ(w.Text3->text(), "Data Files:\n1.2");
    }
    EXPECT_EQ(folderState(dir.path()), QStringList({"A.zel", "AD.zel", "DV.ZEL", kServerA + "\r\n",
                                                    kServerAD + "\r\n", "1.3\r\n"}));
    // The bank the next start reads.
    const QuestionBank bank =
        BankLoader::LoadBank(dir.file("A.zel"), dir.file("AD.zel"), standardWordings());
    EXPECT_EQ(bank.askableCount(), 7);

    frmChkUpdt reopened(dir.path(), fetcher, boxes, nullptr, server.baseUrl());
    EXPECT_EQ(reopened.Text3->text(), "Data Files:\n1.3");
    reopened.Command1->click();
    EXPECT_EQ(reopened.view().Text2, "You have the most updated version.");
}

// Downloads into the folder and expects the failure, naming `says`, with
// everything in the folder as before and the download offered again.
void expectUnchanged(const QString &folder, ScriptedServer &server, const QString &says,
                     std::chrono::milliseconds timeout = QtHttpFetcher::RequestTimeout)
{
    const QStringList before = folderState(folder);
    QtHttpFetcher fetcher(timeout);
    FakeBoxes boxes;
    frmChkUpdt w(folder, fetcher, boxes, nullptr, server.baseUrl());
    w.dlbtn->click();
    const QString text = w.view().Text2;
    EXPECT_TRUE(text.startsWith("Downloading Files..." + CR + "Download failed. "))
        << text.toStdString();
    EXPECT_TRUE(text.contains(says)) << text.toStdString();
    EXPECT_TRUE(text.endsWith(CR + CR + "The question bank was not changed."))
        << text.toStdString();
    EXPECT_EQ(folderState(folder), before);
    EXPECT_EQ(buttonsOf(w), kUpgradeButtons);
}

QByteArray lines(int n, const QByteArray &line)
{
    QByteArray out;
    for (int i = 0; i < n; ++i)
        out += line + "\r\n";
    return out;
}

// One file of the three goes wrong; the others are served as they should.
TEST(Download, AnyFailureLeavesTheBankAsItWasAndSaysWhatFailed)
{
    using R = ScriptedServer::Reply;
    const QString tooLarge = "larger than " + QString::number(QtHttpFetcher::BodyCap) + " bytes";
    const struct {
        QByteArray path;
        R reply;
        QString says; // part of the failure text
    } cases[] = {
        {"/zel/A.zel", {kServerA, R::Stall, 5}, "zel/A.zel timed out after 0.5 seconds"},
        // Every byte is progress: only a limit on the whole request ends it.
        {"/zel/DV.ZEL",
         {QByteArray(200, '1'), R::Trickle},
         "zel/DV.ZEL timed out after 0.5 seconds"},
        {"/zel/AD.zel", {kServerAD, R::Reset, 40}, "AD.zel: "},
        {"/zel/DV.ZEL", ScriptedServer::error("404 Not Found"), "DV.ZEL: "},
        {"/zel/A.zel", ScriptedServer::error("500 Internal Server Error"), "Internal Server Error"},
        {"/zel/A.zel", {""}, "A.zel: the website sent an empty file"},
        // Refused on the announcement alone: the body would never come.
        {"/zel/AD.zel", {"1|", R::Stall, 2, QtHttpFetcher::BodyCap + 1}, tooLarge},
        {"/zel/AD.zel",
         {"3|2|x|4|5|6|7|\r\n3|1|3|4|5|6|7|"},
         "AD.zel: not a valid question bank file (Type mismatch)"},
        // 600 lines with a line end gain an empty 601st from the download.
        {"/zel/A.zel",
         {lines(600, "x")},
         "A.zel: not a valid question bank file (Subscript out of range)"},
        {"/zel/AD.zel",
         {"3|2|3|4|5|6|7|\r\n" + lines(6, "9")},
         "AD.zel: not a valid question bank file (Too few questions in the question bank)"},
        {"/zel/DV.ZEL", {"<html>Moved</html>"}, "DV.ZEL: not a data version number"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.path.toStdString() + ", expecting " + c.says.toStdString());
        ScriptedServer server;
        serveBank(server);
        server.on(c.path, c.reply);
        TempDir dir;
        installBank(dir);
        // A short time-out stands in for the 20 seconds.
        expectUnchanged(dir.path(), server, c.says, 500ms);
    }
}

// A place where a file should go that cannot take it: a folder of the same
// name. Works as root too, which passes every permission check.
TEST(DownloadWrite, AFolderWhereAFileShouldBe)
{
    ScriptedServer server;
    serveBank(server);
    for (const QString name : {"A.zel", "AD.zel", "DV.ZEL"}) {
        TempDir dir;
        installBank(dir);
        QFile::remove(dir.file(name));
        ASSERT_TRUE(QDir(dir.path()).mkpath(name + "/inside"));
        expectUnchanged(dir.path(), server, "Download failed. " + name + ": ");
    }
}

// A program folder the download cannot write. Root passes every permission
// check, so as root the test runs itself again as an unprivileged user.
constexpr const char *kSticky = "ZELQUIZ_UPDATE_TEST_STICKY_FOLDER";
constexpr uid_t kNobody = 65534;

TEST(DownloadWrite, UnwritableFolderChangesNothing)
{
    ScriptedServer server;
    serveBank(server);
    if (::geteuid() != 0) {
        // A folder without write permission: no file can be made in it.
        TempDir dir;
        installBank(dir);
        ASSERT_EQ(::chmod(dir.path().toLocal8Bit().constData(), 0555), 0);
        expectUnchanged(dir.path(), server, "Download failed. A.zel: ");
        ::chmod(dir.path().toLocal8Bit().constData(), 0755);

        // A shared folder (sticky bit) where "AD.zel" belongs to someone
        // else: it may be written to but not replaced, so the replacement
        // of "A.zel" before it has to be undone.
        if (qEnvironmentVariableIsSet(kSticky))
            expectUnchanged(qEnvironmentVariable(kSticky), server, "Download failed. AD.zel: ");
        return;
    }
    if (qEnvironmentVariableIsSet(kSticky))
        FAIL() << "still root after dropping privileges";
    const QString setpriv = QStandardPaths::findExecutable(QStringLiteral("setpriv"));
    if (setpriv.isEmpty())
        GTEST_SKIP() << "running as root without setpriv: cannot drop privileges";

    // "A.zel" and "DV.ZEL" belong to the unprivileged user, "AD.zel" to root.
    TempDir sticky;
    installBank(sticky);
    const QByteArray folder = sticky.path().toLocal8Bit();
    ASSERT_EQ(::chmod(folder, 01777), 0);
    ASSERT_EQ(::chmod(folder + "/AD.zel", 0666), 0);
    for (const char *name : {"/A.zel", "/DV.ZEL"})
        ASSERT_EQ(::chown(folder + name, kNobody, kNobody), 0);
    const QStringList before = folderState(sticky.path());
    struct stat oldA {};
    ASSERT_EQ(::stat(folder + "/A.zel", &oldA), 0);

    QProcess child;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QLatin1String(kSticky), sticky.path());
    env.insert(QStringLiteral("HOME"), QDir::tempPath());
    child.setProcessEnvironment(env);
    child.setProcessChannelMode(QProcess::MergedChannels);
    child.start(setpriv, {QStringLiteral("--reuid=%1").arg(kNobody),
                          QStringLiteral("--regid=%1").arg(kNobody), "--clear-groups", "--",
                          QCoreApplication::applicationFilePath(),
                          "--gtest_filter=DownloadWrite.UnwritableFolderChangesNothing"});
    ASSERT_TRUE(child.waitForFinished(60000));
    const QByteArray output = child.readAll();
    EXPECT_EQ(child.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(child.exitCode(), 0) << output.toStdString();
    EXPECT_TRUE(output.contains("[  PASSED  ] 1 test")) << output.toStdString();
    EXPECT_EQ(folderState(sticky.path()), before);
    // "A.zel" was written again with its old bytes: it was replaced, then
    // put back. (The inode may be reused, the modification time is not.)
    struct stat newA {};
    ASSERT_EQ(::stat(folder + "/A.zel", &newA), 0);
    EXPECT_TRUE(newA.st_mtim.tv_sec != oldA.st_mtim.tv_sec ||
                newA.st_mtim.tv_nsec != oldA.st_mtim.tv_nsec);
}

} // namespace
