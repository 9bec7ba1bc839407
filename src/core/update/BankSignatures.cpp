#include "BankSignatures.h"

#include "DownloadPlan.h"
#include "HttpFetcher.h"
#include "core/common/TextFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QUrl>

#include <algorithm>

namespace {

bool present(const QString &path)
{
    // A dangling link is there too: someone meant a key to be there.
    const QFileInfo info(path);
    return info.exists() || info.isSymLink();
}

// At most `limit` bytes of a plain file; a pipe or a device is never read.
std::optional<QByteArray> readFile(const QString &path, qint64 limit, QString &why)
{
    QFile file(path);
    if (!QFileInfo(path).isFile()) {
        why = present(path) ? QStringLiteral("not a file") : QStringLiteral("missing");
        return std::nullopt;
    }
    if (!file.open(QIODevice::ReadOnly)) {
        why = QStringLiteral("cannot be read (") + file.errorString() + QLatin1Char(')');
        return std::nullopt;
    }
    QByteArray bytes = file.read(limit + 1);
    if (bytes.size() > limit) {
        why = QStringLiteral("larger than %1 bytes").arg(limit);
        return std::nullopt;
    }
    return bytes;
}

// The data version as the window reads it from "DV.ZEL"; blanks and a
// lone LF after it are no part of it.
QString dataVersion(const QByteArray &dataVersionFile)
{
    return TextFile::firstLine(TextFile::decode(dataVersionFile)).trimmed();
}

// Texts from a file the user did not write are shown short.
QString shown(const QString &text)
{
    return QLatin1Char('"') + (text.size() > 24 ? text.left(21) + QStringLiteral("...") : text) +
           QLatin1Char('"');
}

QString verdictText(Minisign::Verdict verdict, const Minisign::PublicKey &key,
                    const Minisign::Signature &signature, const QString &file)
{
    switch (verdict) {
    case Minisign::Verdict::OtherKey:
        return QStringLiteral("made with the key %1, not with the key %2 of %3")
            .arg(Minisign::keyIdText(signature.keyId), Minisign::keyIdText(key.keyId),
                 BankSignatures::keyFileName());
    case Minisign::Verdict::FileAltered:
        return QStringLiteral("the signature does not match ") + file;
    case Minisign::Verdict::CommentAltered:
        return QStringLiteral("the trusted comment is not the one signed");
    case Minisign::Verdict::Unchecked:
        return QStringLiteral("the signature cannot be checked on this system");
    case Minisign::Verdict::Good:
        break;
    }
    return QString();
}

} // namespace

Result<BankSignatures::Key> BankSignatures::readKey(const QString &folder)
{
    const QString path = QDir(folder).filePath(keyFileName());
    if (!present(path))
        return Key();
    QString why;
    if (const auto bytes = readFile(path, Minisign::MaxFileSize, why)) {
        const Result<Minisign::PublicKey> parsed = Minisign::parsePublicKey(*bytes);
        if (parsed)
            return Key(*parsed);
        why = QStringLiteral("not a public key: ") + parsed.error().description();
    }
    return failure(keyFileName() + QStringLiteral(": ") + why);
}

Result<> BankSignatures::check(const Minisign::PublicKey &key, const std::vector<QByteArray> &files,
                               const std::vector<std::optional<QByteArray>> &signatures)
{
    const auto &names = DownloadPlan::fileNames();
    const QString version = dataVersion(files.at(names.size() - 1));
    for (std::size_t i = 0; i < names.size(); ++i) {
        const QString prefix = signatureName(names[i]) + QStringLiteral(": ");
        if (!signatures.at(i))
            return failure(prefix + QStringLiteral("missing"));
        const Result<Minisign::Signature> parsed = Minisign::parseSignature(*signatures[i]);
        if (!parsed)
            return failure(prefix + parsed.error().description());
        const Minisign::Verdict verdict = Minisign::verify(key, *parsed, files.at(i));
        if (verdict != Minisign::Verdict::Good)
            return failure(prefix + verdictText(verdict, key, *parsed, names[i]));
        const QString comment = QString::fromUtf8(parsed->trustedComment).trimmed();
        if (comment != version) {
            return failure(prefix + QStringLiteral("signed for data version %1, but %2 holds %3")
                                        .arg(shown(comment), names.back(), shown(version)));
        }
    }
    return {};
}

Result<> BankSignatures::fetchAndCheck(HttpFetcher &fetcher, const QString &zelUrl,
                                       const Minisign::PublicKey &key,
                                       const std::vector<QByteArray> &files)
{
    std::vector<std::optional<QByteArray>> signatures;
    for (const QString &name : DownloadPlan::fileNames()) {
        Result<QByteArray> r =
            fetcher.get(QUrl(zelUrl + signatureName(name)), Minisign::MaxFileSize);
        if (!r)
            return failure(DownloadPlan::fetchFailure(signatureName(name), r.error()));
        signatures.push_back(std::move(*r));
    }
    return check(key, files, signatures);
}

std::optional<BankSignatures::Report> BankSignatures::ofFolder(const QString &folder,
                                                               const QString &programFolder)
{
    const QDir dir(folder);
    const auto &names = DownloadPlan::fileNames();
    const bool signatures = std::any_of(names.begin(), names.end(), [&](const QString &name) {
        return present(dir.filePath(signatureName(name)));
    });
    // A key file that is there, usable or not.
    const auto keyPresent = [](const Result<Key> &k) { return !k || k->has_value(); };
    Result<Key> key = readKey(folder);
    QString keyFolder = folder;
    if (!keyPresent(key) && !programFolder.isEmpty()) {
        key = readKey(programFolder);
        keyFolder = programFolder;
    }
    // A key in the author's folder asks for signatures; the program's key,
    // also when the bank checked is the program's own, checks only those
    // that are there: an installed bank has none.
    const bool programsFolder =
        QFileInfo(folder).canonicalFilePath() == QFileInfo(programFolder).canonicalFilePath();
    if (!signatures && (!keyPresent(key) || keyFolder != folder || programsFolder))
        return std::nullopt;

    const QString lead = QStringLiteral("signatures: ");
    if (!keyPresent(key)) {
        return Report{true, lead + QStringLiteral("not checked: no %1 in %2 or %3")
                                       .arg(keyFileName(), folder, programFolder)};
    }
    const QString keyPath = QDir(keyFolder).filePath(keyFileName());
    if (!key)
        return Report{false, lead + keyPath + key.error().description().mid(keyFileName().size())};

    std::vector<QByteArray> files;
    std::vector<std::optional<QByteArray>> signed_;
    for (const QString &name : names) {
        QString why;
        const auto bytes = readFile(dir.filePath(name), HttpFetcher::BodyCap, why);
        if (!bytes)
            return Report{false, lead + dir.filePath(name) + QStringLiteral(": ") + why};
        files.push_back(*bytes);
        // A signature that is not there is reported by the check itself.
        const QString signature = dir.filePath(signatureName(name));
        signed_.push_back(readFile(signature, Minisign::MaxFileSize, why));
        if (!signed_.back() && present(signature))
            return Report{false, lead + signature + QStringLiteral(": ") + why};
    }
    if (const Result<> checked = check(**key, files, signed_); !checked)
        return Report{false, lead + dir.filePath(checked.error().description())};
    return Report{
        true, lead + QStringLiteral("%1, %2 and %3 are signed by %4 for data version %5")
                         .arg(names[0], names[1], names[2], keyPath, dataVersion(files.back()))};
}
