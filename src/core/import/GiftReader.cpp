#include "GiftReader.h"

#include "HtmlText.h"
#include "ReaderRules.h"

#include <optional>

namespace GiftReader {

namespace {

// A question's reason to be skipped, thrown from deep in its parse.
struct Skip {
    QString reason;
};

Skip syntaxError(const QString &what)
{
    return Skip{QStringLiteral("syntax error: ") + what};
}

enum class Format { Markup, Plain };

// The characters a backslash makes literal.
bool isEscapable(QChar c)
{
    return QStringView(u"~=#{}:\\").contains(c);
}

// Where `what` first occurs in text[from, to) outside an escape, or -1.
qsizetype findUnescaped(QStringView text, QStringView what, qsizetype from, qsizetype to)
{
    for (qsizetype i = from; i < to; ++i) {
        if (text[i] == QLatin1Char('\\')) {
            ++i;
            continue;
        }
        if (i + what.size() <= to && text.mid(i, what.size()) == what)
            return i;
    }
    return -1;
}

// A text of the file as the bank shows it: escapes resolved, markup made
// plain for the formats that carry it, white space collapsed.
QString plainText(QStringView raw, Format format, int *images)
{
    QString text;
    text.reserve(raw.size());
    for (qsizetype i = 0; i < raw.size(); ++i) {
        const QChar c = raw[i];
        const QChar next = i + 1 < raw.size() ? raw[i + 1] : QChar();
        if (c == QLatin1Char('\\') && isEscapable(next)) {
            text += next;
            ++i;
        } else if (c == QLatin1Char('\\') && next == QLatin1Char('n')) {
            text += QLatin1Char(' ');
            ++i;
        } else {
            text += c;
        }
    }
    return format == Format::Markup ? HtmlText::toPlain(text, images) : text.simplified();
}

// Past a format marker at `at`, if there is one, taking its format.
qsizetype skipFormatMarker(QStringView text, qsizetype at, Format *format)
{
    for (const auto &[marker, markerFormat] :
         {std::pair{QLatin1String("[html]"), Format::Markup},
          std::pair{QLatin1String("[moodle]"), Format::Markup},
          std::pair{QLatin1String("[plain]"), Format::Plain},
          std::pair{QLatin1String("[markdown]"), Format::Plain}}) {
        if (text.mid(at, marker.size()) == marker) {
            *format = markerFormat;
            return at + marker.size();
        }
    }
    return at;
}

// One answer between the braces: its mark, its text with the weight and the
// feedback taken off, and where it starts in the question.
struct Answer {
    QChar mark;
    std::optional<double> weight;
    QStringView text;
    qsizetype at = 0;
    Format format = Format::Markup;
};

Answer parseAnswer(QStringView block, qsizetype at, qsizetype end, Format format)
{
    Answer answer{block[at], std::nullopt, {}, at, format};
    qsizetype start = at + 1;
    while (start < end && block[start].isSpace())
        ++start;
    if (start < end && block[start] == QLatin1Char('%')) {
        const qsizetype close = block.indexOf(QLatin1Char('%'), start + 1);
        bool number = false;
        const double weight = close < 0 || close >= end
                                  ? 0
                                  : block.mid(start + 1, close - start - 1).toDouble(&number);
        if (!number || weight < -100 || weight > 100)
            throw syntaxError(QStringLiteral("a weight is not a percentage"));
        answer.weight = weight;
        start = close + 1;
    }
    start = skipFormatMarker(block, start, &answer.format);
    const qsizetype feedback = findUnescaped(block, u"#", start, end);
    answer.text = block.mid(start, (feedback < 0 ? end : feedback) - start);
    return answer;
}

class BlockReader {
  public:
    BlockReader(ImportedFile &file, const QString &block, int line, const QString &topic)
        : m_file(file), m_block(block), m_line(line), m_topic(topic)
    {
    }

