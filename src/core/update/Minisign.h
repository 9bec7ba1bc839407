#pragma once

#include <QByteArray>
#include <QString>

#include <array>
#include <optional>

// The public-key and signature files of the minisign tool, read strictly:
// only the exact layout the tool writes is accepted, so that a file means
// one thing and nothing in it goes unchecked. Verification is libsodium's.
namespace Minisign {

// A key file is two lines and a signature four; both are a few hundred
// bytes. Anything longer is refused before it is looked at.
constexpr qsizetype MaxFileSize = 4096;

using KeyId = std::array<unsigned char, 8>;

struct PublicKey {
    KeyId keyId{};
    std::array<unsigned char, 32> key{};
};

// Only the prehashed form: Ed25519 over the BLAKE2b-512 hash of the file.
struct Signature {
    QByteArray untrustedComment;
    KeyId keyId{};
    std::array<unsigned char, 64> signature{};
    QByteArray trustedComment;
    std::array<unsigned char, 64> globalSignature{};
};

template <typename T> struct Parsed {
    std::optional<T> value;
    QString error; // why the file was refused, when there is no value
};

Parsed<PublicKey> parsePublicKey(const QByteArray &file);
Parsed<Signature> parseSignature(const QByteArray &file);

// The key id as the tool prints it: 16 hexadecimal digits, last byte first.
QString keyIdText(const KeyId &id);

enum class Verdict { Good, OtherKey, FileAltered, CommentAltered, Unchecked };

// Whether the signature is the key's, over these bytes, with its trusted
// comment as signed.
Verdict verify(const PublicKey &key, const Signature &signature, const QByteArray &file);

} // namespace Minisign
