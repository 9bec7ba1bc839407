#pragma once

#include <QRect>

// The windows were laid out in twips; 15 twips are one pixel at 96 dpi,
// and Qt scales those pixels on denser screens.
namespace Twips {

constexpr int px(int twips)
{
    return twips / 15;
}

inline QRect rect(int left, int top, int width, int height)
{
    return QRect(px(left), px(top), px(width), px(height));
}

} // namespace Twips