    void read()
    {
        qsizetype at = skipSpace(0);
        if (QStringView(m_block).mid(at, 2) == QLatin1String("::")) {
            const qsizetype close = findUnescaped(m_block, u"::", at + 2, m_block.size());
            if (close < 0)
                throw syntaxError(QStringLiteral("no closing :: after the title"));
            at = skipSpace(close + 2);
        }
        at = skipFormatMarker(m_block, at, &m_format);
        const qsizetype size = m_block.size();
        const qsizetype open = findUnescaped(m_block, u"{", at, size);
        const qsizetype strayClose = findUnescaped(m_block, u"}", at, open < 0 ? size : open);
        if (strayClose >= 0)
            throw syntaxError(QStringLiteral("} without {"));
        if (open < 0)
            throw Skip{ReaderRules::skippedKind(QStringLiteral("description"))};
        const qsizetype close = findUnescaped(m_block, u"}", open + 1, size);
        const qsizetype inner = findUnescaped(m_block, u"{", open + 1, close < 0 ? size : close);
        if (inner >= 0)
            throw syntaxError(QStringLiteral("{ inside the answers"));
        if (close < 0)
            throw syntaxError(QStringLiteral("no closing }"));
        if (findUnescaped(m_block, u"{", close + 1, size) >= 0 ||
            findUnescaped(m_block, u"}", close + 1, size) >= 0)
            throw syntaxError(QStringLiteral("more than one pair of braces"));

        m_subject =
            stem(QStringView(m_block).mid(at, open - at), QStringView(m_block).mid(close + 1));
        readAnswers(open + 1, close);
    }

  private:
    qsizetype skipSpace(qsizetype at) const
    {
        while (at < m_block.size() && m_block[at].isSpace())
            ++at;
        return at;
    }

    // The text around the braces; braces inside a sentence leave a blank.
    QString stem(QStringView before, QStringView after)
    {
        const QString head = plainText(before, m_format, &m_images);
        const QString tail = plainText(after, m_format, &m_images);
        if (tail.isEmpty())
            return head;
        const QString blank = QStringLiteral("_____");
        const bool punctuation = QStringView(u".,;:!?)").contains(tail[0]);
        return (head.isEmpty() ? QString() : head + QLatin1Char(' ')) + blank +
               (punctuation ? QString() : QStringLiteral(" ")) + tail;
    }

    // Asked in order, so counted on from the last answer.
    int lineOf(qsizetype at)
    {
        m_lineAt += int(QStringView(m_block).mid(m_countedTo, at - m_countedTo).count(u'\n'));
        m_countedTo = at;
        return m_line + m_lineAt;
    }

    void readAnswers(qsizetype from, qsizetype to)
    {
        const qsizetype general = findUnescaped(m_block, u"####", from, to);
        const qsizetype end = general < 0 ? to : general;
        const QStringView content = QStringView(m_block).mid(from, end - from).trimmed();
        if (content.isEmpty())
            throw Skip{ReaderRules::skippedKind(QStringLiteral("essay"))};
        if (content.startsWith(QLatin1Char('#')))
            throw Skip{ReaderRules::skippedKind(QStringLiteral("numerical"))};
        const qsizetype hash = findUnescaped(content, u"#", 0, content.size());
        const QStringView truth = content.left(hash < 0 ? content.size() : hash).trimmed();
        for (const char *word : {"T", "F", "TRUE", "FALSE"})
            if (truth == QLatin1String(word))
                throw Skip{ReaderRules::skippedKind(QStringLiteral("truefalse"))};

        // Each answer runs from its = or ~ to the next, found in one pass.
        std::vector<qsizetype> marks;
        for (qsizetype i = from; i < end; ++i) {
            if (m_block[i] == QLatin1Char('\\'))
                ++i;
            else if (m_block[i] == QLatin1Char('=') || m_block[i] == QLatin1Char('~'))
                marks.push_back(i);
        }
        const qsizetype first = marks.empty() ? end : marks.front();
        if (marks.empty() || !QStringView(m_block).mid(from, first - from).trimmed().isEmpty())
            throw syntaxError(QStringLiteral("an answer without = or ~"));
        std::vector<Answer> answers;
        for (std::size_t k = 0; k < marks.size(); ++k)
            answers.push_back(parseAnswer(m_block, marks[k],
                                          k + 1 < marks.size() ? marks[k + 1] : end, m_format));

        const auto isPair = [](const Answer &a) { return a.text.contains(u"->"); };
        const auto pairs = std::count_if(answers.begin(), answers.end(), isPair);
        if (pairs > 0)
            return readPairs(answers, pairs);
        if (std::none_of(answers.begin(), answers.end(),
                         [](const Answer &a) { return a.mark == QLatin1Char('~'); }))
            throw Skip{ReaderRules::skippedKind(QStringLiteral("shortanswer"))};
        readChoices(answers);
    }

