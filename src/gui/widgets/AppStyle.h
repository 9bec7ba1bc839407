#pragma once

#include <QProxyStyle>

class QGroupBox;

// The style every window is drawn in: Fusion, whose button faces take
// their palette colour. It only changes how the pictures of the group-box
// frame and the menu bar's extension arrow are read.
class AppStyle : public QProxyStyle {
  public:
    AppStyle();

    void drawPrimitive(PrimitiveElement element, const QStyleOption *option, QPainter *painter,
                       const QWidget *widget = nullptr) const override;
    // Where a group box's frame line runs, from the box's top: below the
    // title, or just inside the top edge of a box without one.
    static int groupBoxFrameTop(const QGroupBox *box);

    QIcon standardIcon(StandardPixmap icon, const QStyleOption *option = nullptr,
                       const QWidget *widget = nullptr) const override;
};
