// The XML question export read as a stream: the kinds it takes, the kinds
// it skips, and the documents it refuses before reading them.
#include "core/import/MoodleXmlReader.h"
#include "support/CaseName.h"
#include "support/QtPrinters.h"

#include <QElapsedTimer>
#include <QFile>

#include <gtest/gtest.h>

namespace {

QByteArray sample(const char *name)
{
    QFile file(qEnvironmentVariable("ZELQUIZ_TEST_DATA_DIR") + "/import/moodle/" + name);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << name;
    return file.readAll();
}

TEST(MoodleXmlReader, TakesSingleAnswerChoicesAndPairsSkipsTheRest)
{
    const Result<ImportedFile> read = MoodleXmlReader::read(sample("quiz.xml"));
    ASSERT_TRUE(read.has_value()) << read.error().description().toStdString();
    QStringList questions;
    for (const ImportedQuestion &q : read->questions)
        questions << QString("%1: %2 | %3 | %4 | %5")
                         .arg(q.line)
                         .arg(q.subject, q.right, q.wrong.join(" / "), q.topic);
    EXPECT_EQ(questions,
              QStringList({"13: What is the answer to this question? | The correct answer | A "
                           "distractor / Another distractor | House plants",
                           // the partly right answer is left out, the copy of the right one too
                           "43: Which plant has this leaf? | Monstera & friends | Ficus | House "
                           "plants",
                           "94: M | Modular |  | Geography",
                           "100: OO | Object Oriented |  | Geography"}));
    QStringList skipped;
    for (const SkippedItem &s : read->skipped)
        skipped << QString("%1: %2").arg(s.line).arg(s.reason);
    EXPECT_EQ(skipped, QStringList({"66: multiple choice question with several answers to pick",
                                    "74: multiple choice question with more than one right answer",
                                    "115: true/false question", "122: short answer question",
                                    "128: essay question", "133: embedded answers question",
                                    "137: description", "144: matching question without pairs",
                                    "149: question without text", "155: right answer without text",
                                    "161: ddimageortext question",
                                    "164: multiple choice question without a fully right answer"}));
    EXPECT_EQ(read->imagesDropped, 1);
}

struct RefusalCase {
    const char *name;
    QByteArray xml;
    const char *says;
};
class MoodleXmlRefuses : public ::testing::TestWithParam<RefusalCase> {};

// Refused at once: the billion laughs would need gigabytes if expanded.
TEST_P(MoodleXmlRefuses, WithAClearFailure)
{
    QElapsedTimer clock;
    clock.start();
    const Result<ImportedFile> read = MoodleXmlReader::read(GetParam().xml);
    ASSERT_FALSE(read.has_value());
    EXPECT_EQ(read.error().description(), GetParam().says);
    EXPECT_LT(clock.elapsed(), 1000);
}

INSTANTIATE_TEST_SUITE_P(
    Documents, MoodleXmlRefuses,
    ::testing::Values(
        RefusalCase{"billion_laughs", sample("billion_laughs.xml"),
                    "The XML file has a document type declaration (line 13); files with one are "
                    "not read, since the entities it may declare can expand without limit."},
        RefusalCase{"external_dtd", "<!DOCTYPE quiz SYSTEM \"quiz.dtd\"><quiz/>",
                    "The XML file has a document type declaration (line 1); files with one are "
                    "not read, since the entities it may declare can expand without limit."},
        RefusalCase{"malformed", sample("malformed.xml"),
                    "The XML file is not well-formed (line 4): Opening and ending tag mismatch."},
        RefusalCase{"undeclared_entity", "<quiz><question>&lol;</question></quiz>",
                    "The XML file is not well-formed (line 1): Entity 'lol' not declared."},
        RefusalCase{"other_root", "<html><quiz/></html>",
                    "The XML file is not a question export: it begins with <html>, not <quiz>."},
        RefusalCase{"empty", "",
                    "The XML file is not well-formed (line 1): Premature end of document."},
        RefusalCase{"second_root", "<quiz></quiz>\n<quiz/>",
                    "The XML file is not well-formed (line 2): Extra content at end of "
                    "document."}),
    CaseName());

} // namespace
