#pragma once

#include <QByteArray>
#include <QString>

// What must hold for any bytes read as a signature or a public-key file:
// reading never crashes and stays within the size limit; what is accepted
// is exactly the layout the signing tool writes, rebuilt byte for byte from
// the fields read (line ends as LF); a refusal always says why; and no
// signature verifies over its own file, whose hash includes it. Returns
// what went wrong, or an empty text.
namespace SignatureProperty {

QString check(const QByteArray &file);

} // namespace SignatureProperty
