#include "BankImport.h"

#include "BankBuilder.h"
#include "ImportFormat.h"
#include "core/quiz/BankCheck.h"
#include "core/quiz/QuestionBank.h"
#include "core/update/BankFolderLock.h"
#include "core/update/BankJournal.h"
#include "core/update/BankSignatures.h"
#include "core/update/DownloadPlan.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>

#include <algorithm>

namespace {

constexpr qint64 kMaxFileBytes = 20 * 1024 * 1024;
// How long a write waits for a program that holds the folder.
constexpr int kLockWaitMs = 2000;
// The imported bank's data version, in the form of the downloaded ones.
const QByteArray kDataVersion = QByteArrayLiteral("1.0\r\n");

// Text, not a program or a picture: no NUL and no control character that
// no text file holds (tab, line ends and form feed are text).
bool looksBinary(const QByteArray &bytes)
{
    return std::any_of(bytes.cbegin(), bytes.cend(), [](char c) {
        const auto b = static_cast<unsigned char>(c);
        return b < 0x20 && b != '\t' && b != '\n' && b != '\r' && b != '\f' && b != '\v';
    });
}

// A folder name: no character a file system refuses, no leading dot.
QString folderName(const QString &name)
{
    QString out;
    for (const QChar c : name.left(60)) {
        out += (c.unicode() < 0x20 || QStringLiteral("/\\:*?\"<>|").contains(c)) ? QChar(u'_') : c;
    }
    out = out.trimmed();
    while (out.startsWith(QLatin1Char('.')))
        out.remove(0, 1);
    while (out.endsWith(QLatin1Char('.')))
        out.chop(1);
    return out.isEmpty() ? QStringLiteral("Bank") : out;
}

// The highest folder of path that does not exist yet, or an empty text.
QString firstMissing(const QString &path)
{
    QString missing;
    QFileInfo info(QDir::cleanPath(QDir(path).absolutePath()));
    while (!info.exists()) {
        missing = info.absoluteFilePath();
        const QString parent = info.absolutePath();
        if (parent == missing)
            break;
        info = QFileInfo(parent);
    }
    return missing;
}

Result<> writeBank(const QString &folder, const BuiltBank &bank)
{
    if (!QDir().mkpath(folder) || !QFileInfo(folder).isDir())
        return failure(QStringLiteral("%1: the folder cannot be made").arg(folder));
    const BankFolderLock lock(folder, kLockWaitMs);
    if (lock.state() != BankFolderLock::State::Held)
        return failure(lock.state() == BankFolderLock::State::HeldElsewhere
                           ? QStringLiteral("%1: another copy of the program is writing the "
                                            "bank there")
                                 .arg(folder)
                           : QStringLiteral("%1: the folder cannot be written").arg(folder));
    BankJournal journal(folder, DownloadPlan::fileNames());
    if (Result<> written = journal.replace({BankImport::fileBytes(bank.aLines),
                                            BankImport::fileBytes(bank.adLines), kDataVersion});
        !written)
        return failure(written.error());
    // A bank replaced by an import is nobody's signed bank any more: the
    // signatures of the old files would only fail its check.
    for (const QString &name : DownloadPlan::fileNames())
        QFile::remove(QDir(folder).filePath(BankSignatures::signatureName(name)));
    // What the author's check would say of it: nothing.
    const BankCheck check = BankCheck::ofFolder(folder);
    if (!check.findings().empty())
        return failure(QStringLiteral("%1: the written bank does not check: %2")
                           .arg(folder, check.findings().front().text()));
    return {};
}

} // namespace

