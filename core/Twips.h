// SPDX-FileCopyrightText: 2026 The Zorbitan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

namespace zorbitan {

// The layout is designed in twips: 1/1440 inch, 15 to a pixel at 96 dpi. The player may
// show it larger or smaller: at scale 2 a twip is two fifteenths of a pixel.
inline constexpr int twipsPerPixel = 15;

// The one conversion of the layout to pixels, to the nearest pixel. A whole number of
// twips is never half a pixel away from two, so at scale 1 it is exact.
constexpr int twipsToPixels(int twips, double scale)
{
    const double pixels = twips * scale / twipsPerPixel;
    return static_cast<int>(pixels >= 0 ? pixels + 0.5 : pixels - 0.5);
}

constexpr int pixelsToTwips(int pixels) { return pixels * twipsPerPixel; }

struct TwipRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;

    constexpr int right() const { return left + width; }
    constexpr int bottom() const { return top + height; }
    friend constexpr bool operator==(const TwipRect&, const TwipRect&) = default;
};

} // namespace zorbitan
