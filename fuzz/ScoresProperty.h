#pragma once

#include <QByteArray>
#include <QString>

// What must hold for any settings file, hand-edited or damaged: the
// high-score table loads from it without a failure, and a table loaded
// from it survives being stored and loaded again unchanged (nothing a
// player sees is lost by closing the window). The input is the whole INI
// file. Returns what went wrong, or an empty text.
namespace ScoresProperty {

QString check(const QByteArray &iniFile);

} // namespace ScoresProperty
