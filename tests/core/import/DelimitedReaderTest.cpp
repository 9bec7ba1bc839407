#include "core/import/DelimitedReader.h"
#include "support/CaseName.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

namespace {

// Each question as "subject > right [wrong, ...] #wording @topic", each
// skipped row as "line N: reason", or the failure.
QString described(const QByteArray &bytes)
{
    const Result<ImportedFile> read = DelimitedReader::read(bytes);
    if (!read)
        return QStringLiteral("failure: ") + read.error().description();
    QStringList out;
    for (const ImportedQuestion &q : read->questions)
        out << QStringLiteral("%1: %2 > %3 [%4] #%5 @%6")
                   .arg(q.line)
                   .arg(q.subject, q.right, q.wrong.join(QStringLiteral(", ")))
                   .arg(q.wording)
                   .arg(q.topic);
    for (const SkippedItem &s : read->skipped)
        out << QStringLiteral("line %1: %2").arg(s.line).arg(s.reason);
    return out.join(QLatin1Char('\n'));
}

struct ReadCase {
    const char *name;
    QByteArray bytes; // or the sample file of tests/data/import named by file
    const char *file;
    const char *expected;
};
class DelimitedRead : public ::testing::TestWithParam<ReadCase> {};

TEST_P(DelimitedRead, GivesTheQuestionsOfTheFile)
{
    const ReadCase &c = GetParam();
    const QByteArray bytes = c.file ? testData(QStringLiteral("import/") + c.file) : c.bytes;
    EXPECT_EQ(described(bytes).toStdString(), c.expected);
}

const ReadCase kReadCases[] = {
    {"libreoffice_comma_header_wording_topic",
     {},
     "libreoffice.csv",
     "2: Photosynthesis > The making of sugar from light, water and carbon dioxide [] #4 @Plants\n"
     "3: Chlorophyll > The green pigment of leaves [] #4 @Plants\n"
     "4: Stomata > Pores of a leaf, which let gases in and out [] #4 @Plants\n"
     "5: Xylem > The tissue that carries water up a plant [] #4 @Plants\n"
     "6: Phloem > The tissue that carries sugars [] #4 @Plants\n"
     "7: Transpiration > The loss of water vapour from leaves [] #4 @Plants\n"
     "8: Osmosis > The movement of water across a membrane, from dilute to concentrated [] #4 "
     "@Cells\n"
     "9: Mitosis > The division of a cell into two like it [] #4 @Cells"},
    {"excel_semicolons_bom_quotes_line_break",
     {},
     "excel.csv",
     "2: Fern > Spores [Seeds, Bulbs, Tubers, Runners, Cones] #2 @\n"
     "3: Rose > Cuttings [Spores, Bulbs; corms, Runners, Cones, Stolons] #2 @\n"
     "4: Aloe \"vera\" > Burns [Colds, Fever, Cough, Headache, Sprains] #6 @\n"
     "5: Moss > Damp\r\nshade [Full sun, Dry sand, Chalk, Wind, Frost] #0 @"},
    {"excel_windows_1252",
     {},
     "excel-1252.csv",
     "2: Caf\u00e9 > Coffee house [Tea room, Bar, Inn, Pub, Diner] #0 @\n"
     "3: Na\u00efve > Innocent [Clever, Sly, Rude, Wise, Bold] #0 @"},
    {"anki_numbered_columns_deck_as_topic",
     {},
     "anki.txt",
     "7: Cactus > A plant of dry places [] #0 @Botany\n"
     "8: Ivy > A climbing evergreen [] #0 @Botany\n"
     "9: Moss > A small plant without roots [] #0 @Botany\n"
     "10: Fern > A plant with fronds and spores [] #0 @Botany\n"
     "11: Tulip > A spring bulb [] #0 @Botany\n"
     "12: Oak > A tree with acorns [] #0 @Botany"},
    {"quizlet_tab_pairs",
     {},
     "quizlet.txt",
     "1: Cactus > A plant of dry places [] #0 @\n2: Ivy > A climbing evergreen [] #0 @\n"
     "3: Moss > A small plant without roots [] #0 @\n"
     "4: Fern > A plant with fronds and spores [] #0 @\n5: Tulip > A spring bulb [] #0 @\n"
     "6: Oak > A tree with acorns [] #0 @\n7: Willow > A tree of river banks [] #0 @"},
    {"unbalanced_quote_names_line",
     {},
     "unbalanced.csv",
     "failure: line 2: a quoted field is never closed (a \" is missing)"},
    {"anki_separator_and_columns_lines",
     "#separator:semicolon\r\n#columns:wording;back;front\r\n3;b;a\r\n", nullptr,
     "3: a > b [] #3 @"},
    {"wording_as_text_or_out_of_range_or_nine",
     "term,definition,wording\nx,y,What Term means:\nz,w,11\nu,v,9\n", nullptr,
     "2: x > y [] #4 @\n4: u > v [] #9 @\nline 3: wording \"11\" is not a number from 1 to 10"},
    {"formula_guard_dropped_blanks_of_unquoted_trimmed",
     "\"'=1+1\",\"'-x\",\"'a\"\n  b  ,\" c \"\n", nullptr,
     "1: =1+1 > -x ['a] #0 @\n2: b >  c  [] #0 @"},
    {"blank_rows_ignored_rows_without_answer_reported", "a,b\n\n,,\nc,\n,d\n", nullptr,
     "1: a > b [] #0 @\nline 4: no right answer or definition\n"
     "line 5: no term or question in the first column"},
    {"unknown_column_names_are_the_two_sides",
     "#separator:|\n#columns:Vorderseite|R\u00fcckseite\n#notetype:Basic\na|b\n", nullptr,
     "4: a > b [] #0 @"},
    {"numbered_column_among_or_over_the_fields", "#deck column:2\na\tb\tc\n#\td\n", nullptr,
     "2: a > c [] #0 @b\nline 3: no right answer or definition"},
    {"numbered_first_row_is_no_header", "Term 1\tDefinition 1\nTerm 2\tDefinition 2\n", nullptr,
     "1: Term 1 > Definition 1 [] #0 @\n2: Term 2 > Definition 2 [] #0 @"},
    {"hash_question_is_no_setting", "#1: first?\tyes\n", nullptr, "1: #1: first? > yes [] #0 @"},
    {"wording_neither_number_nor_text", "a;b;c;d;e;f;g;soon\n", nullptr,
     "line 1: wording \"soon\" is not a number from 1 to 10"},
    {"text_after_closing_quote_kept_cr_line_ends", "\"a\"x\tb\r\"c\"\t\"d\"", nullptr,
     "1: ax > b [] #0 @\n2: c > d [] #0 @"},
};
INSTANTIATE_TEST_SUITE_P(Files, DelimitedRead, ::testing::ValuesIn(kReadCases), CaseName());

} // namespace
