#include "update/LeadingNumber.h"
#include "shell/RunTimeError.h"
#include "support/QtPrinters.h"
#include "update/VersionCheck.h"

#include <QLocale>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <clocale>
#include <memory>

namespace {

struct NumberCase {
    const char *name;
    QString text;
    double value;
};

// The conversion must not follow the user's regional settings: run every
// case under a German locale, whose decimal separator is a comma, both for
// the C library and for Qt. A machine without the German locale gets one
// built for the test.
class LeadingNumberTable : public ::testing::TestWithParam<NumberCase> {
  protected:
    static void SetUpTestSuite()
    {
        const std::string old = std::setlocale(LC_ALL, nullptr);
        const bool installed = germanCLocale();
        std::setlocale(LC_ALL, old.c_str());
        if (installed)
            return;
        s_localeDir = std::make_unique<QTemporaryDir>();
        QProcess::execute(QStringLiteral("localedef"),
                          {QStringLiteral("-i"), QStringLiteral("de_DE"), QStringLiteral("-f"),
                           QStringLiteral("UTF-8"), s_localeDir->filePath(kGerman)});
        qputenv("LOCPATH", s_localeDir->path().toLocal8Bit());
    }
    static void TearDownTestSuite()
    {
        qunsetenv("LOCPATH");
        s_localeDir.reset();
    }
    void SetUp() override
    {
        m_old = std::setlocale(LC_ALL, nullptr);
        EXPECT_TRUE(germanCLocale()) << "no German locale: only Qt's default locale is German";
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    }
    void TearDown() override
    {
        std::setlocale(LC_ALL, m_old.c_str());
        QLocale::setDefault(QLocale::c());
    }

  private:
    static constexpr const char *kGerman = "de_DE.UTF-8";
    static bool germanCLocale()
    {
        return std::setlocale(LC_ALL, kGerman) && *std::localeconv()->decimal_point == ',';
    }
    static inline std::unique_ptr<QTemporaryDir> s_localeDir;
    std::string m_old;
};

TEST_P(LeadingNumberTable, ReadsTheNumberAtTheStart)
{
    const NumberCase &c = GetParam();
    EXPECT_DOUBLE_EQ(LeadingNumber(c.text), c.value) << c.text.toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Versions, LeadingNumberTable,
    ::testing::Values(
        NumberCase{"plain", "1.6", 1.6}, NumberCase{"trailing_zero_digit", "1.10", 1.1},
        NumberCase{"blank_and_word", "2.0 beta", 2.0}, NumberCase{"empty", "", 0.0},
        NumberCase{"letter_first", "v1.6", 0.0}, NumberCase{"less_than_first", "<html>1.6", 0.0},
        NumberCase{"markup_around", "<b>1.7</b>", 0.0}, NumberCase{"crlf_after", "1.7\r\n", 1.7},
        NumberCase{"cr_ends_it", "1\r2", 1.0}, NumberCase{"comma_is_no_separator", "1,5", 1.0},
        NumberCase{"second_point_ends_it", "1.2.3", 1.2}, NumberCase{"point_first", ".5", 0.5},
        NumberCase{"point_last", "7.", 7.0}, NumberCase{"point_alone", ".", 0.0},
        NumberCase{"sign_alone", "-", 0.0}, NumberCase{"plus", "+3", 3.0},
        NumberCase{"minus", "-2.5", -2.5}, NumberCase{"two_signs", "+-3", 0.0},
        NumberCase{"blanks_tabs_lfs_anywhere", " \t\n- 1\t2 .\n5", -12.5},
        NumberCase{"leading_blanks", "   1.3", 1.3}, NumberCase{"exponent", "1.5E2", 150.0},
        NumberCase{"lower_exponent", "2e3", 2000.0}, NumberCase{"exponent_sign", "25E-1", 2.5},
        NumberCase{"exponent_blanks", "1 E + 2", 100.0},
        NumberCase{"exponent_without_digits", "2.0 Edition", 2.0},
        NumberCase{"exponent_sign_without_digits", "3E+x", 3.0},
        NumberCase{"underflow_is_zero", "1E-400", 0.0},
        NumberCase{"long_fraction_underflow", "0." + QString(400, QLatin1Char('0')) + "1", 0.0},
        NumberCase{"non_ascii_digit_ends_it", QString::fromUtf8("4\xD9\xA3"), 4.0},
        NumberCase{"nbsp_is_not_skipped",
                   QString::fromUtf8("\xC2\xA0"
                                     "5"),
                   0.0}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(LeadingNumber, TooLargeIsAnOverflow)
{
    for (const QString &text : {QStringLiteral("1E400"), QStringLiteral("-1e99999999999999999999"),
                                QStringLiteral("1") + QString(400, QLatin1Char('0'))}) {
        try {
            LeadingNumber(text);
            ADD_FAILURE() << text.toStdString();
        } catch (const RunTimeError &e) {
            EXPECT_EQ(e.number(), RunTimeError::Overflow);
        }
        EXPECT_FALSE(beginsWithNumber(text));
    }
}

TEST(LeadingNumber, BeginsWithNumber)
{
    EXPECT_TRUE(beginsWithNumber(QStringLiteral(" 1.3")));
    EXPECT_TRUE(beginsWithNumber(QStringLiteral("0")));
    EXPECT_TRUE(beginsWithNumber(QStringLiteral(".5x")));
    EXPECT_FALSE(beginsWithNumber(QStringLiteral("")));
    EXPECT_FALSE(beginsWithNumber(QStringLiteral("<html>")));
    EXPECT_FALSE(beginsWithNumber(QStringLiteral("-.")));
    EXPECT_FALSE(beginsWithNumber(QStringLiteral("\r\n1.3")));
}

// The comparison itself, for versions the program's own 1.6 cannot show.
TEST(VersionCheckDecide, ComparesNumbersNotTexts)
{
    using VersionCheck::Outcome;
    auto decide = [](const char *p, const char *d, const char *P, const char *D) {
        return VersionCheck::decide({p, d, P, D});
    };
    EXPECT_EQ(decide("1.9", "1.2", "1.10", "1.2"), Outcome::Current);
    EXPECT_EQ(decide("1.9", "1.2", "1.10", "1.3"), Outcome::DataUpgrade);
    EXPECT_EQ(decide("1.9", "", "1.9", "0.1"), Outcome::DataUpgrade);
    EXPECT_EQ(decide("1.9", "1.2", "2", "9"), Outcome::ProgramUpgrade);
    EXPECT_EQ(decide("1.9", "1.2", "", "9"), Outcome::Unreachable);
}

} // namespace
