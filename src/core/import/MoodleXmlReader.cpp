#include "MoodleXmlReader.h"

#include "HtmlText.h"
#include "ReaderRules.h"

#include <QBuffer>
#include <QXmlStreamReader>

#include <cmath>

namespace MoodleXmlReader {

namespace {

// Thrown out of the nested reading when the document cannot be read on.
struct Refusal {
    QString description;
};

// A text as the file gives it, already plain: HTML and the platform's
// auto-format are markup, plain text and Markdown are taken as written.
struct Text {
    QString plain;
    int images = 0;
};

class QuizReader {
  public:
    // Read through a device: given the bytes themselves, the stream reader
    // would decode them all at once, a copy twice their size.
    explicit QuizReader(const QByteArray &bytes)
    {
        m_bytes.setData(bytes);
        m_bytes.open(QIODevice::ReadOnly);
        m_xml.setDevice(&m_bytes);
    }

    ImportedFile readQuiz()
    {
        if (!nextStart() || m_xml.name() != QLatin1String("quiz"))
            throw Refusal{QStringLiteral("The XML file is not a question export: it begins "
                                         "with <%1>, not <quiz>.")
                              .arg(m_xml.name().toString().left(40))};
        while (nextChild()) {
            if (m_xml.name() == QLatin1String("question"))
                readQuestion();
            else
                skipElement();
        }
        // Whatever follows the quiz must still be well-formed.
        while (!m_xml.atEnd())
            next();
        return std::move(m_file);
    }

  private:
    // The next token, refusing a document type declaration and anything
    // that is not well-formed.
    QXmlStreamReader::TokenType next()
    {
        const QXmlStreamReader::TokenType token = m_xml.readNext();
        if (token == QXmlStreamReader::DTD)
            throw Refusal{QStringLiteral("The XML file has a document type declaration (line "
                                         "%1); files with one are not read, since the entities "
                                         "it may declare can expand without limit.")
                              .arg(m_xml.lineNumber())};
        if (m_xml.hasError())
            throw Refusal{QStringLiteral("The XML file is not well-formed (line %1): %2")
                              .arg(m_xml.lineNumber())
                              .arg(m_xml.errorString())};
        return token;
    }

    // The first start element of the document.
    bool nextStart()
    {
        QXmlStreamReader::TokenType token = QXmlStreamReader::NoToken;
        do
            token = next();
        while (token != QXmlStreamReader::StartElement && !m_xml.atEnd());
        return token == QXmlStreamReader::StartElement;
    }

    // Moves to the next child element of the current one; false at its end.
    bool nextChild()
    {
        QXmlStreamReader::TokenType token = QXmlStreamReader::NoToken;
        do
            token = next();
        while (token != QXmlStreamReader::StartElement && token != QXmlStreamReader::EndElement &&
               !m_xml.atEnd());
        return token == QXmlStreamReader::StartElement;
    }

    // The character data of the current element and of all inside it, which
    // ends the element. Counted, not recursive: nesting has no depth limit.
    QString elementText(bool keep = true)
    {
        QString text;
        int depth = 1;
        while (depth > 0 && !m_xml.atEnd()) {
            const QXmlStreamReader::TokenType token = next();
            if (token == QXmlStreamReader::Characters && keep)
                text += m_xml.text();
            else if (token == QXmlStreamReader::StartElement)
                ++depth;
            else if (token == QXmlStreamReader::EndElement)
                --depth;
        }
        return text;
    }

    void skipElement() { elementText(false); }

    // The <text> child of the current element (questiontext, answer, ...),
    // made plain by the element's format; `answer` receives the text of a
    // nested <answer> (the definition of a matching pair).
    Text formattedText(QString *answer = nullptr)
    {
        const QString format = m_xml.attributes().value(QLatin1String("format")).toString();
        const bool markup = format.isEmpty() || format == QLatin1String("html") ||
                            format == QLatin1String("moodle_auto_format");
        QString raw;
        while (nextChild()) {
            if (m_xml.name() == QLatin1String("text"))
                raw = elementText();
            else if (answer && m_xml.name() == QLatin1String("answer"))
                *answer = formattedText().plain;
            else
                skipElement();
        }
        Text text;
        text.plain = markup ? HtmlText::toPlain(raw, &text.images) : raw.simplified();
        return text;
    }

