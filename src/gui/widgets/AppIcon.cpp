#include "AppIcon.h"

#include <QApplication>

namespace AppIcon {

QIcon icon()
{
    return QIcon(QStringLiteral(":/zelquiz/zelquiz.png"));
}

void install()
{
    QApplication::setWindowIcon(icon());
}

} // namespace AppIcon
