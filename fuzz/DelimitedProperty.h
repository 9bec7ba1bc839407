#pragma once

#include <QByteArray>
#include <QString>

// What must hold for any delimited file of questions: reading never fails
// other than with a description; every bank made of what was read holds at
// most 600 lines and passes the bank check without a finding; every
// question read is asked or reported as skipped. And for the bank the
// input stands for (its bytes choose texts and wordings): export, import
// and export again give the same file, and the import the same questions.
// Returns what went wrong, or an empty text.
namespace DelimitedProperty {

QString check(const QByteArray &input);

} // namespace DelimitedProperty
