// The real fetch: its body cap and the addresses it refuses.
#include "gui/network/QtHttpFetcher.h"
#include "gui/update/ScriptedServer.h"
#include "support/CaseName.h"
#include "support/QtPrinters.h"

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
struct CapCase {
    const char *name;
    R reply;
    bool ok;
};
class FetchCap : public Fetch, public ::testing::WithParamInterface<CapCase> {};

TEST_P(FetchCap, AcceptsUpToTheBodyCapAndNoMore)
{
    const CapCase &c = GetParam();
    server.on("/f", c.reply);
    const Result<QByteArray> r = fetcher.get(server.baseUrl().resolved(QUrl("f")));
    ASSERT_EQ(bool(r), c.ok) << failureText(r).toStdString();
    if (c.ok)
        EXPECT_EQ(*r, c.reply.body);
    else
        EXPECT_TRUE(r.error().description().endsWith("/f is larger than 4096 bytes"));
}

INSTANTIATE_TEST_SUITE_P(
    Bodies, FetchCap,
    ::testing::Values(
        CapCase{"at_the_cap", {QByteArray(4096, 'x')}, true},
        CapCase{"announced_over_the_cap", {"x", R::Stall, 0, 4097}, false},
        CapCase{"unannounced_at_the_cap", {QByteArray(4096, 'x'), R::Close, -1, -2}, true},
        CapCase{"unannounced_over_the_cap", {QByteArray(4097, 'x'), R::Close, -1, -2}, false}),
    CaseName());

TEST_F(Fetch, RefusesAddressesThatAreNotWebAddresses)
{
    for (const char *url :
         {"file:///etc/hostname", "ftp://127.0.0.1/zel/DV.ZEL", "", "zel/DV.ZEL"}) {
        const Result<QByteArray> r = fetcher.get(QUrl(QString::fromLatin1(url)));
        ASSERT_FALSE(r) << url;
        EXPECT_TRUE(r.error().description().contains("is not a web address"))
            << r.error().description().toStdString();
    }
}

} // namespace
