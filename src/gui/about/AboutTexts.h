#pragma once

#include <QString>

// The fixed texts of the about window. Paragraphs start with three blanks
// and are separated by two CRs, as every multi-line text of the program
// keeps its CR line breaks.
namespace AboutTexts {

QString description();
QString note();
QString author();
QString institution();
QString instructors();

} // namespace AboutTexts
