// SPDX-FileCopyrightText: 2026 The Zorbitan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>

namespace zorbitan {

// A 24-bit colour. The game's tables give colours either as (red, green, blue)
// or as 0x00BBGGRR; both forms land here.
struct Rgb {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;

    friend constexpr bool operator==(Rgb, Rgb) = default;
};

constexpr Rgb fromBgrValue(std::uint32_t bgr)
{
    return Rgb{static_cast<std::uint8_t>(bgr & 0xFFU), static_cast<std::uint8_t>((bgr >> 8U) & 0xFFU),
               static_cast<std::uint8_t>((bgr >> 16U) & 0xFFU)};
}

namespace colours {
inline constexpr Rgb black{0, 0, 0};
inline constexpr Rgb white{255, 255, 255};
inline constexpr Rgb red{255, 0, 0};
inline constexpr Rgb green{0, 255, 0};
inline constexpr Rgb blue{0, 0, 255};
inline constexpr Rgb yellow{255, 255, 0};
inline constexpr Rgb magenta{255, 0, 255};
inline constexpr Rgb orange{255, 128, 0};
inline constexpr Rgb purple{128, 0, 128};
inline constexpr Rgb paleBlue{192, 192, 255};
inline constexpr Rgb buttonBlue{128, 128, 255};
} // namespace colours

} // namespace zorbitan
