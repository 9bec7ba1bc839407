#pragma once

#include <QString>

#include <cstdint>

// Decimal digits, with a minus sign for a negative number and nothing else.
QString plainText(std::int32_t value);

// The same digits with a blank in front of a number that is not negative,
// so that the digits of counters line up with those of negative ones.
QString signedText(std::int32_t value);
