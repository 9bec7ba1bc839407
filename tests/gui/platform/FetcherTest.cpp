// The real fetch: its body cap and the addresses it refuses.
#include "gui/network/QtHttpFetcher.h"
#include "gui/update/ScriptedServer.h"

#include <gtest/gtest.h>

namespace {

using namespace std::chrono_literals;
using R = ScriptedServer::Reply;

class Fetch : public ::testing::Test {
  protected:
    ScriptedServer server;
    QtHttpFetcher fetcher{2s, 4096};
};

// Up to the cap and no more, whether the server announces the length or
// not. An announced length over the cap is refused before any body comes.
TEST_F(Fetch, AcceptsUpToTheBodyCapAndNoMore)
{
    const struct {
        R reply;
        bool ok;
    } cases[] = {{{QByteArray(4096, 'x')}, true},
                 {{"x", R::Stall, 0, 4097}, false},
                 {{QByteArray(4096, 'x'), R::Close, -1, -2}, true},
                 {{QByteArray(4097, 'x'), R::Close, -1, -2}, false}};
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

TEST_F(Fetch, RefusesAddressesThatAreNotWebAddresses)
{
    for (const char *url :
         {"file:///etc/hostname", "ftp://127.0.0.1/zel/DV.ZEL", "", "zel/DV.ZEL"}) {
        const FetchResult r = fetcher.get(QUrl(QString::fromLatin1(url)));
        EXPECT_FALSE(r.ok) << url;
        EXPECT_TRUE(r.errorString.contains("is not a web address")) << r.errorString.toStdString();
    }
}

} // namespace
