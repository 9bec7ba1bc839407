#include "AppStyle.h"

#include <QGroupBox>
#include <QImageReader>
#include <QPixmap>
#include <QStyleFactory>
#include <QStyleOption>
#include <QWidget>
#include <qdrawutil.h>

#include <algorithm>

namespace {

// Every menu bar asks for the extension arrow when it is made. The base
// style reads those pictures without naming their format, which makes Qt
// load and try every image plugin it has, at start-up; read as the PNG
// pictures they are, they cost nothing of the kind.
QImage readPng(const QString &file)
{
    QImageReader reader(file, "png");
    reader.setAutoDetectImageFormat(false);
    return reader.read();
}

QIcon extensionIcon(const char *direction, std::initializer_list<int> sizes)
{
    QIcon icon;
    for (int size : sizes)
        icon.addPixmap(QPixmap::fromImage(readPng(
            QStringLiteral(":/qt-project.org/styles/commonstyle/images/toolbar-ext-%1-%2.png")
                .arg(QLatin1String(direction))
                .arg(size))));
    return icon;
}

constexpr int kGroupBoxTopMargin = 3;

} // namespace

AppStyle::AppStyle() : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion"))) {}

void AppStyle::drawPrimitive(PrimitiveElement element, const QStyleOption *option,
                             QPainter *painter, const QWidget *widget) const
{
    if (element != PE_FrameGroupBox) {
        QProxyStyle::drawPrimitive(element, option, painter, widget);
        return;
    }
    // The base style's group-box frame, drawn from the same picture: it
    // loads the picture by name alone, with the same probing.
    static const QPixmap frame = QPixmap::fromImage(
        readPng(QStringLiteral(":/qt-project.org/styles/commonstyle/images/fusion_groupbox.png")));
    const auto *box = qobject_cast<const QGroupBox *>(widget);
    const int top = box ? groupBoxFrameTop(box)
                        : std::max(pixelMetric(PM_ExclusiveIndicatorHeight, option, widget),
                                   option->fontMetrics.height()) +
                              kGroupBoxTopMargin;
    qDrawBorderPixmap(painter, option->rect.adjusted(0, top, 0, 0), QMargins(6, 6, 6, 6), frame);
}

int AppStyle::groupBoxFrameTop(const QGroupBox *box)
{
    if (!box->isCheckable() && box->title().isEmpty())
        return kGroupBoxTopMargin;
    return std::max(box->style()->pixelMetric(PM_ExclusiveIndicatorHeight, nullptr, box),
                    box->fontMetrics().height()) +
           kGroupBoxTopMargin;
}

QIcon AppStyle::standardIcon(StandardPixmap icon, const QStyleOption *option,
                             const QWidget *widget) const
{
    const bool leftToRight = !widget || widget->layoutDirection() == Qt::LeftToRight;
    if (icon == SP_ToolBarHorizontalExtensionButton && leftToRight)
        return extensionIcon("h", {8, 16, 32});
    if (icon == SP_ToolBarVerticalExtensionButton)
        return extensionIcon("v", {5, 10, 20});
    return QProxyStyle::standardIcon(icon, option, widget);
}
