#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// The bank and version files are single-byte text from either kind of
// system: one written on a UTF-8 desktop decodes as UTF-8, anything else
// as Windows-1252. "|", digits, CR and LF are ASCII in both.
namespace TextFile {

[[nodiscard]] QString decode(const QByteArray &bytes);

// Lines as a classic sequential reader sees them: a line ends at CR or at
// CR LF; a lone LF stays inside the line; a last line without a line end
// still counts, and a line end at the very end starts no further line.
[[nodiscard]] QStringList splitLines(const QString &text);

// The same as splitLines(decode(bytes)), without a copy of the whole text:
// each line is decoded straight from the bytes. CR is never part of a
// UTF-8 sequence, so the lines decode as the whole text would.
[[nodiscard]] QStringList lines(const QByteArray &bytes);

// The first line only (the data-version file).
[[nodiscard]] QString firstLine(const QString &text);

} // namespace TextFile
