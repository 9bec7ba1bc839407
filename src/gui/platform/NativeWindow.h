#pragma once

class QWidget;

// Whether the window system really made a widget's window. Qt reports a
// window it could not create (wine's desktop not up yet on a cold, loaded
// start, say) as shown all the same, with nothing on the screen: a program
// that went on would wait in its event loop for ever, unseen.
namespace NativeWindow {

// True once the top-level window of widget has a window of the window
// system behind it.
[[nodiscard]] bool exists(const QWidget &widget);

} // namespace NativeWindow
