#pragma once

#include <QString>

#include <ostream>

// Readable Qt texts in test failure messages, in lists too.
inline void PrintTo(const QString &s, std::ostream *os)
{
    *os << '"' << s.toStdString() << '"';
}
