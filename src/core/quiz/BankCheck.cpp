#include "BankCheck.h"

#include "BankLoader.h"
#include "QuestionBank.h"
#include "core/common/Error.h"
#include "core/common/ErrorReport.h"

#include <QDir>

#include <algorithm>
#include <array>
#include <climits>
#include <new>
#include <tuple>

namespace {

// The category that deliberately asks a question without any wording.
constexpr qlonglong kNoWordingCategory = 22;

QString answerName(int k)
{
    return k == 0 ? QStringLiteral("the right answer") : QStringLiteral("wrong answer %1").arg(k);
}

// "a", "a and b", "a, b and c".
QString joinNames(const QStringList &names)
{
    if (names.size() < 2)
        return names.join(QString());
    return names.mid(0, names.size() - 1).join(QStringLiteral(", ")) + QStringLiteral(" and ") +
           names.last();
}

// A bank text inside a one-line message: control characters would break
// the line, and a whole paragraph would drown the message.
QString quoted(const QString &text)
{
    constexpr qsizetype kMaxShown = 40;
    QString shown = text.left(kMaxShown);
    for (QChar &c : shown) {
        if (c.unicode() < 0x20 || c.unicode() == 0x7F)
            c = QLatin1Char(' ');
    }
    if (text.size() > kMaxShown)
        shown += QStringLiteral("...");
    return QLatin1Char('"') + shown + QLatin1Char('"');
}

// The start-up's message box text on one line: its lines are joined with
// CR or CR LF, which would split a FILE:LINE report.
QString startupMessage(const Error &error)
{
    QString text = ErrorReport::forFailure(error).text;
    text.replace(QStringLiteral("\r\n"), QStringLiteral(" "));
    text.replace(QLatin1Char('\r'), QLatin1Char(' '));
    text.replace(QLatin1Char('\n'), QLatin1Char(' '));
    return text;
}

QString counted(int n, const char *one, const char *many)
{
    return QString::number(n) + QLatin1Char(' ') + QLatin1String(n == 1 ? one : many);
}

} // namespace

QString BankCheck::Finding::text(const QString &folder) const
{
    QString out = folder.isEmpty() ? file : QDir(folder).filePath(file);
    if (line > 0)
        out += QLatin1Char(':') + QString::number(line);
    out += QStringLiteral(": ");
    if (kind == Kind::Warning)
        out += QStringLiteral("warning: ");
    return out + message;
}

int BankCheck::errors() const
{
    return int(std::count_if(m_findings.begin(), m_findings.end(),
                             [](const Finding &f) { return f.kind == Finding::Kind::Error; }));
}

int BankCheck::warnings() const
{
    return int(m_findings.size()) - errors();
}

QString BankCheck::summary() const
{
    return counted(m_entries, "entry", "entries") + QStringLiteral(", ") +
           QString::number(m_askable) + QStringLiteral(" askable, ") +
           counted(errors(), "error", "errors") + QStringLiteral(", ") +
           counted(warnings(), "warning", "warnings") +
           (wouldStart() ? QStringLiteral(": the program starts on this bank")
                         : QStringLiteral(": the program does not start on this bank"));
}

QString BankCheck::report(const QString &folder) const
{
    QString out;
    for (const Finding &f : m_findings)
        out += f.text(folder) + QLatin1Char('\n');
    return out + summary() + QLatin1Char('\n');
}

BankCheck::FileRead BankCheck::readFile(const QString &path)
{
    // Each file is read once, as far as the start-up would read it.
    try {
        return BankLoader::readFile(path);
    } catch (const std::bad_alloc &) {
        return {{}, ErrorNumber::OutOfMemory, 0};
    }
}

BankCheck::FileRead BankCheck::fromContents(const std::optional<QByteArray> &bytes)
{
    if (!bytes)
        return {{}, ErrorNumber::FileNotFound, 0};
    return BankLoader::linesOf(*bytes);
}