Result<BankImport> BankImport::prepare(const QString &file)
{
    const QFileInfo info(file);
    if (!info.exists())
        return failure(QStringLiteral("%1: there is no such file").arg(file));
    // A pipe or a device is never read: it may not end.
    if (!info.isFile())
        return failure(QStringLiteral("%1: not a file").arg(file));
    const QString tooLarge =
        QStringLiteral("%1: the file is larger than 20 MB, more than any bank can hold").arg(file);
    if (info.size() > kMaxFileBytes)
        return failure(tooLarge);
    QFile in(file);
    if (!in.open(QIODevice::ReadOnly))
        return failure(QStringLiteral("%1: %2").arg(file, in.errorString()));
    QByteArray bytes = in.read(kMaxFileBytes + 1);
    if (in.error() != QFileDevice::NoError)
        return failure(QStringLiteral("%1: %2").arg(file, in.errorString()));
    if (bytes.size() > kMaxFileBytes)
        return failure(tooLarge);
    // Spreadsheets also save "Unicode text": UTF-16 with its byte-order
    // mark, read as the same text in UTF-8.
    if (bytes.startsWith("\xFF\xFE") || bytes.startsWith("\xFE\xFF")) {
        QStringDecoder utf16(QStringDecoder::Utf16);
        const QString text = utf16.decode(bytes);
        if (!utf16.hasError())
            bytes = QByteArrayLiteral("\xEF\xBB\xBF") + text.toUtf8();
    }
    if (looksBinary(bytes))
        return failure(
            QStringLiteral("%1: the file holds binary data, not text of questions").arg(file));

    Result<ImportedFile> found = ImportFormat::read(ImportFormat::detect(file, bytes), bytes);
    if (!found)
        return failure(QStringLiteral("%1: %2").arg(file, found.error().description()));
    BankImport result;
    result.m_found = std::move(*found);
    BankBuilder::Built built = BankBuilder::build(result.m_found.questions);
    result.m_banks = std::move(built.banks);
    result.m_skipped = result.m_found.skipped;
    result.m_skipped.insert(result.m_skipped.end(), built.skipped.begin(), built.skipped.end());
    std::stable_sort(result.m_skipped.begin(), result.m_skipped.end(),
                     [](const SkippedItem &a, const SkippedItem &b) { return a.line < b.line; });
    if (result.m_banks.empty())
        return failure(
            QStringLiteral("%1: no usable question in the file").arg(file) +
            (result.m_skipped.empty() ? QString() : QLatin1Char('\n') + result.skippedText()));
    return result;
}

QByteArray BankImport::fileBytes(const QStringList &lines)
{
    QString text;
    for (const QString &line : lines)
        text += line + QStringLiteral("\r\n");
    return text.toUtf8();
}

int BankImport::questionCount() const
{
    int n = 0;
    for (const BuiltBank &b : m_banks)
        n += b.questionCount;
    return n;
}

QString BankImport::skippedText() const
{
    QString out;
    for (const SkippedItem &s : m_skipped)
        out += (s.line > 0 ? QStringLiteral("  line %1: ").arg(s.line) : QStringLiteral("  ")) +
               s.reason + QLatin1Char('\n');
    return out;
}

QString BankImport::summary() const
{
    const int n = questionCount();
    QString out = QStringLiteral("%1 %2 imported").arg(n).arg(n == 1 ? "question" : "questions");
    if (!m_skipped.empty())
        out += QStringLiteral(", %1 skipped:\n").arg(m_skipped.size()) + skippedText();
    else
        out += QStringLiteral(".\n");
    if (m_found.imagesDropped > 0)
        out += QStringLiteral("%1 %2 left out of the texts.\n")
                   .arg(m_found.imagesDropped)
                   .arg(m_found.imagesDropped == 1 ? "picture" : "pictures");
    const int max = QuestionBank::MaxLines;
    if (m_banks.size() == 1) {
        out += QStringLiteral("%1 of %2 lines used.\n").arg(m_banks.front().aLines.size()).arg(max);
        return out;
    }
    out += QStringLiteral("A bank holds at most %1 lines, so the questions make %2 banks:\n")
               .arg(max)
               .arg(m_banks.size());
    for (const BuiltBank &b : m_banks)
        out += QStringLiteral("  %1: %2 questions, %3 of %4 lines\n")
                   .arg(b.name)
                   .arg(b.questionCount)
                   .arg(b.aLines.size())
                   .arg(max);
    return out;
}

QStringList BankImport::folders(const QString &target) const
{
    const QString clean = QDir::cleanPath(target);
    if (m_banks.size() == 1)
        return {clean};
    QStringList out;
    for (const BuiltBank &b : m_banks)
        out << clean + QStringLiteral(" - ") + folderName(b.name);
    return out;
}

bool BankImport::holdsBank(const QString &folder)
{
    const QDir dir(folder);
    return QFileInfo::exists(dir.filePath(BankCheck::textsFile())) ||
           QFileInfo::exists(dir.filePath(BankCheck::entriesFile()));
}

Result<QStringList> BankImport::write(const QString &target) const
{
    const QStringList paths = folders(target);
    QStringList created;
    for (qsizetype k = 0; k < paths.size(); ++k) {
        const QString missing = firstMissing(paths[k]);
        if (!missing.isEmpty())
            created << missing;
        if (Result<> written = writeBank(paths[k], m_banks[std::size_t(k)]); !written) {
            // Nothing half done stays behind: the folders made here go.
            for (const QString &folder : std::as_const(created))
                QDir(folder).removeRecursively();
            return failure(written.error());
        }
    }
    return paths;
}
