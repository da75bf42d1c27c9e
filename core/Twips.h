// SPDX-FileCopyrightText: 2026 The Zorbitan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

namespace zorbitan {

// The layout is designed in twips: 1/1440 inch, 15 to a pixel at 96 dpi.
inline constexpr int twipsPerPixel = 15;

constexpr int twipsToPixels(int twips)
{
    const int half = twipsPerPixel / 2;
    return (twips >= 0 ? twips + half : twips - half) / twipsPerPixel;
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
