// The update window against a real static web server on 127.0.0.1.
#include "StaticServer.h"
#include "UpdateTestData.h"
#include "shell/DisplayText.h"
#include "support/Fakes.h"
#include "update/QtHttpFetcher.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <iostream>

namespace {

const QString CR = QStringLiteral("\r");
constexpr const char *kCurrentButtons = "Command1 on | dbtn Done | dlbtn - | cbtn -";
constexpr const char *kUpgradeButtons =
    "Command1 on | dbtn - | dlbtn Download Data Files | cbtn Cancel";

// One server, one program folder and one window per test.
class CheckWindow : public ::testing::Test {
  protected:
    std::unique_ptr<frmChkUpdt> open()
    {
        return std::make_unique<frmChkUpdt>(dir.path(), fetcher, boxes, nullptr, server.baseUrl());
    }
    void serve(const QByteArray &program, const QByteArray &data)
    {
        server.put(QStringLiteral("zelq_ver.txt"), program);
        server.put(QStringLiteral("DV.ZEL"), data);
    }
    QString page() const { return server.baseUrl().toString() + QStringLiteral("zel"); }

    StaticServer server;
    TempDir dir;
    QtHttpFetcher fetcher;
    FakeBoxes boxes;
};

struct CheckCase {
    const char *name;
    QByteArray installed; // DV.ZEL in the program folder
    QByteArray program;   // the server's zelq_ver.txt
    QByteArray data;      // the server's DV.ZEL
    QString text;         // Text2 afterwards; "$page" is the manual download page
    const char *buttons;
};

class CheckOutcomes : public CheckWindow, public ::testing::WithParamInterface<CheckCase> {};

TEST_P(CheckOutcomes, ShowTheOutcomeAndItsButtons)
{
    const CheckCase &c = GetParam();
    dir.write(QStringLiteral("DV.ZEL"), c.installed);
    serve(c.program, c.data);
    auto w = open();

    QElapsedTimer clock;
    clock.start();
    w->Command1->click();
    const qint64 ms = clock.elapsed();
    std::cout << "[ measure ] click to outcome over loopback: " << ms << " ms\n";

    QString expected = c.text;
    expected.replace(QStringLiteral("$page"), page());
    EXPECT_EQ(w->view().Text2, expected);
    EXPECT_EQ(w->Text2->text(), DisplayText::lines(expected));
    EXPECT_EQ(buttonsOf(*w), c.buttons);
}

const QString kCurrent = QStringLiteral("You have the most updated version.");
const QString kUnreachable =
    QStringLiteral("Unable to retrieve current version data from internet. ") + CR +
    "Check Internet Connection." + CR + "Possible error on website, please try again later.";
QString programUpgrade(const QString &version)
{
    return "Program upgrade is available to version: " + version + CR +
           "This file must be downloaded manually. Please visit:" + CR + CR + "$page";
}
QString dataUpgrade(const QString &version)
{
    return "Data file upgrade is available to version: " + version + CR + CR +
           "Click 'Download Data Files' button to upgrade.";
}

INSTANTIATE_TEST_SUITE_P(
    EdgeCases, CheckOutcomes,
    ::testing::Values(
        CheckCase{"current", "1.2\r\n", "1.6", "1.2", kCurrent, kCurrentButtons},
        CheckCase{"program_hides_data", "1.2\r\n", "1.7", "1.3", programUpgrade("1.7"),
                  kCurrentButtons},
        CheckCase{"data_upgrade", "1.2\r\n", "1.6", "1.3", dataUpgrade("1.3"), kUpgradeButtons},
        CheckCase{"older_data", "1.2\r\n", "1.6", "1.1", kCurrent, kCurrentButtons},
        CheckCase{"one_ten_is_one_one", "1.2\r\n", "1.10", "1.2", kCurrent, kCurrentButtons},
        CheckCase{"program_empty", "1.2\r\n", "", "1.3", kUnreachable, kCurrentButtons},
        CheckCase{"data_empty", "1.2\r\n", "1.7", "", kUnreachable, kCurrentButtons},
        CheckCase{"line_end_kept_in_text", "1.2\r\n", "1.7\r\n", "1.2", programUpgrade("1.7\r\n"),
                  kCurrentButtons},
        CheckCase{"error_pages_are_zero", "1.2\r\n", "<html><body>Oops</body></html>",
                  "<!DOCTYPE html>", kCurrent, kCurrentButtons},
        CheckCase{"markup_is_plain_text", "1.2\r\n", "1.6", "1.3<b>new</b>",
                  dataUpgrade("1.3<b>new</b>"), kUpgradeButtons},
        CheckCase{"more_lines_in_dv", "1.2\r\n1.9\r\nnotes\r\n", "1.6", "1.3", dataUpgrade("1.3"),
                  kUpgradeButtons},
        CheckCase{"empty_dv_is_zero", "", "1.6", "1.3", dataUpgrade("1.3"), kUpgradeButtons},
        CheckCase{"dv_without_number", "<none>", "1.6", "0.1", dataUpgrade("0.1"),
                  kUpgradeButtons}),
    [](const auto &info) { return std::string(info.param.name); });

TEST_F(CheckWindow, LoadShowsTheInstalledVersions)
{
    dir.write(QStringLiteral("DV.ZEL"), "<b>1.2</b>\nbeta\r\n1.9\r\n");
    auto w = open();
    EXPECT_EQ(w->windowTitle(), "Check for Update...");
    EXPECT_EQ(w->size(), QSize(399, 236));
    EXPECT_EQ(w->ProgramVersion, "1.6");
    // A lone line feed stays in the first line; markup is shown as it stands.
    EXPECT_EQ(w->DataVersion, "<b>1.2</b>\nbeta");
    EXPECT_EQ(w->findChild<QLabel *>("Text1")->text(), "Program:\n1.6");
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
    EXPECT_FALSE(w->view().Text2.isEmpty());
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
        QFile::remove(dir.file("DV.ZEL"));
        if (asFolder)
            QDir(dir.path()).mkdir(QStringLiteral("DV.ZEL"));
        auto w = open();
        EXPECT_EQ(w->DataVersion, "");
        EXPECT_EQ(w->Text3->text(), "Data Files:\n");
        w->Command1->click();
        EXPECT_EQ(w->view().Text2, dataUpgrade("1.3"));
        EXPECT_EQ(buttonsOf(*w), kUpgradeButtons);
        QDir(dir.path()).rmdir(QStringLiteral("DV.ZEL"));
    }
}

