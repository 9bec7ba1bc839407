// The real fetch: its body cap, refused addresses, where it fetches from,
// and what the program does while a fetch waits.
#include "core/update/UpdateBaseUrl.h"
#include "gui/update/UpdateTestData.h"

#include <QCloseEvent>
#include <QSettings>
#include <QSpontaneKeyEvent>
#include <QTest>

#include <gtest/gtest.h>

namespace {

using namespace std::chrono_literals;
using R = ScriptedServer::Reply;

// Up to the cap and no more, whether the server announces the length or
// not. An announced length over the cap is refused before any body comes.
TEST(Fetch, AcceptsUpToTheBodyCapAndNoMore)
{
    const struct {
        R reply;
        bool ok;
    } cases[] = {{{QByteArray(4096, 'x')}, true},
                 {{"x", R::Stall, 0, 4097}, false},
                 {{QByteArray(4096, 'x'), R::Close, -1, -2}, true},
                 {{QByteArray(4097, 'x'), R::Close, -1, -2}, false}};
    ScriptedServer server;
    QtHttpFetcher fetcher(2s, 4096);
    for (const auto &c : cases) {
        server.on("/f", c.reply);
        const FetchResult r = fetcher.get(server.baseUrl().resolved(QUrl("f")));
        SCOPED_TRACE(std::to_string(c.reply.body.size()) +
                     " bytes: " + r.errorString.toStdString());
        EXPECT_EQ(r.ok, c.ok);
        if (c.ok)
            EXPECT_EQ(r.body, c.reply.body);
        else
            EXPECT_TRUE(r.errorString.endsWith("/f is larger than 4096 bytes"));
    }
}

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
// clicks, keys and close requests made meanwhile are dropped: none of them
// runs once the wait is over.
TEST(Fetch, WhileWaitingTheWindowPaintsAndTakesNoInput)
{
    ScriptedServer server;
    server.on("/zel/zelq_ver.txt", {"x", R::Stall, 0});
    TempDir dir;
    dir.write("DV.ZEL", "1.2\r\n");
    QtHttpFetcher fetcher(1000ms);
    FakeBoxes boxes;
    frmChkUpdt w(dir.path(), fetcher, boxes, nullptr, server.baseUrl());
    w.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));

    int clicks = 0;
    for (QPushButton *b : {w.Command1, w.dbtn, w.dlbtn, w.cbtn})
        QObject::connect(b, &QPushButton::clicked, [&] { ++clicks; });

    // Paints of the status label, asked for every 10 ms as an animation would.
    struct PaintCount : QObject {
        int paints = 0;
        bool eventFilter(QObject *, QEvent *e) override
        {
            paints += e->type() == QEvent::Paint;
            return false;
        }
    } count;
    w.Text2->installEventFilter(&count);
    QTimer repaint;
    QObject::connect(&repaint, &QTimer::timeout, w.Text2, [&] { w.Text2->update(); });
    repaint.start(10);

    // The input comes while the fetch certainly waits: as the server sees
    // the request.
    server.onRequest = [&] {
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
    w.Command1->click(); // the one click that counts
    repaint.stop();
    QCoreApplication::processEvents();

    EXPECT_EQ(clicks, 1);
    EXPECT_TRUE(w.isVisible());
    EXPECT_EQ(w.result(), 0);
    EXPECT_TRUE(w.view().Text2.contains("timed out after 1 second"))
        << w.view().Text2.toStdString();
    EXPECT_EQ(buttonsOf(w), kCurrentButtons);
    EXPECT_GT(count.paints, 2);
}

// The server comes from the settings, trimmed and ending in a slash, or
// else from the build.
TEST(Fetch, BaseUrlComesFromTheSettingsOrTheBuild)
{
    for (const auto &[setting, url] :
         {std::pair{"", builtInUpdateUrl()},
          std::pair{"http://example.org/quiz", QStringLiteral("http://example.org/quiz/")},
          std::pair{"  http://10.0.0.2:8080/ ", QStringLiteral("http://10.0.0.2:8080/")}}) {
        if (*setting)
            QSettings().setValue(QStringLiteral("update/baseurl"), setting);
        else
            QSettings().remove(QStringLiteral("update/baseurl"));
        EXPECT_EQ(updateBaseUrl().toString(), url);
        TempDir dir;
        QtHttpFetcher fetcher;
        FakeBoxes boxes;
        frmChkUpdt w(dir.path(), fetcher, boxes);
        EXPECT_EQ(w.VersionURL, url + "zel/zelq_ver.txt");
    }
    QSettings().remove(QStringLiteral("update"));
}

} // namespace