BankCheck BankCheck::ofFolder(const QString &folder)
{
    const QDir dir(folder);
    return check(readFile(dir.filePath(textsFile())), readFile(dir.filePath(entriesFile())));
}

BankCheck BankCheck::ofContents(const std::optional<QByteArray> &aFile,
                                const std::optional<QByteArray> &adFile)
{
    return check(fromContents(aFile), fromContents(adFile));
}

BankCheck BankCheck::check(const FileRead &a, const FileRead &ad)
{
    BankCheck result;
    result.checkFile(textsFile(), a);
    result.checkFile(entriesFile(), ad);
    for (int i = 0; i < int(a.lines.size()); ++i) {
        if (a.lines[i].size() > QuestionBank::MaxTextLength)
            result.addError(textsFile(), i + 1, Error(ErrorNumber::Overflow));
    }

    // A file that stopped at its line too many has already failed; its
    // first 600 lines still serve to check the entries against. One that
    // stopped at the byte limit is known only in part: its lines are
    // checked, but nothing is said of what it lacks.
    const auto whole = [](const FileRead &f) {
        return f.error == ErrorNumber::None || f.error == ErrorNumber::SubscriptOutOfRange;
    };
    const bool textsKnown = whole(a);
    const bool entriesKnown = whole(ad);
    const QStringList &texts = a.lines;
    const int aCount = int(texts.size());
    const QStringList &entries = ad.lines;
    result.m_entries = int(entries.size());
    if (a.error == ErrorNumber::None && ad.error == ErrorNumber::None)
        result.checkLineCounts(aCount, int(entries.size()));

    // The draw picks from the texts' line numbers; an entry line without a
    // text is never asked, a text without an entry line is asked bare.
    int askable = std::max(0, aCount - int(entries.size()));
    int brokenInRange = 0;
    for (int j = 1; j <= int(entries.size()); ++j) {
        const EntryStatus status = result.checkEntry(j, entries[j - 1], texts, textsKnown);
        if (j > aCount)
            continue;
        brokenInRange += status == EntryStatus::Broken ? 1 : 0;
        askable += status == EntryStatus::Asked ? 1 : 0;
    }
    result.m_askable = askable;

    // Counted as if every broken entry could be asked once fixed, so that
    // this is reported only when fixing the other errors will not help.
    if (textsKnown && entriesKnown && askable + brokenInRange < 2)
        result.addError(entriesFile(), 0, Error(ErrorNumber::TooFewQuestions));

    // In the order an author goes through the files: line by line, what
    // concerns a whole file after its lines, errors before warnings.
    const auto order = [](const Finding &f) {
        return std::tuple(f.file != textsFile(), f.line == 0 ? INT_MAX : f.line,
                          f.kind != Finding::Kind::Error);
    };
    std::stable_sort(result.m_findings.begin(), result.m_findings.end(),
                     [&](const Finding &x, const Finding &y) { return order(x) < order(y); });
    return result;
}

void BankCheck::checkFile(const QString &name, const FileRead &file)
{
    if (file.error != ErrorNumber::None)
        addError(name, file.errorLine, Error(file.error));
}

void BankCheck::checkLineCounts(int aCount, int adCount)
{
    const int first = std::min(aCount, adCount) + 1;
    const int last = std::max(aCount, adCount);
    const QString which =
        first == last ? QString::number(first) : QStringLiteral("%1 to %2").arg(first).arg(last);
    if (aCount > adCount) {
        addWarning(textsFile(), first,
                   QStringLiteral("A.zel has %1 lines but AD.zel only %2: %3 no entry line, so "
                                  "%4 asked without a wording and with six empty answers")
                       .arg(aCount)
                       .arg(adCount)
                       .arg(first == last ? QStringLiteral("text %1 has").arg(which)
                                          : QStringLiteral("texts %1 have").arg(which),
                            first == last ? QStringLiteral("it is") : QStringLiteral("they are")),
                   true);
    } else if (adCount > aCount) {
        addWarning(entriesFile(), first,
                   QStringLiteral("AD.zel has %1 lines but A.zel only %2: %3 never asked")
                       .arg(adCount)
                       .arg(aCount)
                       .arg(first == last ? QStringLiteral("entry %1 is").arg(which)
                                          : QStringLiteral("entries %1 are").arg(which)));
    }
}

