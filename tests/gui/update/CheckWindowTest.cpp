// The update window's check against a server on 127.0.0.1.
#include "UpdateTestData.h"
#include "core/common/DisplayText.h"

#include <QApplication>
#include <QLabel>
#include <QTest>

#include <gtest/gtest.h>

namespace {

const QString kCurrent = QStringLiteral("You have the most updated version.");

QString dataUpgrade(const QString &version)
{
    return "Data file upgrade is available to version: " + version + CR + CR +
           "Click 'Download Data Files' button to upgrade.";
}

class CheckWindow : public ::testing::Test {
  protected:
    std::unique_ptr<frmChkUpdt> open(const QUrl &base = QUrl())
    {
        return std::make_unique<frmChkUpdt>(dir.path(), fetcher, boxes, nullptr,
                                            base.isEmpty() ? server.baseUrl() : base);
    }
    void serve(const QByteArray &program, const QByteArray &data)
    {
        server.on("/zel/zelq_ver.txt", {program});
        server.on("/zel/DV.ZEL", {data});
    }

    ScriptedServer server;
    TempDir dir;
    QtHttpFetcher fetcher;
    FakeBoxes boxes;
};

// One check per outcome, as shown, with its buttons; which versions lead
// to which outcome is the VersionDecide table's.
TEST_F(CheckWindow, ShowsEachOutcomeAndItsButtons)
{
    // Only the first installed line counts.
    dir.write(QStringLiteral("DV.ZEL"), "1.2\r\n1.9\r\nnotes\r\n");
    const struct {
        QByteArray program, data;
        QString text;
        const char *buttons;
    } cases[] = {
        {"1.6", "1.2", kCurrent, kCurrentButtons},
        // A newer program hides newer data; the server's text is shown as sent.
        {"1.7\r\n", "1.3",
         "Program upgrade is available to version: 1.7\r\n" + CR +
             "This file must be downloaded manually. Please visit:" + CR + CR +
             server.baseUrl().toString() + "zel",
         kCurrentButtons},
        // Markup is plain text.
        {"1.6", "1.3<b>new</b>", dataUpgrade("1.3<b>new</b>"), kUpgradeButtons},
        {"", "1.3",
         "Unable to retrieve current version data from internet. " + CR +
             "Check Internet Connection." + CR +
             "Possible error on website, please try again later.",
         kCurrentButtons},
    };
    for (const auto &c : cases) {
        serve(c.program, c.data);
        auto w = open();
        w->Command1->click();
        EXPECT_EQ(w->view().Text2, c.text);
        EXPECT_EQ(w->Text2->text(), DisplayText::lines(c.text));
        EXPECT_EQ(buttonsOf(*w), c.buttons);
    }
}

// A server without the version files answers 404 with an HTML page: that is
// a failure of the check, not a version 0 that would read as "up to date";
// so is a server that is not there.
TEST_F(CheckWindow, FailuresSayWhatWentWrong)
{
    dir.write(QStringLiteral("DV.ZEL"), "1.2\r\n");
    QUrl closed;
    {
        ScriptedServer gone;
        closed = gone.baseUrl();
    }
    for (const auto &[base, says] :
         {std::pair{server.baseUrl(), "Not Found"}, std::pair{closed, "refused"}}) {
        auto w = open(base);
        w->Command1->click();
        const QString text = w->view().Text2;
        EXPECT_TRUE(text.startsWith("An error has occured! " + CR + CR)) << text.toStdString();
        EXPECT_TRUE(text.contains("zel/zelq_ver.txt")) << text.toStdString();
        EXPECT_TRUE(text.contains(says)) << text.toStdString();
        EXPECT_EQ(buttonsOf(*w), kCurrentButtons);
    }
}

TEST_F(CheckWindow, LoadShowsTheInstalledVersions)
{
    dir.write(QStringLiteral("DV.ZEL"), "<b>1.2</b>\nbeta\r\n1.9\r\n");
    auto w = open();
    EXPECT_EQ(w->windowTitle(), "Check for Update...");
    EXPECT_EQ(w->size(), QSize(399, 236));
    EXPECT_EQ(w->findChild<QLabel *>("Text1")->text(), "Program:\n1.6");
    // A lone line feed stays in the first line; markup is shown as it stands.
    EXPECT_EQ(w->findChild<QLabel *>("Text3")->text(), "Data Files:\n<b>1.2</b>\nbeta");
    for (auto *l : w->findChildren<QLabel *>())
        EXPECT_EQ(l->textFormat(), Qt::PlainText) << l->objectName().toStdString();
    EXPECT_EQ(w->Text2->text(), "");
    EXPECT_EQ(buttonsOf(*w), "Command1 on | dbtn Cancel | dlbtn - | cbtn -");
}

// From the keyboard: the check button has the focus, Enter presses it and
// Escape is the Cancel that is shown.
TEST_F(CheckWindow, KeyboardFocusEnterAndEscape)
{
    serve("1.6", "1.0");
    dir.write(QStringLiteral("DV.ZEL"), "1.0\r\n");
    auto w = open();
    w->show();
    QApplication::setActiveWindow(w.get());
    EXPECT_EQ(w->focusWidget(), w->Command1);
    QTest::keyClick(w->Command1, Qt::Key_Return);
    EXPECT_EQ(w->view().Text2, kCurrent);
    EXPECT_TRUE(w->isVisible());
    QTest::keyClick(w.get(), Qt::Key_Escape);
    EXPECT_FALSE(w->isVisible());
    EXPECT_EQ(w->result(), QDialog::Accepted);
}

// A data-version file that is missing or cannot be read shows no version,
// counts as 0 and leaves the download possible.
TEST_F(CheckWindow, MissingOrUnreadableDataVersion)
{
    serve("1.6", "1.3");
    for (const bool asFolder : {false, true}) {
        if (asFolder)
            QDir(dir.path()).mkdir(QStringLiteral("DV.ZEL"));
        auto w = open();
        EXPECT_EQ(w->Text3->text(), "Data Files:\n");
        w->Command1->click();
        EXPECT_EQ(w->view().Text2, dataUpgrade("1.3"));
        EXPECT_EQ(buttonsOf(*w), kUpgradeButtons);
    }
}

// A check repeated after a data upgrade was offered first goes back to
// "Done" alone, then shows what the server says now.
TEST_F(CheckWindow, RepeatedCheckStartsAfresh)
{
    dir.write(QStringLiteral("DV.ZEL"), "1.2\r\n");
    serve("1.6", "1.3");
    auto w = open();
    w->Command1->click();
    ASSERT_EQ(buttonsOf(*w), kUpgradeButtons);

    QStringList seen;
    server.onRequest = [&] { seen << buttonsOf(*w) + " : " + w->Text2->text(); };
    serve("1.6", "1.2");
    w->Command1->click();
    const QString during = QString(kCurrentButtons) + " : Retrieving data...";
    EXPECT_EQ(seen, QStringList({during, during}));
    EXPECT_EQ(w->view().Text2, kCurrent);
    EXPECT_EQ(buttonsOf(*w), kCurrentButtons);
}

} // namespace
