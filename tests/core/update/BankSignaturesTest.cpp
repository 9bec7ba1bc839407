// Signed banks as the real minisign makes them (tests/data/signatures/,
// made by the script there): each case changes one thing of the good set,
// the three files of data version 1.3 signed for "1.3".
#include "core/update/BankSignatures.h"
#include "core/update/DownloadPlan.h"
#include "support/CaseName.h"
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

const QString kNotSigned = "A.zel.minisig: signed for data version ";
struct SignatureCase {
    const char *name;
    const char *key;
    void (*edit)(Files &);
    QString refused;
};
const SignatureCase kCases[] = {
    {"good", "update.pub", [](Files &) {}, ""},
    // As a file that passed through a Windows editor.
    {"crlf_signature", "update.pub", [](Files &f) { f["DV.ZEL.minisig"]->replace("\n", "\r\n"); },
     ""},
    {"altered_file", "update.pub", [](Files &f) { f["AD.zel"]->append("\r\n"); },
     "AD.zel.minisig: the signature does not match AD.zel"},
    {"other_key", "other.pub", [](Files &) {},
     "A.zel.minisig: made with the key 4F00C2FF0977DC8F, not with the key 07F2B96D36AF6D93 "
     "of update.pub"},
    // The key id alone proves nothing.
    {"same_key_id", "same-id.pub", [](Files &) {},
     "A.zel.minisig: the signature does not match A.zel"},
    {"altered_comment", "update.pub",
     [](Files &f) { f["DV.ZEL.minisig"]->replace("comment: 1.3", "comment: 1.4"); },
     "DV.ZEL.minisig: the trusted comment is not the one signed"},
    {"other_version", "update.pub",
     [](Files &f) { f["AD.zel.minisig"] = fixture("AD.zel.1.4.minisig"); },
     "AD.zel.minisig: signed for data version \"1.4\", but DV.ZEL holds \"1.3\""},
    // An old signed bank served under the new data version.
    {"old_bank", "update.pub", useOldBank, kNotSigned + "\"1.2\", but DV.ZEL holds \"1.3\""},
    // Signed without a trusted comment of the author's own.
    {"default_comment", "update.pub",
     [](Files &f) { f["DV.ZEL.minisig"] = fixture("DV.ZEL.default.minisig"); },
     "DV.ZEL.minisig: signed for data version \"timestamp:1796685243\t...\", but DV.ZEL "
     "holds \"1.3\""},
    {"legacy", "update.pub", [](Files &f) { f["A.zel.minisig"] = fixture("A.zel.legacy.minisig"); },
     "A.zel.minisig: a legacy signature (not prehashed); sign the file again without -l"},
    {"missing", "update.pub", [](Files &f) { f["DV.ZEL.minisig"] = std::nullopt; },
     "DV.ZEL.minisig: missing"},
    // The parser takes the tool's layout and nothing else.
    {"too_large", "update.pub",
     [](Files &f) { f["A.zel.minisig"]->append(QByteArray(4000, '\n')); },
     "A.zel.minisig: larger than 4096 bytes"},
    {"extra_line", "update.pub", [](Files &f) { f["A.zel.minisig"]->append("\n"); },
     "A.zel.minisig: 5 lines instead of 4"},
    {"not_base64", "update.pub", [](Files &f) { f["A.zel.minisig"]->replace("==\n", "=\n"); },
     "A.zel.minisig: line 4 is not a signature in base64"},
    // The same bytes, but unused bits of the last digit set.
    {"unused_bits", "update.pub",
     [](Files &f) { ++(*f["A.zel.minisig"])[f["A.zel.minisig"]->size() - 4]; },
     "A.zel.minisig: line 4 is not a signature in base64"},
    // "ET" where "ED" belongs.
    {"not_ed25519", "update.pub",
     [](Files &f) { (*f["A.zel.minisig"])[f["A.zel.minisig"]->indexOf('\n') + 2] = 'V'; },
     "A.zel.minisig: not an Ed25519 signature"},
    {"control_character", "update.pub",
     [](Files &f) { f["A.zel.minisig"]->replace("1.3", "1.3\x1b[2J"); },
     "A.zel.minisig: line 3 holds a control character"},
    {"no_trusted_comment", "update.pub",
     [](Files &f) { f["A.zel.minisig"]->replace("\ntrusted c", "\nc"); },
     "A.zel.minisig: line 3 does not begin with \"trusted comment: \""},
    {"not_a_key", "A.zel.minisig", [](Files &) {},
     "update.pub: not a public key: 4 lines instead of 2"},
};
class BankSignaturesOf : public ::testing::TestWithParam<SignatureCase> {};

TEST_P(BankSignaturesOf, OnlyTheKeysSignaturesOfTheNewDataVersionPass)
{
    const SignatureCase &c = GetParam();
    Files files;
    for (const QString &name : DownloadPlan::fileNames()) {
        files[name] = fixture(name);
        files[BankSignatures::signatureName(name)] = fixture(name + ".minisig");
    }
    c.edit(files);
    TempDir program;
    program.write("update.pub", fixture(c.key));
    const Result<BankSignatures::Key> key = BankSignatures::readKey(program.path());
    if (!key) {
        EXPECT_EQ(key.error().description().toStdString(), c.refused.toStdString());
        return;
    }
    ASSERT_TRUE(key->has_value());
    std::vector<QByteArray> bodies;
    std::vector<std::optional<QByteArray>> signatures;
    for (const QString &name : DownloadPlan::fileNames()) {
        bodies.push_back(*files[name]);
        signatures.push_back(files[BankSignatures::signatureName(name)]);
    }
    const Result<> checked = BankSignatures::check(**key, bodies, signatures);
    EXPECT_EQ((checked ? QString() : checked.error().description()).toStdString(),
              c.refused.toStdString());
}
INSTANTIATE_TEST_SUITE_P(Banks, BankSignaturesOf, ::testing::ValuesIn(kCases), CaseName());

} // namespace
