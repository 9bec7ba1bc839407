// The real fetch: its body cap, refused addresses, and what the
// program does while a fetch waits.
#include "ScriptedServer.h"
#include "UpdateTestData.h"
#include "support/Fakes.h"
#include "update/QtHttpFetcher.h"
#include "update/UpdateBaseUrl.h"

#include <QCloseEvent>
#include <QElapsedTimer>
#include <QSettings>
#include <QSpontaneKeyEvent>
#include <QTest>

#include <gtest/gtest.h>

#include <iostream>

namespace {

using namespace std::chrono_literals;

struct CapCase {
    const char *name;
    qint64 size;
    bool withLength;
    bool ok;
};

void PrintTo(const CapCase &c, std::ostream *os)
{
    *os << c.name;
}

class BodyCap : public ::testing::TestWithParam<CapCase> {};

TEST_P(BodyCap, AcceptsUpToTheCapAndNoMore)
{
    const CapCase &c = GetParam();
    constexpr qint64 cap = 4096;
    ScriptedServer server;
    ScriptedServer::Reply reply = ScriptedServer::ok(QByteArray(c.size, 'x'));
    reply.withLength = c.withLength;
    server.on("/f", reply);
    QtHttpFetcher fetcher(2s, cap);
    const FetchResult r = fetcher.get(server.baseUrl().resolved(QUrl("f")));
    EXPECT_EQ(r.ok, c.ok) << r.errorString.toStdString();
    if (c.ok)
        EXPECT_EQ(r.body.size(), c.size);
    else
        EXPECT_TRUE(r.errorString.endsWith("is larger than 4096 bytes"))
            << r.errorString.toStdString();
}

INSTANTIATE_TEST_SUITE_P(Sizes, BodyCap,
                         ::testing::Values(CapCase{"at_cap", 4096, true, true},
                                           CapCase{"over_cap", 4097, true, false},
                                           CapCase{"at_cap_no_length", 4096, false, true},
                                           CapCase{"over_cap_no_length", 4097, false, false}),
                         [](const auto &info) { return std::string(info.param.name); });

TEST(Fetch, RefusesAddressesThatAreNotWebAddresses)
{
    QtHttpFetcher fetcher(2s);
    for (const char *url :
         {"file:///etc/hostname", "ftp://127.0.0.1/zel/DV.ZEL", "", "zel/DV.ZEL"}) {
        const FetchResult r = fetcher.get(QUrl(QString::fromLatin1(url)));
        EXPECT_FALSE(r.ok) << url;
        EXPECT_TRUE(r.errorString.contains("is not a web address")) << r.errorString.toStdString();
    }
}

// While a check waits for a silent server, the window repaints, and the
// clicks and keys made meanwhile are dropped: none of them runs once the
// wait is over.
TEST(Fetch, WhileWaitingTheWindowPaintsAndTakesNoInput)
{
    ScriptedServer server;
    ScriptedServer::Reply silent;
    silent.kind = ScriptedServer::Reply::Silent;
    server.on("/zel/zelq_ver.txt", silent);
    TempDir dir;
    dir.write("DV.ZEL", "1.2\r\n");
    constexpr auto stall = 1000ms;
    QtHttpFetcher fetcher(stall);
    FakeBoxes boxes;
    frmChkUpdt w(dir.path(), fetcher, boxes, nullptr, server.baseUrl());
    w.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));

    int clicks = 0;
    for (QPushButton *b : {w.Command1, w.dbtn, w.dlbtn, w.cbtn})
        QObject::connect(b, &QPushButton::clicked, [&] { ++clicks; });

    // Paints of the status label, asked for every 10 ms as an animation would.
    struct PaintLog : QObject {
        std::vector<qint64> at;
        QElapsedTimer clock;
        bool eventFilter(QObject *, QEvent *e) override
        {
            if (e->type() == QEvent::Paint)
                at.push_back(clock.elapsed());
            return false;
        }
    } paints;
    paints.clock.start();
    w.Text2->installEventFilter(&paints);
    QTimer repaint;
    QObject::connect(&repaint, &QTimer::timeout, w.Text2, [&] { w.Text2->update(); });
    repaint.start(10);

    // The input comes while the fetch certainly waits: as the server sees
    // the request.
    server.onRequest = [&](const QByteArray &) {
        QTest::mouseClick(w.dbtn, Qt::LeftButton);
        QTest::mouseClick(w.Command1, Qt::LeftButton);
        QTest::keyClick(&w, Qt::Key_Space);
        QTest::keyClick(&w, Qt::Key_Escape);
        QTest::keyClick(&w, Qt::Key_F4, Qt::AltModifier);
        // The window's close box, as the window system sends it.
        QCloseEvent close;
        QSpontaneKeyEvent::setSpontaneous(&close);
        QCoreApplication::instance()->notify(&w, &close);
    };
    QElapsedTimer waited;
    waited.start();
    w.Command1->click(); // the one click that counts
    const qint64 ms = waited.elapsed();
    repaint.stop();
    QCoreApplication::processEvents();

    EXPECT_EQ(clicks, 1);
    EXPECT_TRUE(w.isVisible());
    EXPECT_EQ(w.result(), 0);
    EXPECT_TRUE(w.view().Text2.contains("timed out after 1 second"))
        << w.view().Text2.toStdString();
    EXPECT_EQ(buttonsOf(w), "Command1 on | dbtn Done | dlbtn - | cbtn -");
    ASSERT_GT(paints.at.size(), 2u);

    qint64 longestGap = 0;
    for (std::size_t i = 1; i < paints.at.size(); ++i)
        longestGap = std::max(longestGap, paints.at[i] - paints.at[i - 1]);
    std::cout << "[ measure ] stalled fetch of " << ms << " ms: " << paints.at.size()
              << " repaints, longest gap " << longestGap << " ms\n";
}

struct UrlCase {
    const char *name;
    QString setting; // empty: not set
    QString url;
};

void PrintTo(const UrlCase &c, std::ostream *os)
{
    *os << c.name;
}

class BaseUrl : public ::testing::TestWithParam<UrlCase> {
  protected:
    void TearDown() override { QSettings().remove(QStringLiteral("update")); }
};

TEST_P(BaseUrl, ComesFromTheSettingsOrTheBuild)
{
    const UrlCase &c = GetParam();
    if (!c.setting.isEmpty())
        QSettings().setValue(QStringLiteral("update/baseurl"), c.setting);
    const QString expected = c.url.isEmpty() ? builtInUpdateUrl() : c.url;
    EXPECT_EQ(updateBaseUrl().toString(), expected);

    TempDir dir;
    QtHttpFetcher fetcher;
    FakeBoxes boxes;
    frmChkUpdt w(dir.path(), fetcher, boxes);
    EXPECT_EQ(w.VersionURL, expected + "zel/zelq_ver.txt");
}

INSTANTIATE_TEST_SUITE_P(Settings, BaseUrl,
                         ::testing::Values(UrlCase{"not_set", "", ""},
                                           UrlCase{"set", "https://updates.example.org/",
                                                   "https://updates.example.org/"},
                                           UrlCase{"slash_added", "http://example.org/quiz",
                                                   "http://example.org/quiz/"},
                                           UrlCase{"blanks_trimmed", "  http://10.0.0.2:8080/ ",
                                                   "http://10.0.0.2:8080/"}),
                         [](const auto &info) { return std::string(info.param.name); });

} // namespace
