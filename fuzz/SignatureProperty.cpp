#include "SignatureProperty.h"

#include "core/update/Minisign.h"

#include <QList>

#include <cstring>

namespace SignatureProperty {
namespace {

template <std::size_t N> QByteArray bytes(const std::array<unsigned char, N> &a)
{
    return QByteArray(reinterpret_cast<const char *>(a.data()), qsizetype(N));
}

// The file as it would be with LF line ends and a last line end.
QByteArray normalised(QByteArray file)
{
    file.replace("\r\n", "\n");
    if (!file.endsWith('\n'))
        file += '\n';
    return file;
}

} // namespace

QString check(const QByteArray &file)
{
    const auto signature = Minisign::parseSignature(file);
    if (!signature && signature.error().description().isEmpty())
        return QStringLiteral("a signature refused without a reason");
    if (signature) {
        const Minisign::Signature *s = &*signature;
        if (file.size() > Minisign::MaxFileSize)
            return QStringLiteral("a signature larger than the limit was read");
        const QByteArray rebuilt = "untrusted comment: " + s->untrustedComment + '\n' +
                                   ("ED" + bytes(s->keyId) + bytes(s->signature)).toBase64() +
                                   "\ntrusted comment: " + s->trustedComment + '\n' +
                                   bytes(s->globalSignature).toBase64() + '\n';
        if (rebuilt != normalised(file))
            return QStringLiteral("a signature read from a file the tool would not write");
        // A key of the signature's id, so that the verification runs through.
        Minisign::PublicKey key;
        key.keyId = s->keyId;
        std::memcpy(key.key.data(), s->signature.data(), key.key.size());
        if (Minisign::verify(key, *s, file) == Minisign::Verdict::Good)
            return QStringLiteral("a signature verified over its own file");
    }

    const auto key = Minisign::parsePublicKey(file);
    if (!key && key.error().description().isEmpty())
        return QStringLiteral("a key refused without a reason");
    if (key) {
        const Minisign::PublicKey *k = &*key;
        const QList<QByteArray> lines = normalised(file).split('\n');
        if (lines.size() != 3 || !lines[0].startsWith("untrusted comment: ") ||
            lines[1] != ("Ed" + bytes(k->keyId) + bytes(k->key)).toBase64())
            return QStringLiteral("a key read from a file the tool would not write");
    }
    return QString();
}

} // namespace SignatureProperty
