#pragma once

// On Windows the program is a windowed one, so that starting it from the
// Start menu opens no console window. Its command-line modes print, so
// when it was typed into a console they write there: standard streams that
// were not redirected to a file or pipe are joined to the parent's console.
// Elsewhere this does nothing.
namespace ParentConsole {
void attach();
}
