#pragma once

class QString;
class QWidget;

// What a screen reader says of the main window's controls.
namespace ScreenReader {

// Keeps what a screen reader says of a control in step with what it
// shows. Returns whether the name changed; Qt tells the reader itself.
bool setName(QWidget *control, const QString &name);

// Reads out a warning even though the focus is elsewhere.
void alert(QWidget *control);

} // namespace ScreenReader
