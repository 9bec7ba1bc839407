#include "AppIcon.h"

#include <QApplication>
#include <QImageReader>
#include <QPixmap>

namespace AppIcon {

QIcon icon()
{
    // Read as the PNG it is: guessing the format from the content loads
    // every image plugin Qt has, at start-up.
    QImageReader reader(QStringLiteral(":/zelquiz/zelquiz.png"), "png");
    reader.setAutoDetectImageFormat(false);
    return QIcon(QPixmap::fromImage(reader.read()));
}

void install()
{
    QApplication::setWindowIcon(icon());
}

} // namespace AppIcon
