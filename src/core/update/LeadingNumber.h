#pragma once

#include <QString>

// The number a version text begins with, read the way the classic numeric
// conversion reads it, so that versions compare as they always have:
// blanks, tabs and line feeds are skipped wherever they stand, then an
// optional sign, digits with at most one point and an optional exponent
// are read up to the first character that cannot continue the number.
// "1.10" is 1.1, a text that does not begin with a number is 0, and the
// point is the decimal separator whatever the user's regional settings.
// A value too large for a double throws the Error Overflow (6): the
// version check that reads it is ended by it wherever it stands.
[[nodiscard]] double leadingNumber(const QString &text);

// Whether the text begins with a number that LeadingNumber can read, as a
// version must.
[[nodiscard]] bool beginsWithNumber(const QString &text);
