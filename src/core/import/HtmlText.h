#pragma once

#include <QString>

// Question texts from a learning platform are often HTML. A bank holds one
// line of plain text per text, so the markup goes: tags dropped, entities
// decoded, line and paragraph breaks and runs of white space made one space.
// Pictures cannot be shown in a bank; each <img> dropped is counted so that
// the import can say how many there were.
namespace HtmlText {

[[nodiscard]] QString toPlain(const QString &html, int *imagesDropped = nullptr);

} // namespace HtmlText
