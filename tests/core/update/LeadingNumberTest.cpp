#include "core/update/LeadingNumber.h"
#include "core/common/Error.h"
#include "core/update/VersionCheck.h"
#include "support/CaseName.h"
#include "support/QtPrinters.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <clocale>
#include <optional>

namespace {

#ifdef Q_OS_WIN
const char *const kGerman = "German_Germany.1252";
#else
const char *const kGerman = "de_DE.UTF-8";
#endif

struct NumberCase {
    const char *name;
    QString text;
    std::optional<double> value; // nullopt: the reading fails with an overflow
    bool begins;                 // whether the text begins with a number that fits
};

// The conversion must not follow the user's regional settings: every case
// runs under a German locale, whose decimal separator is a comma, both for
// the C library and for Qt. A machine without the German locale gets one
// built beside the test program, once for every case and run; it is built
// aside and moved in whole, so cases running at once never see half of it.
class LeadingNumber : public ::testing::TestWithParam<NumberCase> {
  protected:
    void SetUp() override
    {
        if (!std::setlocale(LC_ALL, kGerman)) {
            const QString folder = QCoreApplication::applicationDirPath() + "/locale";
            if (!QFileInfo::exists(folder)) {
                const QTemporaryDir build(folder + "-XXXXXX");
                if (QProcess::execute("localedef",
                                      {"-i", "de_DE", "-f", "UTF-8", build.filePath(kGerman)}) == 0)
                    QDir().rename(build.path(), folder);
            }
            qputenv("LOCPATH", folder.toLocal8Bit());
        }
        EXPECT_TRUE(std::setlocale(LC_ALL, kGerman) && *std::localeconv()->decimal_point == ',')
            << "no German locale: only Qt's default locale is German";
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    }
    void TearDown() override
    {
        std::setlocale(LC_ALL, m_oldLocale.c_str());
        QLocale::setDefault(QLocale::c());
        qunsetenv("LOCPATH");
    }
    const std::string m_oldLocale = std::setlocale(LC_ALL, nullptr);
};

TEST_P(LeadingNumber, ReadsTheNumberAtTheStartWhateverTheLocale)
{
    const NumberCase &c = GetParam();
    std::optional<double> value;
    try {
        value = leadingNumber(c.text);
    } catch (const Error &e) {
        EXPECT_EQ(e.number(), ErrorNumber::Overflow);
    }
    EXPECT_EQ(value.has_value(), c.value.has_value());
    EXPECT_DOUBLE_EQ(value.value_or(0), c.value.value_or(0));
    EXPECT_EQ(beginsWithNumber(c.text), c.begins);
}

// A CR ends the number, a comma is no decimal separator, blanks, tabs and
// LFs are skipped anywhere, an exponent needs digits, too close to zero
// reads as 0, and only ASCII digits and blanks count.
const NumberCase kPlain[] = {
    {"decimal", "1.6", 1.6, true},        {"zero", "0", 0.0, true},
    {"two_decimals", "1.10", 1.1, true},  {"word_after", "2.0 beta", 2.0, true},
    {"empty_text", "", 0.0, false},       {"letter_first", "v1.6", 0.0, false},
    {"markup", "<b>1.7</b>", 0.0, false}, {"line_end_after", "1.7\r\n", 1.7, true},
    {"cr_ends_it", "1\r2", 1.0, true},    {"line_end_first", "\r\n1.3", 0.0, false},
    {"comma_ends_it", "1,5", 1.0, true},  {"second_point", "1.2.3", 1.2, true},
    {"point_first", ".5x", 0.5, true},    {"point_last", "7.", 7.0, true},
    {"point_alone", ".", 0.0, false},     {"minus_alone", "-", 0.0, false},
    {"minus_point", "-.", 0.0, false},    {"plus", "+3", 3.0, true},
    {"negative", "-2.5", -2.5, true},     {"blanks_in_it", " \t\n- 1\t2 .\n5", -12.5, true},
    {"two_signs", "+-3", 0.0, false}};
INSTANTIATE_TEST_SUITE_P(Plain, LeadingNumber, ::testing::ValuesIn(kPlain), CaseName());

const QString kTiny = "0." + QString(400, '0') + "1", kHuge = "1" + QString(400, '0');
const QString kHugeExponent = "-1e" + QString(20, '9');
const QString kArabicThree = QString::fromUtf8("4\xD9\xA3"),
              kNbsp = QString::fromUtf8("\xC2\xA0") + "5";
const NumberCase kExponentsAndLimits[] = {
    {"upper_exponent", "1.5E2", 150.0, true},    {"small_e", "2e3", 2000.0, true},
    {"negative_exponent", "25E-1", 2.5, true},   {"blanks_in_e", "1 E + 2", 100.0, true},
    {"word_after", "2.0 Edition", 2.0, true},    {"e_no_digits", "3E+x", 3.0, true},
    {"tiny_exponent", "1E-400", 0.0, true},      {"tiny_digits", kTiny, 0.0, true},
    {"overflow", "1E400", std::nullopt, false},  {"huge_e", kHugeExponent, std::nullopt, false},
    {"huge_digits", kHuge, std::nullopt, false}, {"arabic_digit", kArabicThree, 4.0, true},
    {"no_break_space_first", kNbsp, 0.0, false}};
INSTANTIATE_TEST_SUITE_P(ExponentsAndLimits, LeadingNumber,
                         ::testing::ValuesIn(kExponentsAndLimits), CaseName());

// Which versions lead to which outcome, also for versions the program's
// own 1.6 cannot show.
using O = VersionCheck::Outcome;
struct DecideCase {
    const char *name, *program, *data, *newProgram, *newData;
    O outcome;
};
class VersionDecide : public ::testing::TestWithParam<DecideCase> {};

TEST_P(VersionDecide, ComparesTheLeadingNumbers)
{
    const DecideCase &c = GetParam();
    EXPECT_EQ(VersionCheck::decide({c.program, c.data, c.newProgram, c.newData}), c.outcome);
}

const DecideCase kDecideCases[] = {
    {"same", "1.6", "1.2", "1.6", "1.2", O::Current},
    {"older_data", "1.6", "1.2", "1.6", "1.1", O::Current},
    {"program_1_10_reads_as_1_1", "1.9", "1.2", "1.10", "1.2", O::Current},
    {"newer_data", "1.9", "1.2", "1.10", "1.3", O::DataUpgrade},
    {"newer_data_waits_for_the_program", "1.6", "1.2", "1.7", "1.3", O::ProgramUpgrade},
    {"nothing_fetched", "1.6", "1.2", "", "1.3", O::Unreachable},
    {"web_pages", "1.6", "1.2", "<html><body>Oops</body></html>", "<!DOCTYPE html>", O::Current},
    {"no_installed_data_version_is_0", "1.6", "", "1.6", "1.3", O::DataUpgrade},
};
INSTANTIATE_TEST_SUITE_P(Versions, VersionDecide, ::testing::ValuesIn(kDecideCases), CaseName());

} // namespace