BankCheck::EntryStatus BankCheck::checkEntry(int j, const QString &line, const QStringList &texts,
                                             bool textsKnown)
{
    const int textCount = int(texts.size());
    static const Wordings kWordings = standardWordings();
    // The loader itself judges the line, so that an error here is exactly
    // the one the start-up would stop at.
    BankEntry entry;
    try {
        Result<BankEntry> read = BankLoader::readEntry(line, kWordings);
        if (!read) {
            addError(entriesFile(), j, read.error());
            return EntryStatus::Broken;
        }
        entry = std::move(*read);
    } catch (const std::bad_alloc &) {
        addError(entriesFile(), j, Error(ErrorNumber::OutOfMemory));
        return EntryStatus::Broken;
    }
    // Skip entries are never asked, and neither is an entry without a text:
    // what they hold cannot be a visible mistake.
    if (entry.isSkip())
        return EntryStatus::Skip;
    if (textsKnown && j > textCount)
        return EntryStatus::Asked;

    if (entry.wording.isEmpty()) {
        // The entry was read, so its fields are there.
        const QString category = BankLoader::field(QLatin1Char('A'), line)->trimmed();
        if (category.isEmpty())
            addWarning(entriesFile(), j,
                       QStringLiteral("the category field is empty, so the question is asked "
                                      "without a wording"));
        else if (category.toLongLong() != kNoWordingCategory)
            addWarning(entriesFile(), j,
                       QStringLiteral("category %1 is unknown (1 to 10, or 22 for none), so the "
                                      "question is asked without a wording")
                           .arg(category));
    }

    // Without the texts every answer would look empty: nothing more to say.
    if (!textsKnown)
        return EntryStatus::Asked;
    for (int k = 0; k < 6; ++k) {
        const int n = entry.answerTexts[k];
        if (n > textCount)
            addWarning(entriesFile(), j,
                       QStringLiteral("%1 is text %2, above the last line of A.zel (%3), so it "
                                      "is empty")
                           .arg(answerName(k), QString::number(n), QString::number(textCount)),
                       true);
    }

    // Two buttons with the same caption: the player cannot tell the right
    // one from a wrong one.
    static const QString kNoText;
    const auto answer = [&](int k) -> const QString & {
        const int n = entry.answerTexts[k];
        return n >= 1 && n <= textCount ? texts[n - 1] : kNoText;
    };
    QStringList groups;
    std::array<bool, 6> grouped{};
    for (int k = 0; k < 6; ++k) {
        if (grouped[k])
            continue;
        // Named only once a second one is found: most entries have none.
        QStringList names;
        for (int m = k + 1; m < 6; ++m) {
            if (answer(m) == answer(k)) {
                grouped[m] = true;
                if (names.isEmpty())
                    names << answerName(k);
                names << answerName(m);
            }
        }
        if (names.isEmpty())
            continue;
        const QString what = answer(k).isEmpty()
                                 ? (names.size() == 2 ? QStringLiteral("are both empty")
                                                      : QStringLiteral("are all empty"))
                                 : QStringLiteral("are the same text ") + quoted(answer(k));
        groups << joinNames(names) + QLatin1Char(' ') + what;
    }
    if (!groups.isEmpty())
        addWarning(entriesFile(), j,
                   QStringLiteral("the six answers are not all different: ") +
                       groups.join(QStringLiteral("; ")));
    return EntryStatus::Asked;
}

void BankCheck::addError(const QString &file, int line, const Error &error)
{
    m_findings.push_back({Finding::Kind::Error, file, line, startupMessage(error)});
}

void BankCheck::addWarning(const QString &file, int line, const QString &message,
                           bool blanksAnswers)
{
    m_findings.push_back({Finding::Kind::Warning, file, line, message, blanksAnswers});
}
