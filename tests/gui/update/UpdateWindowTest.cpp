// The update window against a server on 127.0.0.1: the check, the download
// of the data files, and every failure of the network, the server and the
// disk leaving the installed bank byte for byte as it was.
#include "ScriptedServer.h"
#include "core/common/DisplayText.h"
#include "core/update/UpdateBaseUrl.h"
#include "gui/Controls.h"
#include "gui/network/QtHttpFetcher.h"
#include "gui/update/UpdateDialog.h"
#include "support/Fakes.h"
#include "support/TempDir.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QSettings>
#include <QSpontaneKeyEvent>
#include <QStandardPaths>
#include <QTest>

#include <gtest/gtest.h>

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
    return w.view().Text2;
}

// The four buttons, left to right as placed, as a user sees them: "-" is
// hidden, "off" shown but disabled.
QString buttons(const UpdateDialog &w)
{
    QStringList out;
    for (const char *name : {"Command1", "dbtn", "dlbtn", "cbtn"}) {
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
        return std::make_unique<UpdateDialog>(folder.isEmpty() ? dir.path() : folder, fetcher,
                                              boxes);
    }
    // Downloads into the folder and expects the failure, naming `says`, with
    // everything in the folder as before and the download offered again.
    void expectUnchanged(const QString &folder, const QString &says)
    {
        const QStringList before = folderState(folder);
        auto w = open(folder);
        const QString status = press(*w, "dlbtn");
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
    FakeBoxes boxes;
};

// One check per outcome, as shown, with its buttons; which versions lead
// to which outcome is the VersionDecide table's. An installed version that
// is missing or cannot be read shows nothing and counts as 0.
TEST_F(UpdateWindow, CheckShowsEachOutcomeAndItsButtons)
{
    const struct {
        QByteArray program, data;
        QString text, buttons;
        QByteArray installed = "1.2\r\n"; // none: no file; "/": a folder of that name
        QString shown = "1.2";
    } cases[] = {
        {"1.6", "1.2", kCurrent, kCurrentButtons},
        // A newer program hides newer data; the server's text is shown as sent.
        {"1.7\r\n", "1.3",
         "Program upgrade is available to version: 1.7\r\n" + CR +
             "This file must be downloaded manually. Please visit:" + CR + CR +
             server.baseUrl().toString() + "zel",
         kCurrentButtons},
        {"1.6", "1.3<b>new</b>", dataUpgrade("1.3<b>new</b>"), kUpgradeButtons},
        {"1.6", "1.3", dataUpgrade("1.3"), kUpgradeButtons, {}, ""},
        {"1.6", "1.3", dataUpgrade("1.3"), kUpgradeButtons, "/", ""},
        // A first line longer than a version can be is none.
        {"1.6", "1.3", dataUpgrade("1.3"), kUpgradeButtons, "1.2" + QByteArray(300, ' '), ""},
        {"", "1.3",
         "Unable to retrieve current version data from internet. " + CR +
             "Check Internet Connection." + CR +
             "Possible error on website, please try again later.",
         kCurrentButtons},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.text.toStdString());
        TempDir folder;
        if (c.installed == "/")
            QDir(folder.path()).mkdir("DV.ZEL");
        else if (!c.installed.isNull())
            folder.write("DV.ZEL", c.installed);
        serve(c.program, c.data);
        auto w = open(folder.path());
        EXPECT_EQ(text(*w, "Text3"), "Data Files:\n" + c.shown);
        EXPECT_EQ(press(*w, "Command1"), c.text);
        EXPECT_EQ(text(*w, "Text2"), DisplayText::lines(c.text));
        EXPECT_EQ(buttons(*w), c.buttons);
    }
}

