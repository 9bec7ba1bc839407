#include "NativeWindow.h"

#include <QWidget>
#include <QWindow>

namespace NativeWindow {

bool exists(const QWidget &widget)
{
    const QWindow *window = widget.window()->windowHandle();
    return window && window->handle();
}

} // namespace NativeWindow
