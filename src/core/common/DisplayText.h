#pragma once

#include <QString>

// The system's texts keep their CR (and CR LF) line breaks; these turn them
// into what a Qt widget draws.
namespace DisplayText {

// Every CR LF and every lone CR becomes a line break.
QString lines(const QString &text);

// A caption for a button: line breaks as above, and "&" doubled so that
// data such as "Salt & pepper" shows literally instead of marking a key.
QString literalCaption(const QString &text);

// One line for a screen reader: every line break becomes a blank.
QString spoken(const QString &text);

// A bank text in one table cell: one line, and bounded, so that a long
// text cannot make a row taller than the table.
QString cell(const QString &text);

} // namespace DisplayText
