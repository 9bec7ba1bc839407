#pragma once

#include <QByteArray>
#include <QString>

// What must hold for any bytes given as a question export in XML: the
// reader either refuses them with a description, or what it takes could
// become bank entries, each on a line of the file (see
// ImportedFileProperty). Returns what went wrong, or an empty text.
namespace MoodleXmlProperty {

QString check(const QByteArray &input);

} // namespace MoodleXmlProperty
