#pragma once

#include "core/common/Error.h"

#include <QByteArray>
#include <QString>

#include <array>

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

// The key or signature read, or why the file was refused.
[[nodiscard]] Result<PublicKey> parsePublicKey(const QByteArray &file);
[[nodiscard]] Result<Signature> parseSignature(const QByteArray &file);

// The key id as the tool prints it: 16 hexadecimal digits, last byte first.
[[nodiscard]] QString keyIdText(const KeyId &id);

enum class Verdict { Good, OtherKey, FileAltered, CommentAltered, Unchecked };

// Whether the signature is the key's, over these bytes, with its trusted
// comment as signed.
[[nodiscard]] Verdict verify(const PublicKey &key, const Signature &signature,
                             const QByteArray &file);

} // namespace Minisign
