// The update window against a server on 127.0.0.1: the check, the download
// of the data files, and every failure of the network, the server and the
// disk leaving the installed bank byte for byte as it was.
#include "ScriptedServer.h"
#include "core/common/DisplayText.h"
#include "core/update/UpdateBaseUrl.h"
#include "gui/Controls.h"
#include "gui/network/QtHttpFetcher.h"
#include "gui/update/UpdateDialog.h"
#include "support/TempDir.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QLabel>
#include <QLockFile>
#include <QProcess>
#include <QPushButton>
#include <QSettings>
#include <QSpontaneKeyEvent>
#include <QStandardPaths>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>

#include <sys/stat.h>
#include <unistd.h>

namespace {

using namespace std::chrono_literals;
using R = ScriptedServer::Reply;

const QString CR = QStringLiteral("\r");
const QString kCurrent = QStringLiteral("You have the most updated version.");
const QString kCurrentButtons = QStringLiteral("Check for Update | Done | - | -");
const QString kUpgradeButtons = "Check for Update | - | Download Data Files | Cancel";

// A bank that loads and asks seven questions, as the server holds it (no
// line end after the last line: the download adds one).
const QByteArray kServerA = "Fern\r\nCactus\r\nMoss\r\nIvy\r\nPalm\r\nOrchid\r\nBasil";
const QByteArray kServerAD = "3|2|3|4|5|6|7|\r\n4|1|3|4|5|6|7|\r\n3|4|1|2|5|6|7|\r\n"
                             "5|3|1|2|4|6|7|\r\n3|6|1|2|3|4|5|\r\n4|5|1|2|3|4|6|\r\n3|1|2|3|4|5|6|";

QString dataUpgrade(const QString &version)
{
    return "Data file upgrade is available to version: " + version + CR + CR +
           "Click 'Download Data Files' button to upgrade.";
}

// The installed bank of a program folder, data version 1.2.
void install(const TempDir &folder)
{
    folder.write("A.zel", "Old\r\nOlder\r\nOldest\r\n");
    folder.write("AD.zel", "3|2|3|1|2|3|1|\r\n3|1|3|1|2|3|1|\r\n3|1|2|1|2|3|1|\r\n");
    folder.write("DV.ZEL", "1.2\r\n");
}

// Every name in a folder, then the bytes of the three files (Latin-1 maps
// each byte to one character), to compare before and after.
QStringList folderState(const QString &folder)
{
    QStringList out =
        QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
    for (const char *name : {"/A.zel", "/AD.zel", "/DV.ZEL"}) {
        QFile f(folder + name);
        out << (f.open(QIODevice::ReadOnly) ? QString::fromLatin1(f.readAll()) : "(no file)");
    }
    return out;
}

QString text(const QWidget &w, const char *label)
{
    return control<QLabel>(&w, label)->text();
}

// Presses a button of the window; the status text it leaves.
QString press(UpdateDialog &w, const char *button)
{
    control<QPushButton>(&w, button)->click();
    return w.view().status;
}

// The four buttons, left to right as placed, as a user sees them: "-" is
// hidden, "off" shown but disabled.
QString buttons(const UpdateDialog &w)
{
    QStringList out;
    for (const char *name : {"checkButton", "doneButton", "downloadButton", "cancelButton"}) {
        const auto *b = control<QPushButton>(&w, name);
        out << (b->isHidden() ? "-" : !b->isEnabled() ? "off" : b->text());
    }
    return out.join(" | ");
}

class UpdateWindow : public ::testing::Test {
  protected:
    // The server has the program at 1.6 and the bank above at 1.3; the
    // program folder has the bank at 1.2.
    void SetUp() override
    {
        serve("1.6", "1.3");
        install(dir);
    }
    void TearDown() override { QSettings().remove(QStringLiteral("update")); }
    void serve(const QByteArray &program, const QByteArray &data)
    {
        server.on("/zel/zelq_ver.txt", {program});
        server.on("/zel/DV.ZEL", {data});
        server.on("/zel/A.zel", {kServerA});
        server.on("/zel/AD.zel", {kServerAD});
    }
    // The window as the menu opens it, with the server in the settings,
    // where blanks or a missing slash at the end do no harm.
    std::unique_ptr<UpdateDialog> open(const QString &folder = {}, QUrl base = {})
    {
        base = base.isEmpty() ? server.baseUrl() : base;
        QSettings().setValue("update/baseurl", " " + base.toString().chopped(1) + " ");
        return std::make_unique<UpdateDialog>(folder.isEmpty() ? dir.path() : folder, fetcher);
    }
    // Downloads into the folder and expects the failure, naming `says`, with
    // everything in the folder as before and the download offered again.
    void expectUnchanged(const QString &folder, const QString &says)
    {
        const QStringList before = folderState(folder);
        auto w = open(folder);
        const QString status = press(*w, "downloadButton");
        EXPECT_TRUE(status.startsWith("Downloading Files..." + CR + "Download failed. ") &&
                    status.contains(says) &&
                    status.endsWith(CR + CR + "The question bank was not changed."))
            << status.toStdString();
        EXPECT_EQ(folderState(folder), before);
        EXPECT_EQ(buttons(*w), kUpgradeButtons);
    }

