#pragma once

#include "Rgb.h"
#include "Twips.h"

#include <QColor>
#include <QRect>
#include <QString>
#include <string_view>

namespace zorbitan {

inline QColor toQColor(Rgb rgb) { return {rgb.red, rgb.green, rgb.blue}; }

inline QRect toPixels(const TwipRect& rect)
{
    return {twipsToPixels(rect.left), twipsToPixels(rect.top), twipsToPixels(rect.width), twipsToPixels(rect.height)};
}

inline QString toQString(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace zorbitan
