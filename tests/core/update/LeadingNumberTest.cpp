#include "core/update/LeadingNumber.h"
#include "core/common/RunTimeError.h"
#include "core/update/VersionCheck.h"
#include "support/QtPrinters.h"

#include <QLocale>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <memory>

namespace {

constexpr double kOverflow = HUGE_VAL;

struct NumberCase {
    const char *name;
    QString text;
    double value; // kOverflow: the reading fails with an overflow
    bool begins;  // whether the text begins with a number that fits
};

// The conversion must not follow the user's regional settings: run every
// case under a German locale, whose decimal separator is a comma, both for
// the C library and for Qt. A machine without the German locale gets one
// built for the test.
class LeadingNumberTable : public ::testing::TestWithParam<NumberCase> {
  protected:
    static void SetUpTestSuite()
    {
        s_old = std::setlocale(LC_ALL, nullptr);
        if (!germanCLocale()) {
            s_localeDir = std::make_unique<QTemporaryDir>();
            QProcess::execute("localedef",
                              {"-i", "de_DE", "-f", "UTF-8", s_localeDir->filePath(kGerman)});
            qputenv("LOCPATH", s_localeDir->path().toLocal8Bit());
        }
        s_german = germanCLocale();
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    }
    static void TearDownTestSuite()
    {
        std::setlocale(LC_ALL, s_old.c_str());
        QLocale::setDefault(QLocale::c());
        qunsetenv("LOCPATH");
        s_localeDir.reset();
    }
    void SetUp() override
    {
        EXPECT_TRUE(s_german) << "no German locale: only Qt's default locale is German";
    }

  private:
    static constexpr const char *kGerman = "de_DE.UTF-8";
    static bool germanCLocale()
    {
        return std::setlocale(LC_ALL, kGerman) && *std::localeconv()->decimal_point == ',';
    }
    static inline std::unique_ptr<QTemporaryDir> s_localeDir;
    static inline std::string s_old;
    static inline bool s_german = false;
};

TEST_P(LeadingNumberTable, ReadsTheNumberAtTheStart)
{
    const NumberCase &c = GetParam();
    if (c.value == kOverflow) {
        try {
            LeadingNumber(c.text);
            ADD_FAILURE() << "no overflow";
        } catch (const RunTimeError &e) {
            EXPECT_EQ(e.number(), RunTimeError::Overflow);
        }
    } else {
        EXPECT_DOUBLE_EQ(LeadingNumber(c.text), c.value);
    }
    EXPECT_EQ(beginsWithNumber(c.text), c.begins);
}

INSTANTIATE_TEST_SUITE_P(
    Versions, LeadingNumberTable,
    ::testing::Values(
        NumberCase{"plain", "1.6", 1.6, true}, NumberCase{"zero", "0", 0.0, true},
        NumberCase{"trailing_zero_digit", "1.10", 1.1, true},
        NumberCase{"blank_and_word", "2.0 beta", 2.0, true}, NumberCase{"empty", "", 0.0, false},
        NumberCase{"letter_first", "v1.6", 0.0, false},
        NumberCase{"less_than_first", "<html>1.6", 0.0, false},
        NumberCase{"markup_around", "<b>1.7</b>", 0.0, false},
        NumberCase{"crlf_after", "1.7\r\n", 1.7, true}, NumberCase{"cr_ends_it", "1\r2", 1.0, true},
        NumberCase{"cr_is_not_skipped", "\r\n1.3", 0.0, false},
        NumberCase{"comma_is_no_separator", "1,5", 1.0, true},
        NumberCase{"second_point_ends_it", "1.2.3", 1.2, true},
        NumberCase{"point_first", ".5x", 0.5, true}, NumberCase{"point_last", "7.", 7.0, true},
        NumberCase{"point_alone", ".", 0.0, false}, NumberCase{"sign_alone", "-", 0.0, false},
        NumberCase{"sign_and_point", "-.", 0.0, false}, NumberCase{"plus", "+3", 3.0, true},
        NumberCase{"minus", "-2.5", -2.5, true}, NumberCase{"two_signs", "+-3", 0.0, false},
        NumberCase{"blanks_tabs_lfs_anywhere", " \t\n- 1\t2 .\n5", -12.5, true},
        NumberCase{"leading_blanks", "   1.3", 1.3, true},
        NumberCase{"exponent", "1.5E2", 150.0, true},
        NumberCase{"lower_exponent", "2e3", 2000.0, true},
        NumberCase{"exponent_sign", "25E-1", 2.5, true},
        NumberCase{"exponent_blanks", "1 E + 2", 100.0, true},
        NumberCase{"exponent_without_digits", "2.0 Edition", 2.0, true},
        NumberCase{"exponent_sign_without_digits", "3E+x", 3.0, true},
        NumberCase{"underflow_is_zero", "1E-400", 0.0, true},
        NumberCase{"long_fraction_underflow", "0." + QString(400, '0') + "1", 0.0, true},
        NumberCase{"overflow", "1E400", kOverflow, false},
        NumberCase{"huge_exponent", "-1e99999999999999999999", kOverflow, false},
        NumberCase{"long_integer_overflow", "1" + QString(400, '0'), kOverflow, false},
        NumberCase{"non_ascii_digit_ends_it", QString::fromUtf8("4\xD9\xA3"), 4.0, true},
        NumberCase{"nbsp_is_not_skipped", QString::fromUtf8("\xC2\xA0") + "5", 0.0, false}),
    [](const auto &info) { return std::string(info.param.name); });

// Which versions lead to which outcome, also for versions the program's
// own 1.6 cannot show.
TEST(VersionDecide, ComparesTheLeadingNumbers)
{
    using O = VersionCheck::Outcome;
    const struct {
        const char *program, *data, *newProgram, *newData;
        O outcome;
    } cases[] = {
        {"1.6", "1.2", "1.6", "1.2", O::Current},
        {"1.6", "1.2", "1.6", "1.1", O::Current},
        {"1.9", "1.2", "1.10", "1.2", O::Current},
        {"1.9", "1.2", "1.10", "1.3", O::DataUpgrade},
        {"1.6", "1.2", "1.7", "1.3", O::ProgramUpgrade}, // newer data waits for the program
        {"1.9", "1.2", "2", "9", O::ProgramUpgrade},
        {"1.6", "1.2", "", "1.3", O::Unreachable},
        {"1.6", "1.2", "1.7", "", O::Unreachable},
        {"1.6", "1.2", "<html><body>Oops</body></html>", "<!DOCTYPE html>", O::Current},
        {"1.6", "", "1.6", "1.3", O::DataUpgrade}, // no installed version is 0
        {"1.6", "<none>", "1.6", "0.1", O::DataUpgrade},
    };
    for (const auto &c : cases)
        EXPECT_EQ(VersionCheck::decide({c.program, c.data, c.newProgram, c.newData}), c.outcome)
            << c.program << " " << c.data << " / " << c.newProgram << " " << c.newData;
}

} // namespace
