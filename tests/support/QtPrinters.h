#pragma once

#include <QString>

#include <ostream>

// Readable Qt texts in test failure messages, in lists too.
inline void PrintTo(const QString &s, std::ostream *os)
{
    *os << '"' << s.toStdString() << '"';
}

// What a failed result says, empty for a success: compared with QString(),
// a failure shows its description in the report.
template <class Outcome> QString failureText(const Outcome &result)
{
    return result ? QString() : result.error().description();
}
