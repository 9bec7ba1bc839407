#pragma once

#include <QIcon>

// The program's icon, built into the program so that every window has it
// even where the data folder lacks the picture files.
namespace AppIcon {

QIcon icon();

// Makes it the icon of every window, message boxes included.
void install();

} // namespace AppIcon
