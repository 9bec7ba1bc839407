#include "ScreenReader.h"

#include <QAccessible>
#include <QWidget>

namespace ScreenReader {

bool setName(QWidget *control, const QString &name)
{
    if (control->accessibleName() == name)
        return false;
    control->setAccessibleName(name);
    return true;
}

void alert(QWidget *control)
{
    QAccessibleEvent event(control, QAccessible::Alert);
    QAccessible::updateAccessibility(&event);
}

} // namespace ScreenReader
