#pragma once

#include <QByteArray>
#include <QString>

// What must hold for any pair of bank files: the loader never fails other
// than with a numbered failure, and the bank check agrees with it on
// whether the program starts. The input is split into the two files: its
// first two bytes (little-endian) give the length of "A.zel", the rest
// after it is "AD.zel". Returns what went wrong, or an empty text.
namespace BankProperty {

QString check(const QByteArray &input);

// The two files an input stands for.
struct Files {
    QByteArray a;
    QByteArray ad;
};
Files split(const QByteArray &input);

} // namespace BankProperty