// A check repeated after a data upgrade first goes back to "Done" alone,
// then shows what the server says now.
TEST_F(CheckWindow, RepeatedCheckStartsAfresh)
{
    dir.write(QStringLiteral("DV.ZEL"), "1.2\r\n");
    serve("1.6", "1.3");
    auto w = open();
    w->Command1->click();
    ASSERT_EQ(buttonsOf(*w), kUpgradeButtons);

    class Watching final : public HttpFetcher {
      public:
        Watching(HttpFetcher &real, frmChkUpdt *&window) : m_real(real), m_window(window) {}
        FetchResult get(const QUrl &url) override
        {
            seen << buttonsOf(*m_window) + " : " + m_window->Text2->text();
            return m_real.get(url);
        }
        QStringList seen;

      private:
        HttpFetcher &m_real;
        frmChkUpdt *&m_window;
    };
    frmChkUpdt *raw = nullptr;
    Watching watching(fetcher, raw);
    auto again =
        std::make_unique<frmChkUpdt>(dir.path(), watching, boxes, nullptr, server.baseUrl());
    raw = again.get();
    again->Command1->click();
    serve("1.6", "1.2");
    again->Command1->click();
    const QString during = QString(kCurrentButtons) + " : Retrieving data...";
    EXPECT_EQ(watching.seen, QStringList({during, during, during, during}));
    EXPECT_EQ(again->view().Text2, kCurrent);
    EXPECT_EQ(buttonsOf(*again), kCurrentButtons);
}

// A server without the version files answers 404 with an HTML page: that is
// a failure of the check, not a version 0 that would read as "up to date".
TEST_F(CheckWindow, MissingServerFilesAreAFailure)
{
    dir.write(QStringLiteral("DV.ZEL"), "1.2\r\n");
    auto w = open();
    w->Command1->click();
    const QString text = w->view().Text2;
    EXPECT_TRUE(text.startsWith("An error has occured! " + CR + CR)) << text.toStdString();
    EXPECT_TRUE(text.contains("zel/zelq_ver.txt")) << text.toStdString();
    EXPECT_TRUE(text.contains("File not found")) << text.toStdString();
    EXPECT_EQ(buttonsOf(*w), kCurrentButtons);
}

TEST_F(CheckWindow, UnreachableServerIsAFailureWithItsDescription)
{
    dir.write(QStringLiteral("DV.ZEL"), "1.2\r\n");
    // A port nobody listens on: the server's own, once it has stopped.
    QUrl closed;
    {
        StaticServer gone;
        closed = gone.baseUrl();
    }
    frmChkUpdt w(dir.path(), fetcher, boxes, nullptr, closed);
    w.Command1->click();
    EXPECT_TRUE(w.view().Text2.startsWith("An error has occured! " + CR + CR))
        << w.view().Text2.toStdString();
    EXPECT_TRUE(w.view().Text2.contains("refused")) << w.view().Text2.toStdString();
    EXPECT_EQ(buttonsOf(w), kCurrentButtons);
}

} // namespace
