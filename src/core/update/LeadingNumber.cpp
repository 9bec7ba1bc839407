#include "LeadingNumber.h"

#include "core/common/Error.h"

#include <charconv>
#include <string>

namespace {

bool isSkipped(QChar c)
{
    return c == QLatin1Char(' ') || c == QLatin1Char('\t') || c == QLatin1Char('\n');
}

bool isDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

// The characters that make up the number at the start of the text, without
// the skipped ones, in the form the C locale reads. Empty when the text does
// not begin with a number.
std::string numberPart(const QString &text)
{
    // Only the characters that can matter: the skipped ones are dropped, and
    // the copy ends at the first one that can be no part of a number.
    std::string s;
    for (const QChar c : text) {
        if (isSkipped(c))
            continue;
        const char16_t u = c.unicode();
        if (!(isDigit(c) || u == '+' || u == '-' || u == '.' || u == 'E' || u == 'e'))
            break;
        s.push_back(char(u));
    }

    std::size_t i = 0;
    std::string out;
    if (i < s.size() && (s[i] == '+' || s[i] == '-'))
        out.push_back(s[i++]);
    bool digits = false;
    bool point = false;
    for (; i < s.size(); ++i) {
        if (s[i] >= '0' && s[i] <= '9') {
            digits = true;
        } else if (s[i] == '.' && !point) {
            point = true;
        } else {
            break;
        }
        out.push_back(s[i]);
    }
    if (!digits)
        return {};

    // An exponent counts only when at least one digit follows it.
    if (i < s.size() && (s[i] == 'E' || s[i] == 'e')) {
        std::size_t j = i + 1;
        std::string exponent = "e";
        if (j < s.size() && (s[j] == '+' || s[j] == '-'))
            exponent.push_back(s[j++]);
        const std::size_t firstDigit = j;
        while (j < s.size() && s[j] >= '0' && s[j] <= '9')
            exponent.push_back(s[j++]);
        if (j > firstDigit)
            out += exponent;
    }
    return out;
}

// The power of ten of the first significant digit of a number that does not
// fit a double, which tells an overflow from an underflow. Only called for
// numbers with a significant digit (zero always fits).
long long decimalMagnitude(const std::string &number)
{
    const std::size_t e = number.find('e');
    const std::string mantissa = number.substr(0, e);
    long long exponent = 0;
    if (e != std::string::npos) {
        std::size_t j = e + 1;
        const bool negative = number[j] == '-';
        if (number[j] == '+' || number[j] == '-')
            ++j;
        // Far beyond any double either way; the clamp only keeps the sum safe.
        constexpr long long kClamp = 1'000'000'000;
        for (; j < number.size() && exponent < kClamp; ++j)
            exponent = exponent * 10 + (number[j] - '0');
        if (negative)
            exponent = -exponent;
    }
    const std::size_t point = mantissa.find('.');
    const std::size_t firstSignificant = mantissa.find_first_of("123456789");
    const long long pointAt =
        point == std::string::npos ? (long long)mantissa.size() : (long long)point;
    long long position = pointAt - (long long)firstSignificant;
    // A digit before the point stands at 10^(position - 1); after it at
    // 10^position (position is then negative).
    if ((long long)firstSignificant < pointAt)
        position -= 1;
    return exponent + position;
}

} // namespace

double leadingNumber(const QString &text)
{
    const std::string number = numberPart(text);
    if (number.empty())
        return 0.0;
    // from_chars takes no "+" and never looks at the locale.
    const char *first = number.data();
    if (*first == '+')
        ++first;
    double value = 0.0;
    const auto result = std::from_chars(first, number.data() + number.size(), value);
    if (result.ec == std::errc::result_out_of_range) {
        // Too large is a failure; too close to zero reads as 0, as it always has.
        if (decimalMagnitude(number) > 0)
            throw Error(ErrorNumber::Overflow);
        return 0.0;
    }
    return value;
}

bool beginsWithNumber(const QString &text)
{
    if (numberPart(text).empty())
        return false;
    try {
        (void)leadingNumber(text);
        return true;
    } catch (const Error &) {
        return false;
    }
}
