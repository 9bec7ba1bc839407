#pragma once

#include <QProxyStyle>

// The style every window is drawn in: Fusion, whose button faces take
// their palette colour. It only changes how the pictures of the group-box
// frame and the menu bar's extension arrow are read.
class AppStyle : public QProxyStyle {
  public:
    AppStyle();

    void drawPrimitive(PrimitiveElement element, const QStyleOption *option, QPainter *painter,
                       const QWidget *widget = nullptr) const override;
    QIcon standardIcon(StandardPixmap icon, const QStyleOption *option = nullptr,
                       const QWidget *widget = nullptr) const override;
};
