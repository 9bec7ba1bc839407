#include "core/update/LeadingNumber.h"
#include "core/common/Error.h"
#include "core/update/VersionCheck.h"
#include "support/QtPrinters.h"

#include <QLocale>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <clocale>
#include <optional>
#include <span>

namespace {

// The conversion must not follow the user's regional settings: every case
// runs under a German locale, whose decimal separator is a comma, both for
// the C library and for Qt. A machine without the German locale gets one
// built for the test.
TEST(LeadingNumber, ReadsTheNumberAtTheStartWhateverTheLocale)
{
    const std::string oldLocale = std::setlocale(LC_ALL, nullptr);
#ifdef Q_OS_WIN
    const char *german = "German_Germany.1252";
#else
    const char *german = "de_DE.UTF-8";
#endif
    QTemporaryDir localeDir;
    if (!std::setlocale(LC_ALL, german)) {
        QProcess::execute("localedef", {"-i", "de_DE", "-f", "UTF-8", localeDir.filePath(german)});
        qputenv("LOCPATH", localeDir.path().toLocal8Bit());
    }
    EXPECT_TRUE(std::setlocale(LC_ALL, german) && *std::localeconv()->decimal_point == ',')
        << "no German locale: only Qt's default locale is German";
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));

    // A CR ends the number, a comma is no decimal separator, blanks, tabs
    // and LFs are skipped anywhere, an exponent needs digits, too close to
    // zero reads as 0, and only ASCII digits and blanks count.
    const QString tiny = "0." + QString(400, '0') + "1", huge = "1" + QString(400, '0');
    const QString arabicThree = QString::fromUtf8("4\xD9\xA3"),
                  nbsp = QString::fromUtf8("\xC2\xA0") + "5";
    const QString hugeExponent = "-1e" + QString(20, '9');
    const std::nullopt_t overflow = std::nullopt;
    struct Case {
        QString text;
        std::optional<double> value; // nullopt: the reading fails with an overflow
        bool begins;                 // whether the text begins with a number that fits
    };
    const Case plain[] = {
        {"1.6", 1.6, true},         {"0", 0.0, true},       {"1.10", 1.1, true},
        {"2.0 beta", 2.0, true},    {"", 0.0, false},       {"v1.6", 0.0, false},
        {"<b>1.7</b>", 0.0, false}, {"1.7\r\n", 1.7, true}, {"1\r2", 1.0, true},
        {"\r\n1.3", 0.0, false},    {"1,5", 1.0, true},     {"1.2.3", 1.2, true},
        {".5x", 0.5, true},         {"7.", 7.0, true},      {".", 0.0, false},
        {"-", 0.0, false},          {"-.", 0.0, false},     {"+3", 3.0, true},
        {"-2.5", -2.5, true},       {"+-3", 0.0, false},    {" \t\n- 1\t2 .\n5", -12.5, true}};
    const Case exponentsAndLimits[] = {{"1.5E2", 150.0, true},     {"2e3", 2000.0, true},
                                       {"25E-1", 2.5, true},       {"1 E + 2", 100.0, true},
                                       {"2.0 Edition", 2.0, true}, {"3E+x", 3.0, true},
                                       {"1E-400", 0.0, true},      {tiny, 0.0, true},
                                       {"1E400", overflow, false}, {hugeExponent, overflow, false},
                                       {huge, overflow, false},    {arabicThree, 4.0, true},
                                       {nbsp, 0.0, false}};
    for (std::span<const Case> table :
         std::initializer_list<std::span<const Case>>{plain, exponentsAndLimits})
        for (const Case &c : table) {
            SCOPED_TRACE(c.text.toStdString());
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

    std::setlocale(LC_ALL, oldLocale.c_str());
    QLocale::setDefault(QLocale::c());
    qunsetenv("LOCPATH");
}

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
        {"1.6", "1.2", "", "1.3", O::Unreachable},       // nothing fetched
        {"1.6", "1.2", "<html><body>Oops</body></html>", "<!DOCTYPE html>", O::Current},
        {"1.6", "", "1.6", "1.3", O::DataUpgrade}, // no installed version is 0
    };
    for (const auto &c : cases)
        EXPECT_EQ(VersionCheck::decide({c.program, c.data, c.newProgram, c.newData}), c.outcome)
            << c.program << " " << c.data << " / " << c.newProgram << " " << c.newData;
}

} // namespace
