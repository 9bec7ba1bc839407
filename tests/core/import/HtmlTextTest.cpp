// HTML question texts made plain for a bank line.
#include "core/import/HtmlText.h"
#include "support/CaseName.h"
#include "support/QtPrinters.h"

#include <gtest/gtest.h>

namespace {

struct HtmlCase {
    const char *name;
    QString html;
    QString plain;
    int images = 0;
};
class HtmlToPlain : public ::testing::TestWithParam<HtmlCase> {};

TEST_P(HtmlToPlain, GivesTheWordsAndCountsPictures)
{
    int images = 0;
    EXPECT_EQ(HtmlText::toPlain(GetParam().html, &images), GetParam().plain);
    EXPECT_EQ(images, GetParam().images);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, HtmlToPlain,
    ::testing::Values(
        HtmlCase{"tags", "<p dir=\"ltr\" style=\"a>b\"><b>Bold</b> and <i>it</i></p>",
                 "Bold and it"},
        HtmlCase{"breaks_part_words", "one<br>two<br/>three</p><p>four<li>five",
                 "one two three "
                 "four five"},
        HtmlCase{"white_space", "  a\r\n\t b&nbsp;&#160;c  ", "a b c"},
        HtmlCase{"named_entities", "&lt;a&gt; &amp; &quot;b&quot; &apos;c&apos; &eacute;&euro;",
                 "<a> & \"b\" 'c' é€"},
        HtmlCase{"numeric_entities", "&#65;&#x42;&#X43; &#128512;", "ABC 😀"},
        HtmlCase{"bad_numbers", "&#0;x&#xD800;y&#1114112;z&#1;", "\uFFFDx\uFFFDy\uFFFDz"},
        HtmlCase{"not_entities", "AT&T &unknown; &#xZZ; a & b &toolongtobeanentity;",
                 "AT&T &unknown; &#xZZ; a & b &toolongtobeanentity;"},
        HtmlCase{"pictures", "<p>Leaf <img src=\"a.png\" alt=\"x > y\"> and <IMG src=b></p>",
                 "Leaf and", 2},
        HtmlCase{"comparisons_stay", "1 < 2 and a<b", "1 < 2 and a<b"},
        HtmlCase{"open_quote", "a<span title=\"x>b", "ab"},
        HtmlCase{"open_quote_far", "a<i title=\"x>" + QString(300, 'b') + "\">",
                 "a" + QString(300, 'b') + "\">"},
        HtmlCase{"comment", "a<!-- <img> hidden -->b<!-- open", "ab"},
        HtmlCase{"code_dropped", "a<script>alert('<b>')</script>b<style>p{}</STYLE >c<script>x",
                 "abc"}),
    CaseName());

} // namespace
