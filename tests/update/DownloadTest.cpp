// The data-file download: a real replacement over a static server, and
// every failure of the network, the server and the disk leaving the
// installed bank byte for byte as it was.
#include "ScriptedServer.h"
#include "StaticServer.h"
#include "UpdateTestData.h"
#include "quiz/BankLoader.h"
#include "support/Fakes.h"
#include "update/QtHttpFetcher.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>

#include <gtest/gtest.h>

#include <iostream>

namespace {

using namespace std::chrono_literals;

const QString CR = QStringLiteral("\r");
const QString kComplete = QStringLiteral("Downloading Files...") + CR + "Download Complete." + CR +
                          CR + "Please restart ZEL Quiz to finish upgrade.";
constexpr const char *kAfterDownload = "Command1 off | dbtn - | dlbtn off | cbtn Done";
constexpr const char *kRetry = "Command1 on | dbtn - | dlbtn Download Data Files | cbtn Cancel";

QStringList filesIn(const TempDir &dir)
{
    return QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
}

// Puts the window into its DataUpgrade state by a check, then downloads.
void checkThenDownload(frmChkUpdt &w)
{
    w.Command1->click();
    ASSERT_EQ(buttonsOf(w), kRetry) << w.view().Text2.toStdString();
    w.dlbtn->click();
}

struct ReplaceCase {
    const char *name;
    QByteArray serverVersion;
    QString shownAfterReload;
};

class DownloadReplaces : public ::testing::TestWithParam<ReplaceCase> {};

TEST_P(DownloadReplaces, TheThreeFilesAndTheNextLoadShowsTheNewVersion)
{
    const ReplaceCase &c = GetParam();
    StaticServer server;
    TempDir dir;
    installBank(dir);
    server.put(QStringLiteral("zelq_ver.txt"), "1.6");
    server.put(QStringLiteral("DV.ZEL"), c.serverVersion);
    server.put(QStringLiteral("A.zel"), sampleA());
    server.put(QStringLiteral("AD.zel"), sampleAD());
    QtHttpFetcher fetcher;
    FakeBoxes boxes;

    {
        frmChkUpdt w(dir.path(), fetcher, boxes, nullptr, server.baseUrl());
        QElapsedTimer clock;
        clock.start();
        checkThenDownload(w);
        std::cout << "[ measure ] check and download over loopback: " << clock.elapsed() << " ms\n";
        EXPECT_EQ(w.view().Text2, kComplete);
        EXPECT_EQ(buttonsOf(w), kAfterDownload);
        // What the window showed at load stays until it is loaded again.
        EXPECT_EQ(w.Text3->text(), "Data Files:\n1.2");
    }
    EXPECT_EQ(dir.read("A.zel"), sampleA() + "\r\n");
    EXPECT_EQ(dir.read("AD.zel"), sampleAD() + "\r\n");
    EXPECT_EQ(dir.read("DV.ZEL"), c.serverVersion + "\r\n");
    EXPECT_EQ(filesIn(dir), QStringList({"A.zel", "AD.zel", "DV.ZEL"}));
    // The bank the next start reads.
    const QuestionBank bank =
        BankLoader::LoadBank(dir.file("A.zel"), dir.file("AD.zel"), standardWordings());
    EXPECT_EQ(bank.askableCount(), 7);

    frmChkUpdt reopened(dir.path(), fetcher, boxes, nullptr, server.baseUrl());
    EXPECT_EQ(reopened.Text3->text(), c.shownAfterReload);
    EXPECT_EQ(buttonsOf(reopened), "Command1 on | dbtn Cancel | dlbtn - | cbtn -");
    reopened.Command1->click();
    EXPECT_EQ(reopened.view().Text2, "You have the most updated version.");
}

INSTANTIATE_TEST_SUITE_P(
    ServerVersions, DownloadReplaces,
    ::testing::Values(ReplaceCase{"without_line_end", "1.3", "Data Files:\n1.3"},
                      ReplaceCase{"with_line_end", "1.3\r\n", "Data Files:\n1.3"}),
    [](const auto &info) { return std::string(info.param.name); });

// One file of the three goes wrong; the others are served as they should.
struct FailureCase {
    const char *name;
    QByteArray path;
    ScriptedServer::Reply reply;
    QString says; // part of the failure text
};

ScriptedServer::Reply announcing(qint64 length)
{
    ScriptedServer::Reply r = ScriptedServer::stall("1|", 2);
    r.announcedLength = length;
    return r;
}

ScriptedServer::Reply endless()
{
    ScriptedServer::Reply r = ScriptedServer::ok(QByteArray(qsizetype{64} * 1024, 'x'));
    r.kind = ScriptedServer::Reply::Endless;
    return r;
}

QByteArray lines(int n, const QByteArray &line)
{
    QByteArray out;
    for (int i = 0; i < n; ++i)
        out += line + "\r\n";
    return out;
}

void PrintTo(const FailureCase &c, std::ostream *os)
{
    *os << c.name;
}

class DownloadFailure : public ::testing::TestWithParam<FailureCase> {};

TEST_P(DownloadFailure, LeavesTheBankAsItWasAndSaysWhatFailed)
{
    const FailureCase &c = GetParam();
    ScriptedServer server;
    server.on("/zel/A.zel", ScriptedServer::ok(sampleA()));
    server.on("/zel/AD.zel", ScriptedServer::ok(sampleAD()));
    server.on("/zel/DV.ZEL", ScriptedServer::ok("1.3"));
    server.on(c.path, c.reply);
    TempDir dir;
    installBank(dir);
    const auto before = bankFiles(dir);
    // A short time-out stands in for the 20 seconds.
    QtHttpFetcher fetcher(500ms);
    FakeBoxes boxes;

    frmChkUpdt w(dir.path(), fetcher, boxes, nullptr, server.baseUrl());
    w.dlbtn->click();

    const QString text = w.view().Text2;
    EXPECT_TRUE(text.startsWith("Downloading Files..." + CR + "Download failed. "))
        << text.toStdString();
    EXPECT_TRUE(text.contains(c.says)) << text.toStdString();
    EXPECT_TRUE(text.endsWith(CR + CR + "The question bank was not changed."))
        << text.toStdString();
    EXPECT_EQ(bankFiles(dir), before);
    EXPECT_EQ(filesIn(dir), QStringList({"A.zel", "AD.zel", "DV.ZEL"}));
    // Nothing was changed, so the download may be tried again.
    EXPECT_EQ(buttonsOf(w), kRetry);
}

const QByteArray kCapText = QByteArray::number(QtHttpFetcher::BodyCap);

INSTANTIATE_TEST_SUITE_P(
    Replies, DownloadFailure,
    ::testing::Values(
        FailureCase{"a_stalls", "/zel/A.zel", ScriptedServer::stall(sampleA(), 5),
                    "A.zel: http://127.0.0.1"},
        FailureCase{"dv_trickles_past_the_time_out", "/zel/DV.ZEL",
                    ScriptedServer::trickle(QByteArray(200, '1')), "DV.ZEL:"},
        FailureCase{"ad_reset_half_way", "/zel/AD.zel", ScriptedServer::reset(sampleAD(), 40),
                    "AD.zel: "},
        FailureCase{"dv_404", "/zel/DV.ZEL", ScriptedServer::error(404, "Not Found"), "DV.ZEL: "},
        FailureCase{"a_500_page", "/zel/A.zel", ScriptedServer::error(500, "Internal Server Error"),
                    "Internal Server Error"},
        FailureCase{"a_empty", "/zel/A.zel", ScriptedServer::ok(""),
                    "A.zel: the website sent an empty file"},
        FailureCase{"ad_over_the_cap", "/zel/AD.zel", endless(),
                    "larger than " + kCapText + " bytes"},
        FailureCase{"ad_announces_over_the_cap", "/zel/AD.zel",
                    announcing(QtHttpFetcher::BodyCap + 1), "larger than " + kCapText + " bytes"},
        FailureCase{"ad_malformed_number", "/zel/AD.zel",
                    ScriptedServer::ok("3|2|x|4|5|6|7|\r\n3|1|3|4|5|6|7|"),
                    "AD.zel: not a valid question bank file (Type mismatch)"},
        FailureCase{"ad_fields_missing", "/zel/AD.zel", ScriptedServer::ok("3|2|3|\r\n3|1|3|"),
                    "AD.zel: not a valid question bank file (Overflow)"},
        FailureCase{"a_too_many_lines", "/zel/A.zel", ScriptedServer::ok(lines(601, "x")),
                    "A.zel: not a valid question bank file (Subscript out of range)"},
        // 600 lines with a line end gain an empty 601st from the download.
        FailureCase{"a_600_lines_and_a_line_end", "/zel/A.zel", ScriptedServer::ok(lines(600, "x")),
                    "A.zel: not a valid question bank file (Subscript out of range)"},
        FailureCase{"too_few_questions", "/zel/AD.zel",
                    ScriptedServer::ok("3|2|3|4|5|6|7|\r\n" + lines(6, "9")),
                    "(Too few questions in the question bank)"},
        FailureCase{"dv_error_page_with_200", "/zel/DV.ZEL",
                    ScriptedServer::ok("<html>Moved</html>"), "DV.ZEL: not a data version number"}),
    [](const auto &info) { return std::string(info.param.name); });

// A place where a file should go that cannot take it: a folder of the same
// name. Works as root too, which passes every permission check.
TEST(DownloadWrite, AFolderWhereAFileShouldBe)
{
    ScriptedServer server;
    server.on("/zel/A.zel", ScriptedServer::ok(sampleA()));
    server.on("/zel/AD.zel", ScriptedServer::ok(sampleAD()));
    server.on("/zel/DV.ZEL", ScriptedServer::ok("1.3"));
    QtHttpFetcher fetcher;
    FakeBoxes boxes;
    for (const char *name : {"A.zel", "AD.zel", "DV.ZEL"}) {
        TempDir dir;
        installBank(dir);
        QFile::remove(dir.file(name));
        ASSERT_TRUE(QDir(dir.path()).mkpath(QString(name) + "/inside"));
        const auto before = bankFiles(dir);

        frmChkUpdt w(dir.path(), fetcher, boxes, nullptr, server.baseUrl());
        w.dlbtn->click();
        const QString text = w.view().Text2;
        EXPECT_TRUE(text.contains("Download failed. " + QString(name) + ": "))
            << text.toStdString();
        EXPECT_TRUE(text.endsWith("The question bank was not changed.")) << text.toStdString();
        EXPECT_EQ(bankFiles(dir), before) << name;
        EXPECT_EQ(filesIn(dir), QStringList({"A.zel", "AD.zel", "DV.ZEL"})) << name;
        EXPECT_TRUE(QFileInfo(dir.file(name)).isDir());
    }
}

} // namespace
