#pragma once

#include <QByteArray>
#include <QString>

// What must hold for any GIFT text (the input decoded as UTF-8): the reader
// never fails and never crashes, and what it takes could become bank
// entries (see ImportedFileProperty). Returns what went wrong, or an empty
// text.
namespace GiftProperty {

QString check(const QByteArray &input);

} // namespace GiftProperty
