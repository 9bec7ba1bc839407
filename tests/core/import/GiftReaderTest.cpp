// The GIFT reader against the reference parser's lists of the same
// samples (scripts/reference/gift), and on what the reference refuses.
#include "core/import/GiftReader.h"
#include "core/import/HtmlText.h"
#include "support/CaseName.h"
#include "support/QtPrinters.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>

#include <gtest/gtest.h>

namespace {

QString sample(const QString &name)
{
    QFile file(qEnvironmentVariable("ZELQUIZ_TEST_DATA_DIR") + "/import/gift/" + name);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << name.toStdString();
    return QString::fromUtf8(file.readAll());
}

// A reference text as the bank shows it. The blank of a missing word
// takes no space before punctuation here, unlike the reference.
QString plain(const QJsonValue &text, const QString &format)
{
    const QString raw = text.toString();
    QString out =
        format == "html" || format == "moodle" ? HtmlText::toPlain(raw) : raw.simplified();
    return out.replace(QRegularExpression("_____ ([.,;:!?])"), "_____\\1");
}

// What the reader should make of the reference's list: the questions, and
// the reasons of the entries it skips, in file order.
ImportedFile expectedFrom(const QJsonArray &entries)
{
    static const QHash<QString, QString> skippedTypes = {{"TF", "true/false question"},
                                                         {"Short", "short answer question"},
                                                         {"Numerical", "numerical question"},
                                                         {"Essay", "essay question"},
                                                         {"Description", "description"}};
    ImportedFile file;
    QString topic;
    for (const QJsonValue &value : entries) {
        const QJsonObject entry = value.toObject();
        const QString type = entry["type"].toString();
        const QString format = entry["stem"]["format"].toString();
        if (type == "Category") {
            topic = entry["title"].toString().section('/', -1);
        } else if (type == "Matching") {
            for (const QJsonValue &pair : entry["pairs"].toArray())
                file.questions.push_back({plain(pair["subquestion"], format),
                                          plain(pair["subanswer"], format),
                                          {},
                                          0,
                                          topic});
        } else if (type == "MC") {
            ImportedQuestion q{plain(entry["stem"]["text"], format), {}, {}, 0, topic};
            int rights = 0;
            for (const QJsonValue &choice : entry["choices"].toArray()) {
                const QJsonValue weight = choice["weight"];
                const QString text = plain(choice["text"], format);
                if (weight.toDouble() == 100 || (weight.isNull() && choice["isCorrect"].toBool()))
                    ++rights, q.right = text;
                else if (weight.toDouble() <= 0 && q.wrong.size() < 5)
                    q.wrong << text;
            }
            if (rights == 1)
                file.questions.push_back(q);
            else
                file.skipped.push_back({0, rights ? "multiple choice question with more than "
                                                    "one right answer"
                                                  : "multiple choice question without a fully "
                                                    "right answer"});
        } else {
            file.skipped.push_back({0, skippedTypes.value(type, type)});
        }
    }
    return file;
}

struct GiftSample {
    const char *name;
};
class GiftAgainstReference : public ::testing::TestWithParam<GiftSample> {};

TEST_P(GiftAgainstReference, SameQuestionsAndSkippedKinds)
{
    const QString name = GetParam().name;
    const auto json = QJsonDocument::fromJson(sample(name + ".expected.json").toUtf8());
    ASSERT_TRUE(json.isArray());
    const ImportedFile expected = expectedFrom(json.array());
    const Result<ImportedFile> read = GiftReader::read(sample(name + ".gift"));
    ASSERT_TRUE(read.has_value());
    ASSERT_EQ(read->questions.size(), expected.questions.size());
    for (std::size_t i = 0; i < expected.questions.size(); ++i) {
        const ImportedQuestion &a = read->questions[i], &e = expected.questions[i];
        EXPECT_EQ(a.subject, e.subject) << i;
        EXPECT_EQ(a.right, e.right) << i;
        EXPECT_EQ(a.wrong, e.wrong) << i;
        EXPECT_EQ(a.topic, e.topic) << i;
        EXPECT_EQ(a.wording, 0);
    }
    QStringList reasons, expectedReasons;
    for (const SkippedItem &s : read->skipped)
        reasons << s.reason;
    for (const SkippedItem &s : expected.skipped)
        expectedReasons << s.reason;
    EXPECT_EQ(reasons, expectedReasons);
}

INSTANTIATE_TEST_SUITE_P(Samples, GiftAgainstReference,
                         ::testing::Values(GiftSample{"categories"}, GiftSample{"escapes_formats"},
                                           GiftSample{"matching"}, GiftSample{"missing_word"},
                                           GiftSample{"multiple_choice"}, GiftSample{"other_types"},
                                           GiftSample{"readme_example"}),
                         CaseName());

// Lines count from 1 with comments and any line end; a pair has its own.
TEST(GiftReader, LinesPicturesAndLineEnds)
{
    const QString text = sample("other_types.gift") + "\n" + sample("matching.gift");
    for (const char *lineEnd : {"\n", "\r\n", "\r"}) {
        QString copy = text;
        const Result<ImportedFile> read =
            GiftReader::read(QChar(0xFEFF) + copy.replace("\n", lineEnd));
        ASSERT_TRUE(read.has_value());
        std::vector<int> lines;
        for (const ImportedQuestion &q : read->questions)
            lines.push_back(q.line);
        EXPECT_EQ(lines, (std::vector<int>{24, 28, 29, 30, 31, 34, 34, 34}));
        EXPECT_EQ(read->skipped.front().line, 2);
        EXPECT_EQ(read->skipped.back().line, 18);
    }
    const Result<ImportedFile> leaf = GiftReader::read(sample("escapes_formats.gift"));
    EXPECT_EQ(leaf->imagesDropped, 1);
}

// What the reference refuses as a whole file: each question skipped with
// its line and reason, the rest read.
TEST(GiftReader, SkipsEachSyntaxErrorWithItsLine)
{
    const Result<ImportedFile> read = GiftReader::read(sample("syntax_errors.gift"));
    ASSERT_TRUE(read.has_value());
    QStringList skipped;
    for (const SkippedItem &s : read->skipped)
        skipped << QString::number(s.line) + ": " + s.reason;
    EXPECT_EQ(skipped,
              QStringList({"3: syntax error: no closing }", "5: syntax error: } without {",
                           "7: syntax error: { inside the answers",
                           "9: syntax error: more than one pair of braces",
                           "11: syntax error: no closing :: after the title",
                           "13: syntax error: a weight is not a percentage",
                           "15: syntax error: matching answers must all be = a -> b",
                           "17: syntax error: an answer without = or ~",
                           "22: question without text", "24: matching question without pairs"}));
    ASSERT_EQ(read->questions.size(), 2u);
    EXPECT_EQ(read->questions[0].line, 19);
    EXPECT_EQ(read->questions[1].subject, "Which is a tree?");
    EXPECT_EQ(read->questions[1].wrong, QStringList({"rose", "tulip"}));
}

} // namespace
