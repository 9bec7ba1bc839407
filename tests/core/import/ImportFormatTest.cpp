#include "core/import/ImportFormat.h"
#include "support/CaseName.h"

#include <gtest/gtest.h>

namespace {

struct FormatCase {
    const char *name;
    const char *file;
    QByteArray bytes;
    ImportFormat::Kind kind;
};
class ImportFormatDetect : public ::testing::TestWithParam<FormatCase> {};

TEST_P(ImportFormatDetect, SendsTheFileToItsReader)
{
    EXPECT_EQ(ImportFormat::detect(GetParam().file, GetParam().bytes), GetParam().kind);
}

using K = ImportFormat::Kind;
const FormatCase kFormatCases[] = {
    {"xml_by_name", "q.XML", "a,b", K::MoodleXml},
    {"xml_declaration_after_bom", "q.txt", "\xEF\xBB\xBF <?xml version=\"1.0\"?><quiz/>",
     K::MoodleXml},
    {"quiz_element", "q", "<quiz></quiz>", K::MoodleXml},
    {"gift_by_name", "q.gift", "a,b", K::Gift},
    {"gift_title", "q.txt", "// c\r\n::Q1:: What? {=a ~b}", K::Gift},
    {"gift_answers", "q.txt", "What? {=a ~b}", K::Gift},
    {"csv_by_name_with_braces", "q.csv", "What? {=a ~b}", K::Delimited},
    {"tabs_with_braces", "q.txt", "a\t{=b ~c}", K::Delimited},
    {"plain_pairs", "q.txt", "a;b\nc;d", K::Delimited},
};
INSTANTIATE_TEST_SUITE_P(Files, ImportFormatDetect, ::testing::ValuesIn(kFormatCases), CaseName());

} // namespace
