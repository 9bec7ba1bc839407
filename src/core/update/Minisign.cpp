#include "Minisign.h"

#include <QList>

#include <sodium.h>

#include <algorithm>
#include <cstring>

namespace Minisign {
namespace {

const QByteArray kUntrusted = QByteArrayLiteral("untrusted comment: ");
const QByteArray kTrusted = QByteArrayLiteral("trusted comment: ");
const QByteArray kKeyAlgorithm = QByteArrayLiteral("Ed");
const QByteArray kPrehashed = QByteArrayLiteral("ED");
const QByteArray kLegacy = QByteArrayLiteral("Ed");

// The lines of a file as the tool writes them: each ends with LF (CR LF,
// as a file that passed through a Windows editor, is taken too), the last
// one possibly without. Nothing else may be there: no blank line, no
// control character, not one line more or less.
Result<QList<QByteArray>> splitLines(const QByteArray &file, qsizetype count)
{
    if (file.size() > MaxFileSize)
        return failure(QStringLiteral("larger than %1 bytes").arg(MaxFileSize));
    QList<QByteArray> lines = file.split('\n');
    if (lines.size() > 1 && lines.last().isEmpty())
        lines.removeLast();
    if (lines.size() != count)
        return failure(QStringLiteral("%1 lines instead of %2").arg(lines.size()).arg(count));
    for (qsizetype i = 0; i < lines.size(); ++i) {
        // A CR belongs to the line end only when an LF follows it.
        QByteArray &line = lines[i];
        if (line.endsWith('\r') && (i + 1 < lines.size() || file.endsWith('\n')))
            line.chop(1);
        const bool control = std::any_of(line.begin(), line.end(), [](char c) {
            return static_cast<unsigned char>(c) < 0x20 && c != '\t';
        });
        if (control || line.contains('\x7f'))
            return failure(QStringLiteral("line %1 holds a control character").arg(i + 1));
    }
    return lines;
}

// Exactly `size` bytes in canonical base64: one spelling per value, so the
// line cannot carry anything beside the bytes.
std::optional<QByteArray> base64(const QByteArray &line, qsizetype size)
{
    const auto decoded = QByteArray::fromBase64Encoding(
        line, QByteArray::Base64Encoding | QByteArray::AbortOnBase64DecodingErrors);
    if (!decoded || decoded.decoded.size() != size || decoded.decoded.toBase64() != line)
        return std::nullopt;
    return decoded.decoded;
}

template <std::size_t N> void copy(std::array<unsigned char, N> &to, const QByteArray &from)
{
    std::memcpy(to.data(), from.constData(), N);
}

QString notBase64(int line, const char *what)
{
    return QStringLiteral("line %1 is not %2 in base64").arg(line).arg(QLatin1String(what));
}

QString noPrefix(int line, const QByteArray &prefix)
{
    return QStringLiteral("line %1 does not begin with \"%2\"")
        .arg(line)
        .arg(QString::fromLatin1(prefix));
}

} // namespace

Result<PublicKey> parsePublicKey(const QByteArray &file)
{
    const Result<QList<QByteArray>> split = splitLines(file, 2);
    if (!split)
        return failure(split.error());
    const QList<QByteArray> &lines = *split;
    if (!lines[0].startsWith(kUntrusted))
        return failure(noPrefix(1, kUntrusted));
    const std::optional<QByteArray> bytes = base64(lines[1], 2 + 8 + 32);
    if (!bytes)
        return failure(notBase64(2, "a public key"));
    if (!bytes->startsWith(kKeyAlgorithm))
        return failure(QStringLiteral("not an Ed25519 public key"));
    PublicKey key;
    copy(key.keyId, bytes->mid(2, 8));
    copy(key.key, bytes->mid(10));
    return key;
}

Result<Signature> parseSignature(const QByteArray &file)
{
    const Result<QList<QByteArray>> split = splitLines(file, 4);
    if (!split)
        return failure(split.error());
    const QList<QByteArray> &lines = *split;
    if (!lines[0].startsWith(kUntrusted))
        return failure(noPrefix(1, kUntrusted));
    const std::optional<QByteArray> bytes = base64(lines[1], 2 + 8 + 64);
    if (!bytes)
        return failure(notBase64(2, "a signature"));
    // The legacy form signs the file itself rather than its hash. Banks
    // take one form only, the one the tool makes by default.
    if (bytes->startsWith(kLegacy))
        return failure(QStringLiteral("a legacy signature (not prehashed); sign the file "
                                      "again without -l"));
    if (!bytes->startsWith(kPrehashed))
        return failure(QStringLiteral("not an Ed25519 signature"));
    if (!lines[2].startsWith(kTrusted))
        return failure(noPrefix(3, kTrusted));
    const std::optional<QByteArray> global = base64(lines[3], 64);
    if (!global)
        return failure(notBase64(4, "a signature"));
    Signature s;
    s.untrustedComment = lines[0].mid(kUntrusted.size());
    copy(s.keyId, bytes->mid(2, 8));
    copy(s.signature, bytes->mid(10));
    s.trustedComment = lines[2].mid(kTrusted.size());
    copy(s.globalSignature, *global);
    return s;
}

QString keyIdText(const KeyId &id)
{
    QByteArray reversed(reinterpret_cast<const char *>(id.data()), qsizetype(id.size()));
    std::reverse(reversed.begin(), reversed.end());
    return QString::fromLatin1(reversed.toHex().toUpper());
}

Verdict verify(const PublicKey &key, const Signature &signature, const QByteArray &file)
{
    if (key.keyId != signature.keyId)
        return Verdict::OtherKey;
    // Safe to call again and from any thread. Should the library fail to
    // start, nothing is taken as verified.
    if (sodium_init() < 0)
        return Verdict::Unchecked;
    std::array<unsigned char, crypto_generichash_BYTES_MAX> hash{};
    crypto_generichash(hash.data(), hash.size(),
                       reinterpret_cast<const unsigned char *>(file.constData()),
                       static_cast<unsigned long long>(file.size()), nullptr, 0);
    if (crypto_sign_verify_detached(signature.signature.data(), hash.data(), hash.size(),
                                    key.key.data()) != 0)
        return Verdict::FileAltered;
    // The trusted comment is signed together with the file's signature, so
    // it cannot be moved to another file's signature either.
    QByteArray global(reinterpret_cast<const char *>(signature.signature.data()),
                      qsizetype(signature.signature.size()));
    global += signature.trustedComment;
    if (crypto_sign_verify_detached(signature.globalSignature.data(),
                                    reinterpret_cast<const unsigned char *>(global.constData()),
                                    static_cast<unsigned long long>(global.size()),
                                    key.key.data()) != 0)
        return Verdict::CommentAltered;
    return Verdict::Good;
}

} // namespace Minisign
