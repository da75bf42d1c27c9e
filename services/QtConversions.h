#pragma once

#include "GameText.h"
#include "Rgb.h"
#include "Twips.h"

#include <QColor>
#include <QCoreApplication>
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

// A text of the game as the players read it, in their language where it has one. Sums,
// numbers and the game's name come back as they are.
inline QString translated(std::string_view gameText)
{
    return QCoreApplication::translate(gameTextContext, std::string(gameText).c_str());
}

} // namespace zorbitan
