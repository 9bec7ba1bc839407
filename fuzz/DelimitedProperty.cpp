#include "DelimitedProperty.h"

#include "core/import/BankBuilder.h"
#include "core/import/BankExport.h"
#include "core/import/BankImport.h"
#include "core/import/DelimitedReader.h"
#include "core/quiz/BankCheck.h"
#include "core/quiz/BankLoader.h"

namespace {

QString checkBanks(const ImportedFile &file)
{
    const BankBuilder::Built built = BankBuilder::build(file.questions);
    std::size_t asked = 0;
    for (const BuiltBank &b : built.banks) {
        if (b.aLines.size() > QuestionBank::MaxLines || b.aLines.size() != b.adLines.size())
            return QStringLiteral("a bank of %1 texts and %2 entries")
                .arg(b.aLines.size())
                .arg(b.adLines.size());
        const BankCheck c = BankCheck::ofContents(BankImport::fileBytes(b.aLines),
                                                  BankImport::fileBytes(b.adLines));
        if (!c.findings().empty())
            return QStringLiteral("the bank check finds ") + c.findings().front().text();
        asked += std::size_t(b.questionCount);
    }
    if (asked + built.skipped.size() != file.questions.size())
        return QStringLiteral("%1 questions read, %2 asked and %3 skipped")
            .arg(file.questions.size())
            .arg(asked)
            .arg(built.skipped.size());
    return QString();
}

// Bytes as a stream of choices; zeros once they run out.
class Choices {
  public:
    explicit Choices(const QByteArray &bytes) : m_bytes(bytes) {}
    int next(int n) { return m_at < m_bytes.size() ? std::uint8_t(m_bytes[m_at++]) % n : 0; }

  private:
    QByteArray m_bytes;
    qsizetype m_at = 0;
};

// A text made to trouble a spreadsheet file: quotes, separators, formula
// starts, apostrophes, "|" and letters beyond ASCII.
QString text(Choices &c)
{
    static const QString alphabet = QStringLiteral("ab \",;'=+-@|\u00e9\u20ac\u00df#");
    QString t;
    for (int n = 1 + c.next(6); n > 0; --n)
        t += alphabet[c.next(int(alphabet.size()))];
    return t.trimmed().isEmpty() ? t + QLatin1Char('x') : t;
}

QString describe(const std::vector<ImportedQuestion> &questions)
{
    QString out;
    for (const ImportedQuestion &q : questions)
        out += QStringLiteral("%1|%2|%3|%4\n")
                   .arg(q.subject, q.right, q.wrong.join(QLatin1Char('|')))
                   .arg(q.wording);
    return out;
}

QString checkRoundTrip(const QByteArray &input)
{
    Choices c(input);
    static const int wordings[] = {0, 1, 2, 3, 4, 5, 6, 7, 8, 10};
    std::vector<ImportedQuestion> questions(std::size_t(2 + c.next(20)));
    for (std::size_t j = 0; j < questions.size(); ++j) {
        ImportedQuestion &q = questions[j];
        q.subject = text(c) + QString::number(j);
        q.wording = wordings[c.next(10)];
        QStringList answers;
        while (answers.size() < 6) {
            const QString t = text(c) + QString::number(answers.size());
            if (!answers.contains(t))
                answers << t;
        }
        q.right = answers.takeFirst();
        q.wrong = answers;
    }
    const BankBuilder::Built built = BankBuilder::build(questions);
    if (built.banks.size() != 1)
        return QStringLiteral("the generated questions make no single bank");
    const BuiltBank &b = built.banks.front();
    const Wordings w = standardWordings();
    const QByteArray first = BankExport::csv(BankLoader::buildBank(b.aLines, b.adLines, w));
    const Result<ImportedFile> read = DelimitedReader::read(first);
    if (!read)
        return QStringLiteral("the export does not read back: ") + read.error().description();
    if (describe(read->questions) != describe(questions))
        return QStringLiteral("the export reads back as other questions:\n") +
               describe(read->questions);
    const BankBuilder::Built again = BankBuilder::build(read->questions);
    if (again.banks.size() != 1)
        return QStringLiteral("the export imports as %1 banks").arg(again.banks.size());
    const BuiltBank &b2 = again.banks.front();
    if (BankExport::csv(BankLoader::buildBank(b2.aLines, b2.adLines, w)) != first)
        return QStringLiteral("export, import and export give another file");
    return QString();
}

} // namespace

namespace DelimitedProperty {

QString check(const QByteArray &input)
{
    const Result<ImportedFile> read = DelimitedReader::read(input);
    if (read) {
        if (const QString failed = checkBanks(*read); !failed.isEmpty())
            return failed;
    } else if (read.error().description().isEmpty()) {
        return QStringLiteral("a failure without a description");
    }
    return checkRoundTrip(input);
}

} // namespace DelimitedProperty