    void readQuestion()
    {
        const int line = int(m_xml.lineNumber());
        const QString type = m_xml.attributes().value(QLatin1String("type")).toString();
        if (type == QLatin1String("category"))
            readCategory();
        else if (type == QLatin1String("multichoice"))
            readMultichoice(line);
        else if (type == QLatin1String("matching"))
            readMatching();
        else {
            skipElement();
            m_file.skipped.push_back({line, ReaderRules::skippedKind(type)});
        }
    }

    void readCategory()
    {
        while (nextChild()) {
            if (m_xml.name() == QLatin1String("category"))
                m_topic = ReaderRules::topicOfCategory(formattedText().plain);
            else
                skipElement();
        }
    }

    void readMultichoice(int line)
    {
        ImportedQuestion question;
        question.topic = m_topic;
        question.line = line;
        int images = 0;
        int rightCount = 0;
        bool single = true;
        while (nextChild()) {
            if (m_xml.name() == QLatin1String("questiontext")) {
                const Text stem = formattedText();
                question.subject = stem.plain;
                images += stem.images;
            } else if (m_xml.name() == QLatin1String("single")) {
                single = elementText().trimmed() != QLatin1String("false");
            } else if (m_xml.name() == QLatin1String("answer")) {
                bool numeric = false;
                const double fraction =
                    m_xml.attributes().value(QLatin1String("fraction")).toDouble(&numeric);
                const Text answer = formattedText();
                if (numeric && std::abs(fraction - 100.0) < 1e-6) {
                    ++rightCount;
                    question.right = answer.plain;
                    images += answer.images;
                } else if (!numeric || fraction <= 0) {
                    // A partly right answer is not wrong: it is left out.
                    question.wrong.append(answer.plain);
                    images += answer.images;
                }
            } else {
                skipElement();
            }
        }
        if (!single)
            m_file.skipped.push_back(
                {line, QStringLiteral("multiple choice question with several answers to pick")});
        else if (rightCount == 0)
            m_file.skipped.push_back(
                {line, QStringLiteral("multiple choice question without a fully right answer")});
        else if (rightCount > 1)
            m_file.skipped.push_back(
                {line, QStringLiteral("multiple choice question with more than one right answer")});
        else
            ReaderRules::addQuestion(m_file, std::move(question), images);
    }

    void readMatching()
    {
        const int line = int(m_xml.lineNumber());
        const std::size_t before = m_file.questions.size();
        while (nextChild()) {
            if (m_xml.name() != QLatin1String("subquestion")) {
                skipElement();
                continue;
            }
            ImportedQuestion pair;
            pair.topic = m_topic;
            pair.line = int(m_xml.lineNumber());
            const Text term = formattedText(&pair.right);
            pair.subject = term.plain;
            // A subquestion without text only adds a wrong definition to
            // pick from on the platform; the bank chooses its own.
            if (!pair.subject.isEmpty())
                ReaderRules::addQuestion(m_file, std::move(pair), term.images);
        }
        if (m_file.questions.size() == before)
            m_file.skipped.push_back({line, QStringLiteral("matching question without pairs")});
    }

    QBuffer m_bytes;
    QXmlStreamReader m_xml;
    ImportedFile m_file;
    QString m_topic;
};

} // namespace

Result<ImportedFile> read(const QByteArray &bytes)
{
    try {
        QuizReader reader(bytes);
        return reader.readQuiz();
    } catch (const Refusal &refusal) {
        return failure(refusal.description);
    }
}

} // namespace MoodleXmlReader
