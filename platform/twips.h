// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRect>
#include <cmath>

namespace platform {

// Window layouts are measured in twips, 15 to a pixel.
constexpr int kTwipsPerPixel = 15;

inline int twipsToPixels(int twips)
{
    return static_cast<int>(std::lround(static_cast<double>(twips) / kTwipsPerPixel));
}

// A control's place: left, top, width and height in twips. Edges are rounded, not sizes, so
// controls that touch in twips touch on screen.
inline QRect twips(int left, int top, int width, int height)
{
    const int x = twipsToPixels(left);
    const int y = twipsToPixels(top);
    return QRect(x, y, twipsToPixels(left + width) - x, twipsToPixels(top + height) - y);
}

}  // namespace platform