// A server without the version files answers 404 with an HTML page: that is
// a failure of the check, not a version 0 that would read as "up to date";
// so is a server that is not there, and a version text longer than a
// version can be, refused as soon as its length is known.
TEST_F(UpdateWindow, CheckFailuresSayWhatWentWrong)
{
    QUrl closed;
    {
        ScriptedServer gone;
        closed = gone.baseUrl();
    }
    const QString tooLong = " is larger than 256 bytes";
    const struct {
        QUrl base;
        QByteArray file;
        R reply; // none: as served
        QString says;
    } cases[] = {
        {server.baseUrl().resolved(QUrl("no/")), "zelq_ver.txt", {}, "Not Found"},
        {closed, "zelq_ver.txt", {}, "refused"},
        {server.baseUrl(), "zelq_ver.txt", {"1.7" + QByteArray(254, ' ')}, tooLong},
        {server.baseUrl(), "DV.ZEL", {"1.3", R::Stall, 3, 19'000'000}, tooLong},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.says.toStdString());
        serve("1.6", "1.3");
        if (!c.reply.body.isNull())
            server.on("/zel/" + c.file, c.reply);
        auto w = open({}, c.base);
        const QString status = press(*w, "Command1");
        EXPECT_TRUE(status.startsWith("An error has occured! " + CR + CR) &&
                    status.contains("zel/" + c.file) && status.contains(c.says))
            << status.toStdString();
        EXPECT_EQ(buttons(*w), kCurrentButtons);
    }
}

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
    EXPECT_EQ(text(*w, "Text1"), "Program:\n1.6");
    for (auto *l : w->findChildren<QLabel *>())
        EXPECT_EQ(l->textFormat(), Qt::PlainText) << l->objectName().toStdString();
    EXPECT_EQ(text(*w, "Text2"), "");
    EXPECT_EQ(buttons(*w), "Check for Update | Cancel | - | -");
    w->show();
    QApplication::setActiveWindow(w.get());
    EXPECT_EQ(QApplication::focusWidget(), control(w.get(), "Command1"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_EQ(w->view().Text2, dataUpgrade("1.3"));

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
    control(w.get(), "Text2")->installEventFilter(&count);
    QStringList seen;
    server.onRequest = [&] {
        seen << buttons(*w) + " : " + text(*w, "Text2");
        QTest::mouseClick(control(w.get(), "dbtn"), Qt::LeftButton);
        QTest::mouseClick(control(w.get(), "Command1"), Qt::LeftButton);
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
    EXPECT_EQ(QApplication::focusWidget(), control(w.get(), "dlbtn"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_EQ(w->view().Text2, "Downloading Files..." + CR + "Download Complete." + CR + CR +
                                   "Please restart ZEL Quiz to finish upgrade.");
    EXPECT_EQ(buttons(*w), "off | - | off | Done");
    EXPECT_EQ(folderState(dir.path()), QStringList({"A.zel", "AD.zel", "DV.ZEL", kServerA + "\r\n",
                                                    kServerAD + "\r\n", "1.3\r\n"}));
    // What the window showed at load stays until it is loaded again.
    EXPECT_EQ(text(*w, "Text3"), "Data Files:\n1.2");
    QTest::keyClick(w.get(), Qt::Key_Escape);
    EXPECT_FALSE(w->isVisible());
    EXPECT_EQ(w->result(), QDialog::Accepted);

    auto reopened = open();
    EXPECT_EQ(text(*reopened, "Text3"), "Data Files:\n1.3");
    EXPECT_EQ(press(*reopened, "Command1"), kCurrent);
    press(*reopened, "dbtn");
    EXPECT_EQ(reopened->result(), QDialog::Accepted);
    QSettings().remove(QStringLiteral("update"));
    EXPECT_EQ(updateBaseUrl().toString(), builtInUpdateUrl());
}

// One file of the three goes wrong on the server, or a folder stands where
// it is to be written (which stops root too); the others are as they
// should be.
TEST_F(UpdateWindow, AFailedDownloadLeavesTheBankAsItWasAndSaysWhatFailed)
{
    const QString invalid = ": not a valid question bank file ";
    const struct {
        QByteArray file;
        R reply; // none: as served
        QString says;
        bool folder = false;
    } cases[] = {
        {"A.zel", {kServerA, R::Stall, 5}, "zel/A.zel timed out after 0.5 seconds"},
        // Every byte is progress: only a limit on the whole request ends it.
        {"DV.ZEL", {QByteArray(200, '1'), R::Trickle}, "zel/DV.ZEL timed out after 0.5 seconds"},
        {"AD.zel", {kServerAD, R::Reset, 40}, "AD.zel: "},
        {"DV.ZEL", ScriptedServer::error("404 Not Found"), "DV.ZEL: "},
        {"A.zel", ScriptedServer::error("500 Internal Server Error"), "Internal Server Error"},
        {"A.zel", {""}, "A.zel: the website sent an empty file"},
        // Refused on the announcement alone: the body would never come.
        {"AD.zel",
         {"1|", R::Stall, 2, QtHttpFetcher::BodyCap + 1},
         "larger than " + QString::number(QtHttpFetcher::BodyCap) + " bytes"},
        {"AD.zel", {"3|2|x|4|5|6|7|\r\n3|1|3|4|5|6|7|"}, "AD.zel" + invalid + "(Type mismatch)"},
        // 600 lines with a line end gain an empty 601st from the download.
        {"A.zel",
         {QByteArray("x\r\n").repeated(600)},
         "A.zel" + invalid + "(Subscript out of range)"},
        {"AD.zel",
         {"3|2|3|4|5|6|7|\r\n" + QByteArray("9\r\n").repeated(6)},
         "AD.zel" + invalid + "(Too few questions in the question bank)"},
        {"DV.ZEL", {"<html>Moved</html>"}, "DV.ZEL: not a data version number"},
        {"A.zel", {}, "A.zel: something that is not a file is in its place", true},
        {"AD.zel", {}, "AD.zel: something that is not a file is in its place", true},
        {"DV.ZEL", {}, "DV.ZEL: something that is not a file is in its place", true},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.says.toStdString());
        serve("1.6", "1.3");
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
}

// With the author's key beside the program, the files as the author signed
// and published them are installed, and nothing else is: each refusal says
// which file and why, and leaves the bank as it was.
TEST_F(UpdateWindow, WithAKeyOnlyTheSignedBankIsInstalled)
{
    const auto signedFile = [](const QString &name) { return testData("signatures/" + name); };
    const QStringList files = {"A.zel", "AD.zel", "DV.ZEL"};
    const auto serveSigned = [&] {
        for (const QString &name : files) {
            server.on("/zel/" + name.toLatin1(), {signedFile(name)});
            server.on("/zel/" + name.toLatin1() + ".minisig", {signedFile(name + ".minisig")});
        }
    };
    const struct {
        const char *key; // empty: a folder of that name
        QByteArray path;
        R reply;
        QString says;
    } cases[] = {
        {"update.pub",
         "/zel/A.zel",
         {signedFile("A.zel") + "\r\n"},
         "A.zel.minisig: the signature does not match A.zel"},
        {"update.pub", "/zel/DV.ZEL.minisig", ScriptedServer::error("404 Not Found"),
         "DV.ZEL.minisig: "},
        {"update.pub",
         "/zel/AD.zel.minisig",
         {QByteArray(5000, 'x')},
         "/zel/AD.zel.minisig is larger than 4096 bytes"},
        {"other.pub", "", {}, "A.zel.minisig: made with the key "},
        {"A.zel", "", {}, "update.pub: not a public key: "},
        {"", "", {}, "update.pub: not a file"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.says.toStdString());
        serveSigned();
        if (!c.path.isEmpty())
            server.on(c.path, c.reply);
        TempDir folder;
        install(folder);
        if (*c.key)
            folder.write("update.pub", signedFile(c.key));
        else
            ASSERT_TRUE(QDir(folder.path()).mkdir("update.pub"));
        expectUnchanged(folder.path(), c.says);
    }

    serveSigned();
    dir.write("update.pub", signedFile("update.pub"));
    auto w = open();
    EXPECT_TRUE(press(*w, "dlbtn").endsWith("Please restart ZEL Quiz to finish upgrade."));
    QStringList installed = {"A.zel", "AD.zel", "DV.ZEL", "update.pub"};
    for (const QString &name : files)
        installed << QString::fromLatin1(signedFile(name) + "\r\n");
    EXPECT_EQ(folderState(dir.path()), installed);
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