    void readPairs(const std::vector<Answer> &answers, qsizetype pairs)
    {
        if (pairs != qsizetype(answers.size()) ||
            std::any_of(answers.begin(), answers.end(),
                        [](const Answer &a) { return a.mark != QLatin1Char('='); }))
            throw syntaxError(QStringLiteral("matching answers must all be = a -> b"));
        const std::size_t before = m_file.questions.size();
        for (const Answer &answer : answers) {
            const qsizetype arrow = answer.text.indexOf(u"->");
            int images = 0;
            ImportedQuestion pair;
            pair.subject = plainText(answer.text.left(arrow), answer.format, &images);
            pair.right = plainText(answer.text.mid(arrow + 2), answer.format, &images);
            pair.topic = m_topic;
            pair.line = lineOf(answer.at);
            // A pair without a term only offers one more definition to pick.
            if (!pair.subject.isEmpty())
                ReaderRules::addQuestion(m_file, std::move(pair), images);
        }
        if (m_file.questions.size() == before)
            throw Skip{QStringLiteral("matching question without pairs")};
    }

    void readChoices(const std::vector<Answer> &answers)
    {
        ImportedQuestion question;
        question.subject = m_subject;
        question.topic = m_topic;
        question.line = m_line;
        int rightCount = 0;
        for (const Answer &answer : answers) {
            const bool right =
                answer.weight ? *answer.weight == 100 : answer.mark == QLatin1Char('=');
            const QString text = plainText(answer.text, answer.format, &m_images);
            if (right) {
                ++rightCount;
                question.right = text;
            } else if (!answer.weight || *answer.weight <= 0) {
                // A partly right answer is not wrong: it is left out.
                question.wrong.append(text);
            }
        }
        if (rightCount == 0)
            throw Skip{QStringLiteral("multiple choice question without a fully right answer")};
        if (rightCount > 1)
            throw Skip{QStringLiteral("multiple choice question with more than one right answer")};
        ReaderRules::addQuestion(m_file, std::move(question), m_images);
    }

    ImportedFile &m_file;
    const QString &m_block;
    const int m_line;
    const QString &m_topic;
    Format m_format = Format::Markup;
    QString m_subject;
    int m_images = 0;
    qsizetype m_countedTo = 0;
    int m_lineAt = 0;
};

constexpr QLatin1String categoryMark("$CATEGORY:");

} // namespace

Result<ImportedFile> read(const QString &text)
{
    QString normalized = text;
    if (normalized.startsWith(QChar(0xFEFF)))
        normalized.remove(0, 1);
    normalized.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    normalized.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    const QStringList lines = normalized.split(QLatin1Char('\n'));

    ImportedFile file;
    QString topic;
    QString block;
    int blockLine = 0;
    const auto readBlock = [&] {
        if (blockLine == 0)
            return;
        try {
            BlockReader(file, block, blockLine, topic).read();
        } catch (const Skip &skip) {
            file.skipped.push_back({blockLine, skip.reason});
        }
        block.clear();
        blockLine = 0;
    };
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QString trimmed = lines[i].trimmed();
        if (trimmed.isEmpty()) {
            readBlock();
        } else if (trimmed.startsWith(QLatin1String("//"))) {
            // A comment keeps its place, so that lines count as in the file.
            if (blockLine != 0)
                block += QLatin1Char('\n');
        } else if (blockLine == 0 && trimmed.startsWith(categoryMark)) {
            topic = ReaderRules::topicOfCategory(trimmed.mid(categoryMark.size()));
        } else {
            if (blockLine == 0)
                blockLine = int(i) + 1;
            else
                block += QLatin1Char('\n');
            block += lines[i];
        }
    }
    readBlock();
    return file;
}

} // namespace GiftReader