    ScriptedServer server;
    TempDir dir;
    // A short time-out stands in for the 20 seconds.
    QtHttpFetcher fetcher{500ms};
};

// The same window for each row of a table of cases.
template <class Case>
class UpdateWindowWith : public UpdateWindow, public ::testing::WithParamInterface<Case> {
};

const auto rowName = [](const auto &info) { return std::string(info.param.name); };

struct OutcomeCase {
    const char *name;
    QByteArray program, data;
    QString text; // "{page}" stands for the server's page of the program
    QString buttons;
    QByteArray installed = "1.2\r\n"; // none: no file; "/": a folder of that name
    QString shown = "1.2";
};
using UpdateCheck = UpdateWindowWith<OutcomeCase>;

// One check per outcome, as shown, with its buttons; which versions lead
// to which outcome is the VersionDecide table's. An installed version that
// is missing or cannot be read shows nothing and counts as 0.
TEST_P(UpdateCheck, ShowsEachOutcomeAndItsButtons)
{
    const OutcomeCase &c = GetParam();
    TempDir folder;
    if (c.installed == "/")
        QDir(folder.path()).mkdir("DV.ZEL");
    else if (!c.installed.isNull())
        folder.write("DV.ZEL", c.installed);
    serve(c.program, c.data);
    auto w = open(folder.path());
    const QString expected = QString(c.text).replace("{page}", server.baseUrl().toString() + "zel");
    EXPECT_EQ(text(*w, "dataVersionLabel"), "Data Files:\n" + c.shown);
    EXPECT_EQ(press(*w, "checkButton"), expected);
    EXPECT_EQ(text(*w, "statusLabel"), DisplayText::lines(expected));
    EXPECT_EQ(buttons(*w), c.buttons);
}

const OutcomeCase kUpdateCheckRows[] = {
    {"current", "1.6", "1.2", kCurrent, kCurrentButtons},
    // A newer program hides newer data; the server's text is shown as sent.
    {"program_upgrade", "1.7\r\n", "1.3",
     "Program upgrade is available to version: 1.7\r\n" + CR +
         "This file must be downloaded manually. Please visit:" + CR + CR + "{page}",
     kCurrentButtons},
    {"data_upgrade_as_sent", "1.6", "1.3<b>new</b>", dataUpgrade("1.3<b>new</b>"), kUpgradeButtons},
    {"no_installed_version", "1.6", "1.3", dataUpgrade("1.3"), kUpgradeButtons, {}, ""},
    {"installed_version_a_folder", "1.6", "1.3", dataUpgrade("1.3"), kUpgradeButtons, "/", ""},
    // A first line longer than a version can be is none.
    {"installed_version_too_long", "1.6", "1.3", dataUpgrade("1.3"), kUpgradeButtons,
     "1.2" + QByteArray(300, ' '), ""},
    {"unreachable", "", "1.3",
     "Unable to retrieve current version data from internet. " + CR + "Check Internet Connection." +
         CR + "Possible error on website, please try again later.",
     kCurrentButtons}};
INSTANTIATE_TEST_SUITE_P(Outcomes, UpdateCheck, ::testing::ValuesIn(kUpdateCheckRows), rowName);

enum Server { Scripted, WrongFolder, Closed };

struct CheckFailureCase {
    const char *name;
    Server base;
    QByteArray file;
    R reply; // none: as served
    QString says;
};
using UpdateCheckFailure = UpdateWindowWith<CheckFailureCase>;

const QString kTooLong = " is larger than 256 bytes";

// A server without the version files answers 404 with an HTML page: that is
// a failure of the check, not a version 0 that would read as "up to date";
// so is a server that is not there, and a version text longer than a
// version can be, refused as soon as its length is known.
TEST_P(UpdateCheckFailure, SaysWhatWentWrong)
{
    const CheckFailureCase &c = GetParam();
    QUrl base = server.baseUrl();
    if (c.base == WrongFolder) {
        base = base.resolved(QUrl("no/"));
    } else if (c.base == Closed) {
        ScriptedServer gone;
        base = gone.baseUrl();
    }
    if (!c.reply.body.isNull())
        server.on("/zel/" + c.file, c.reply);
    auto w = open({}, base);
    const QString status = press(*w, "checkButton");
    EXPECT_TRUE(status.startsWith("An error has occured! " + CR + CR) &&
                status.contains("zel/" + c.file) && status.contains(c.says))
        << status.toStdString();
    EXPECT_EQ(buttons(*w), kCurrentButtons);
}

const CheckFailureCase kUpdateCheckFailureRows[] = {
    {"not_found", WrongFolder, "zelq_ver.txt", {}, "Not Found"},
    {"refused", Closed, "zelq_ver.txt", {}, "refused"},
    {"version_too_long", Scripted, "zelq_ver.txt", {"1.7" + QByteArray(254, ' ')}, kTooLong},
    {"announced_too_long", Scripted, "DV.ZEL", {"1.3", R::Stall, 3, 19'000'000}, kTooLong}};
INSTANTIATE_TEST_SUITE_P(Failures, UpdateCheckFailure, ::testing::ValuesIn(kUpdateCheckFailureRows),
                         rowName);

// The window as it opens, then from the keyboard: the check button has the
// focus and Enter presses it. A check repeated after a data upgrade was
// offered shows "Done" alone while it waits; Tab leads on to the download,
// which replaces the three files; Escape presses the button shown to close.
// The next opening shows the new version, and Done closes it. Without a
// server in the settings the built-in one is asked.
TEST_F(UpdateWindow, ChecksAndDownloadsFromTheKeyboard)
{
    auto w = open();
    EXPECT_EQ(w->windowTitle(), "Check for Update...");
    EXPECT_EQ(text(*w, "programVersionLabel"), "Program:\n1.6");
    for (auto *l : w->findChildren<QLabel *>())
        EXPECT_EQ(l->textFormat(), Qt::PlainText) << l->objectName().toStdString();
    EXPECT_EQ(text(*w, "statusLabel"), "");
    EXPECT_EQ(buttons(*w), "Check for Update | Cancel | - | -");
    w->show();
    QApplication::setActiveWindow(w.get());
    EXPECT_EQ(QApplication::focusWidget(), control(w.get(), "checkButton"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_EQ(w->view().status, dataUpgrade("1.3"));

    // While the check waits, the window repaints, and the clicks, keys and
    // close requests made meanwhile are dropped: none of them runs once the
    // wait is over.
    int clicks = 0;
    for (QPushButton *b : w->findChildren<QPushButton *>())
        QObject::connect(b, &QPushButton::clicked, [&] { ++clicks; });
    struct PaintCount : QObject {
        int paints = 0;
        bool eventFilter(QObject *, QEvent *e) override
        {
            paints += e->type() == QEvent::Paint;
            return false;
        }
    } count;
    control(w.get(), "statusLabel")->installEventFilter(&count);
    QStringList seen;
    server.onRequest = [&] {
        seen << buttons(*w) + " : " + text(*w, "statusLabel");
        QTest::mouseClick(control(w.get(), "doneButton"), Qt::LeftButton);
        QTest::mouseClick(control(w.get(), "checkButton"), Qt::LeftButton);
        QTest::keyClick(w.get(), Qt::Key_Space);
        QTest::keyClick(w.get(), Qt::Key_Escape);
        QTest::keyClick(w.get(), Qt::Key_F4, Qt::AltModifier);
        // The window's close box, as the window system sends it.
        QCloseEvent close;
        QSpontaneKeyEvent::setSpontaneous(&close);
        QCoreApplication::instance()->notify(w.get(), &close);
    };
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    server.onRequest = nullptr;
    EXPECT_GE(count.paints, 1);
    const QString during = kCurrentButtons + " : Retrieving data...";
    EXPECT_EQ(seen, QStringList({during, during}));
    EXPECT_EQ(clicks, 1); // the Enter that started the check
    ASSERT_EQ(buttons(*w), kUpgradeButtons);

    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), control(w.get(), "downloadButton"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_EQ(w->view().status, "Downloading Files..." + CR + "Download Complete." + CR + CR +
                                    "Please restart ZEL Quiz to finish upgrade.");
    EXPECT_EQ(buttons(*w), "off | - | off | Done");
    EXPECT_EQ(folderState(dir.path()), QStringList({"A.zel", "AD.zel", "DV.ZEL", kServerA + "\r\n",
                                                    kServerAD + "\r\n", "1.3\r\n"}));
    // What the window showed at load stays until it is loaded again.
    EXPECT_EQ(text(*w, "dataVersionLabel"), "Data Files:\n1.2");
    QTest::keyClick(w.get(), Qt::Key_Escape);
    EXPECT_FALSE(w->isVisible());
    EXPECT_EQ(w->result(), QDialog::Accepted);

    auto reopened = open();
    EXPECT_EQ(text(*reopened, "dataVersionLabel"), "Data Files:\n1.3");
    EXPECT_EQ(press(*reopened, "checkButton"), kCurrent);
    press(*reopened, "doneButton");
    EXPECT_EQ(reopened->result(), QDialog::Accepted);
    QSettings().remove(QStringLiteral("update"));
    EXPECT_EQ(updateBaseUrl().toString(), builtInUpdateUrl());
    // A hand-written address with an unquoted comma reads as a list.
    QSettings().setValue("update/baseurl", QStringList{"http://127.0.0.1:18431/mirror", "1/"});
    EXPECT_EQ(updateBaseUrl().toString(), "http://127.0.0.1:18431/mirror,1/");
}

struct DownloadFailureCase {
    const char *name;
    QByteArray file;
    R reply; // none: as served
    QString says;
    bool folder = false; // a folder stands where the file is to be written
};
using UpdateDownloadFailure = UpdateWindowWith<DownloadFailureCase>;

const QString kInvalid = ": not a valid question bank file ";

// One file of the three goes wrong on the server, or a folder stands where
// it is to be written (which stops root too); the others are as they
// should be.
TEST_P(UpdateDownloadFailure, LeavesTheBankAsItWasAndSaysWhatFailed)
{
    const DownloadFailureCase &c = GetParam();
    if (!c.reply.body.isNull())
        server.on("/zel/" + c.file, c.reply);
    TempDir folder;
    install(folder);
    if (c.folder) {
        ASSERT_TRUE(QFile::remove(folder.file(c.file)) &&
                    QDir(folder.path()).mkpath(c.file + "/in"));
    }
    expectUnchanged(folder.path(), c.says);
}

const DownloadFailureCase kUpdateDownloadFailureRows[] = {
    {"stalled", "A.zel", {kServerA, R::Stall, 5}, "zel/A.zel timed out after 0.5 seconds"},
    // Every byte is progress: only a limit on the whole request ends it.
    {"trickled",
     "DV.ZEL",
     {QByteArray(200, '1'), R::Trickle},
     "zel/DV.ZEL timed out after 0.5 seconds"},
    {"reset", "AD.zel", {kServerAD, R::Reset, 40}, "AD.zel: "},
    {"not_found", "DV.ZEL", ScriptedServer::error("404 Not Found"), "DV.ZEL: "},
    {"server_error", "A.zel", ScriptedServer::error("500 Internal Server Error"),
     "Internal Server Error"},
    {"empty", "A.zel", {""}, "A.zel: the website sent an empty file"},
    // Refused on the announcement alone: the body would never come.
    {"announced_too_large",
     "AD.zel",
     {"1|", R::Stall, 2, QtHttpFetcher::BodyCap + 1},
     "larger than " + QString::number(QtHttpFetcher::BodyCap) + " bytes"},
    {"type_mismatch",
     "AD.zel",
     {"3|2|x|4|5|6|7|\r\n3|1|3|4|5|6|7|"},
     "AD.zel" + kInvalid + "(Type mismatch)"},
    // 600 lines with a line end gain an empty 601st from the download.
    {"too_many_lines",
     "A.zel",
     {QByteArray("x\r\n").repeated(600)},
     "A.zel" + kInvalid + "(Subscript out of range)"},
    {"too_few_questions",
     "AD.zel",
     {"3|2|3|4|5|6|7|\r\n" + QByteArray("9\r\n").repeated(6)},
     "AD.zel" + kInvalid + "(Too few questions in the question bank)"},
    {"not_a_version", "DV.ZEL", {"<html>Moved</html>"}, "DV.ZEL: not a data version number"},
    // A host's catch-all page for a missing file: every text of A.zel would
    // be asked with six empty answers.
    {"page_for_entries",
     "AD.zel",
     {"<html><body>Not here</body></html>"},
     "A.zel:2: not a valid question bank file (A.zel has 7 lines but AD.zel only 1"},
    {"answer_past_the_texts",
     "AD.zel",
     {QByteArray(kServerAD).replace("\n3|1|2|", "\n3|9|2|")},
     "AD.zel:7: not a valid question bank file (the right answer is text 9"},
    {"older_version",
     "DV.ZEL",
     {"1.1"},
     "DV.ZEL: data version 1.1 is not newer than the installed 1.2"},
    {"same_version",
     "DV.ZEL",
     {"1.20"},
     "DV.ZEL: data version 1.20 is not newer than the installed 1.2"},
    {"folder_for_a", "A.zel", {}, "A.zel: something that is not a file is in its place", true},
    {"folder_for_ad", "AD.zel", {}, "AD.zel: something that is not a file is in its place", true},
    {"folder_for_dv", "DV.ZEL", {}, "DV.ZEL: something that is not a file is in its place", true}};
INSTANTIATE_TEST_SUITE_P(Failures, UpdateDownloadFailure,
                         ::testing::ValuesIn(kUpdateDownloadFailureRows), rowName);

const QStringList kSignedFiles = {"A.zel", "AD.zel", "DV.ZEL"};

QByteArray signedFile(const QString &name)
{
    return testData("signatures/" + name);
}

struct SignatureCase {
    const char *name;
    const char *key; // empty: a folder of that name
    QByteArray path;
    std::function<R()> reply;
    QString says;
};

// The server with the files as the author signed and published them.
class UpdateSigned : public UpdateWindowWith<SignatureCase> {
  protected:
    void serveSigned()
    {
        for (const QString &name : kSignedFiles) {
            server.on("/zel/" + name.toLatin1(), {signedFile(name)});
            server.on("/zel/" + name.toLatin1() + ".minisig", {signedFile(name + ".minisig")});
        }
    }
};

// With the author's key beside the program, anything but the files as the
// author signed them is refused: each refusal says which file and why, and
// leaves the bank as it was.
TEST_P(UpdateSigned, OnlyTheSignedBankIsInstalled)
{
    const SignatureCase &c = GetParam();
    serveSigned();
    if (!c.path.isEmpty())
        server.on(c.path, c.reply());
    TempDir folder;
    install(folder);
    if (*c.key)
        folder.write("update.pub", signedFile(c.key));
    else
        ASSERT_TRUE(QDir(folder.path()).mkdir("update.pub"));
    expectUnchanged(folder.path(), c.says);
}

const SignatureCase kUpdateSignedRows[] = {
    {"altered_file", "update.pub", "/zel/A.zel", [] { return R{signedFile("A.zel") + "\r\n"}; },
     "A.zel.minisig: the signature does not match A.zel"},
    {"missing_signature", "update.pub", "/zel/DV.ZEL.minisig",
     [] { return ScriptedServer::error("404 Not Found"); }, "DV.ZEL.minisig: "},
    {"signature_too_large", "update.pub", "/zel/AD.zel.minisig",
     [] { return R{QByteArray(5000, 'x')}; }, "/zel/AD.zel.minisig is larger than 4096 bytes"},
    {"other_key", "other.pub", "", {}, "A.zel.minisig: made with the key "},
    {"not_a_key", "A.zel", "", {}, "update.pub: not a public key: "},
    {"key_a_folder", "", "", {}, "update.pub: not a file"}};
INSTANTIATE_TEST_SUITE_P(Refusals, UpdateSigned, ::testing::ValuesIn(kUpdateSignedRows), rowName);

// The files as signed are installed.
TEST_F(UpdateSigned, TheSignedBankIsInstalled)
{
    serveSigned();
    dir.write("update.pub", signedFile("update.pub"));
    auto w = open();
    EXPECT_TRUE(press(*w, "downloadButton").endsWith("Please restart ZEL Quiz to finish upgrade."));
    QStringList installed = {"A.zel", "AD.zel", "DV.ZEL", "update.pub"};
    for (const QString &name : kSignedFiles)
        installed << QString::fromLatin1(signedFile(name) + "\r\n");
    EXPECT_EQ(folderState(dir.path()), installed);
}

// A server that offered one version at the check and sends another (an
// older, validly signed bank, say) at the download installs nothing.
TEST_F(UpdateWindow, InstallsOnlyTheVersionTheCheckOffered)
{
    dir.write("DV.ZEL", "1.3\r\n");
    serve("1.6", "1.4");
    auto w = open();
    EXPECT_EQ(press(*w, "checkButton"), dataUpgrade("1.4"));
    const QStringList before = folderState(dir.path());
    serve("1.6", "1.2");
    const QString status = press(*w, "downloadButton");
    EXPECT_TRUE(status.contains("DV.ZEL: data version 1.2 is not the version 1.4 that the check "
                                "offered") &&
                status.endsWith("The question bank was not changed."))
        << status.toStdString();
    EXPECT_EQ(folderState(dir.path()), before);
}

// Another copy of the program holds the folder for its own download.
TEST_F(UpdateWindow, LeavesAFolderAnotherCopyIsWriting)
{
    QLockFile other(dir.file("bank-update.lock"));
    ASSERT_TRUE(other.tryLock(0));
    expectUnchanged(dir.path(), "another copy of ZEL Quiz is changing the question bank");
}

#ifndef _WIN32
// A program folder the download cannot write. Root passes every permission
// check, so as root the test runs itself again as an unprivileged user.
constexpr const char *kSticky = "ZELQUIZ_UPDATE_TEST_STICKY_FOLDER";
constexpr uid_t kNobody = 65534;

TEST_F(UpdateWindow, UnwritableFolderChangesNothing)
{
    const QByteArray folder = dir.path().toLocal8Bit();
    if (::geteuid() != 0) {
        // A folder without write permission: no file can be made in it.
        ASSERT_EQ(::chmod(folder, 0555), 0);
        expectUnchanged(dir.path(), "Download failed. A.zel: ");
        ::chmod(folder, 0755);
        // A shared folder (sticky bit) where "AD.zel" belongs to someone
        // else: it may be written to but not replaced, so the replacement
        // of "A.zel" before it has to be undone.
        if (qEnvironmentVariableIsSet(kSticky))
            expectUnchanged(qEnvironmentVariable(kSticky), "Download failed. AD.zel: ");
        return;
    }
    ASSERT_FALSE(qEnvironmentVariableIsSet(kSticky)) << "still root after dropping privileges";
    const QString setpriv = QStandardPaths::findExecutable(QStringLiteral("setpriv"));
    if (setpriv.isEmpty())
        GTEST_SKIP() << "running as root without setpriv: cannot drop privileges";

    // "A.zel" and "DV.ZEL" belong to the unprivileged user, "AD.zel" to root.
    ASSERT_EQ(::chmod(folder, 01777), 0);
    ASSERT_EQ(::chmod(folder + "/AD.zel", 0666), 0);
    for (const char *name : {"/A.zel", "/DV.ZEL"})
        ASSERT_EQ(::chown(folder + name, kNobody, kNobody), 0);
    const QStringList before = folderState(dir.path());

    QProcess child;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QLatin1String(kSticky), dir.path());
    child.setProcessEnvironment(env);
    child.start(setpriv, {QStringLiteral("--reuid=%1").arg(kNobody),
                          QStringLiteral("--regid=%1").arg(kNobody), "--clear-groups", "--",
                          QCoreApplication::applicationFilePath(),
                          "--gtest_filter=UpdateWindow.UnwritableFolderChangesNothing"});
    ASSERT_TRUE(child.waitForFinished(60000));
    const QByteArray output = child.readAllStandardOutput();
    EXPECT_TRUE(child.exitCode() == 0 && output.contains("[  PASSED  ] 1 test"))
        << output.toStdString();
    EXPECT_EQ(folderState(dir.path()), before);
}
#endif

} // namespace
