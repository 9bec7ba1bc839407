// Signed banks as the real minisign makes them (tests/data/signatures/,
// made by the script there): each case changes one thing of the good set,
// the three files of data version 1.3 signed for "1.3".
#include "core/update/BankSignatures.h"
#include "core/update/DownloadPlan.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <map>

namespace {

using Files = std::map<QString, std::optional<QByteArray>>;

QByteArray fixture(const QString &name)
{
    return testData("signatures/" + name);
}

void useOldBank(Files &f)
{
    for (const QString name : {"A.zel", "AD.zel", "A.zel.minisig", "AD.zel.minisig"})
        f[name] = fixture("old/" + name);
}

TEST(BankSignatures, OnlyTheKeysSignaturesOfTheNewDataVersionPass)
{
    const QString notSigned = "A.zel.minisig: signed for data version ";
    const struct {
        const char *key;
        void (*edit)(Files &);
        QString refused;
    } cases[] = {
        {"update.pub", [](Files &) {}, ""},
        // As a file that passed through a Windows editor.
        {"update.pub", [](Files &f) { f["DV.ZEL.minisig"]->replace("\n", "\r\n"); }, ""},
        {"update.pub", [](Files &f) { f["AD.zel"]->append("\r\n"); },
         "AD.zel.minisig: the signature does not match AD.zel"},
        {"other.pub", [](Files &) {},
         "A.zel.minisig: made with the key 4F00C2FF0977DC8F, not with the key 07F2B96D36AF6D93 "
         "of update.pub"},
        // The key id alone proves nothing.
        {"same-id.pub", [](Files &) {}, "A.zel.minisig: the signature does not match A.zel"},
        {"update.pub",
         [](Files &f) { f["DV.ZEL.minisig"]->replace("comment: 1.3", "comment: 1.4"); },
         "DV.ZEL.minisig: the trusted comment is not the one signed"},
        {"update.pub", [](Files &f) { f["AD.zel.minisig"] = fixture("AD.zel.1.4.minisig"); },
         "AD.zel.minisig: signed for data version \"1.4\", but DV.ZEL holds \"1.3\""},
        // An old signed bank served under the new data version.
        {"update.pub", useOldBank, notSigned + "\"1.2\", but DV.ZEL holds \"1.3\""},
        // Signed without a trusted comment of the author's own.
        {"update.pub", [](Files &f) { f["DV.ZEL.minisig"] = fixture("DV.ZEL.default.minisig"); },
         "DV.ZEL.minisig: signed for data version \"timestamp:1796685243\t...\", but DV.ZEL "
         "holds \"1.3\""},
        {"update.pub", [](Files &f) { f["A.zel.minisig"] = fixture("A.zel.legacy.minisig"); },
         "A.zel.minisig: a legacy signature (not prehashed); sign the file again without -l"},
        {"update.pub", [](Files &f) { f["DV.ZEL.minisig"] = std::nullopt; },
         "DV.ZEL.minisig: missing"},
        // The parser takes the tool's layout and nothing else.
        {"update.pub", [](Files &f) { f["A.zel.minisig"]->append(QByteArray(4000, '\n')); },
         "A.zel.minisig: larger than 4096 bytes"},
        {"update.pub", [](Files &f) { f["A.zel.minisig"]->append("\n"); },
         "A.zel.minisig: 5 lines instead of 4"},
        {"update.pub", [](Files &f) { f["A.zel.minisig"]->replace("==\n", "=\n"); },
         "A.zel.minisig: line 4 is not a signature in base64"},
        // The same bytes, but unused bits of the last digit set.
        {"update.pub", [](Files &f) { ++(*f["A.zel.minisig"])[f["A.zel.minisig"]->size() - 4]; },
         "A.zel.minisig: line 4 is not a signature in base64"},
        // "ET" where "ED" belongs.
        {"update.pub",
         [](Files &f) { (*f["A.zel.minisig"])[f["A.zel.minisig"]->indexOf('\n') + 2] = 'V'; },
         "A.zel.minisig: not an Ed25519 signature"},
        {"update.pub", [](Files &f) { f["A.zel.minisig"]->replace("1.3", "1.3\x1b[2J"); },
         "A.zel.minisig: line 3 holds a control character"},
        {"update.pub", [](Files &f) { f["A.zel.minisig"]->replace("\ntrusted c", "\nc"); },
         "A.zel.minisig: line 3 does not begin with \"trusted comment: \""},
        {"A.zel.minisig", [](Files &) {}, "update.pub: not a public key: 4 lines instead of 2"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.refused.toStdString());
        Files files;
        for (const QString &name : DownloadPlan::fileNames()) {
            files[name] = fixture(name);
            files[BankSignatures::signatureName(name)] = fixture(name + ".minisig");
        }
        c.edit(files);
        TempDir program;
        program.write("update.pub", fixture(c.key));
        const BankSignatures::Key key = BankSignatures::readKey(program.path());
        ASSERT_TRUE(key.present);
        if (!key.key) {
            EXPECT_EQ(key.failure.toStdString(), c.refused.toStdString());
            continue;
        }
        std::vector<QByteArray> bodies;
        std::vector<std::optional<QByteArray>> signatures;
        for (const QString &name : DownloadPlan::fileNames()) {
            bodies.push_back(*files[name]);
            signatures.push_back(files[BankSignatures::signatureName(name)]);
        }
        EXPECT_EQ(BankSignatures::check(*key.key, bodies, signatures).toStdString(),
                  c.refused.toStdString());
    }
}

} // namespace
