#include "LeadingNumberProperty.h"

#include "core/common/Error.h"
#include "core/common/TextFile.h"
#include "core/update/LeadingNumber.h"

#include <cmath>
#include <exception>
#include <optional>

namespace LeadingNumberProperty {
namespace {

// The value read, or nullopt for the overflow failure; any other outcome
// is described in `failure`.
std::optional<double> read(const QString &text, QString &failure)
{
    try {
        const double value = leadingNumber(text);
        if (!std::isfinite(value))
            failure = QStringLiteral("reads as %1").arg(value);
        return value;
    } catch (const Error &e) {
        if (e.number() != ErrorNumber::Overflow)
            failure = QStringLiteral("fails with %1").arg(e.code());
    } catch (const std::exception &e) {
        failure = QStringLiteral("throws ") + QString::fromLocal8Bit(e.what());
    }
    return std::nullopt;
}

QString shown(const std::optional<double> &v)
{
    return v ? QString::number(*v, 'g', 17) : QStringLiteral("overflow");
}

bool startsWithDigit(const QString &text)
{
    for (const QChar c : text) {
        if (c == QLatin1Char(' ') || c == QLatin1Char('\t') || c == QLatin1Char('\n'))
            continue;
        return (c >= QLatin1Char('0') && c <= QLatin1Char('9')) || c == QLatin1Char('.');
    }
    return false;
}

} // namespace

QString check(const QByteArray &versionFile)
{
    const QString text = TextFile::decode(versionFile);
    QString failure;
    const std::optional<double> value = read(text, failure);
    if (!failure.isEmpty())
        return failure;

    if (beginsWithNumber(text) && !value)
        return QStringLiteral("begins with a number, yet reading it overflows");

    const std::optional<double> followed = read(text + QStringLiteral("x"), failure);
    if (followed != value)
        return QStringLiteral("%1, but %2 with a letter after it")
            .arg(shown(value), shown(followed));

    const std::optional<double> indented = read(QStringLiteral(" \t\n") + text, failure);
    if (indented != value)
        return QStringLiteral("%1, but %2 with blanks before it")
            .arg(shown(value), shown(indented));

    if (startsWithDigit(text)) {
        if (value && *value < 0)
            return QStringLiteral("begins with a digit, yet reads as %1").arg(shown(value));
        const std::optional<double> negated = read(QStringLiteral("-") + text, failure);
        const std::optional<double> expected =
            value ? std::optional<double>(-*value) : std::nullopt;
        if (negated != expected)
            return QStringLiteral("%1, but %2 with a minus sign").arg(shown(value), shown(negated));
    }
    return failure;
}

} // namespace LeadingNumberProperty
