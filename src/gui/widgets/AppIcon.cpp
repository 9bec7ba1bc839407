#include "AppIcon.h"

#include <QApplication>
#include <QImageReader>
#include <QPixmap>

namespace AppIcon {
namespace {

// The installed icon, so that each window's copy is not decoded again.
qint64 g_installedKey = 0;

QIcon decode()
{
    // Read as the PNG it is: guessing the format from the content loads
    // every image plugin Qt has, at start-up.
    QImageReader reader(QStringLiteral(":/zelquiz/zelquiz.png"), "png");
    reader.setAutoDetectImageFormat(false);
    return QIcon(QPixmap::fromImage(reader.read()));
}

} // namespace

QIcon icon()
{
    const QIcon installed = QApplication::windowIcon();
    if (g_installedKey != 0 && installed.cacheKey() == g_installedKey)
        return installed;
    return decode();
}

void install()
{
    QApplication::setWindowIcon(decode());
    g_installedKey = QApplication::windowIcon().cacheKey();
}

} // namespace AppIcon
