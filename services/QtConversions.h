// SPDX-FileCopyrightText: 2026 The Zorbitan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "GameText.h"
#include "Rgb.h"
#include "Twips.h"

#include <QColor>
#include <QCoreApplication>
#include <QRect>
#include <QString>
#include <QStringList>
#include <string_view>
#include <vector>

namespace zorbitan {

inline QColor toQColor(Rgb rgb) { return {rgb.red, rgb.green, rgb.blue}; }

// Each edge to its nearest pixel, so that neighbours stay neighbours at every scale.
inline QRect toPixels(const TwipRect& rect, double scale)
{
    const QPoint topLeft(twipsToPixels(rect.left, scale), twipsToPixels(rect.top, scale));
    const QPoint end(twipsToPixels(rect.right(), scale), twipsToPixels(rect.bottom(), scale));
    return {topLeft, QSize(end.x() - topLeft.x(), end.y() - topLeft.y())};
}

inline QString toQString(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// A text of the game as the players read it, in their language where it has one, with
// the numbers given filled into its %1, %2; a count picks a language's singular or plural.
inline QString translated(std::string_view gameText, const std::vector<int>& numbers = {}, int count = -1)
{
    QString text = QCoreApplication::translate(gameTextContext, std::string(gameText).c_str(), nullptr, count);
    for (std::size_t i = 0; i < numbers.size(); ++i) {
        text.replace(QLatin1Char('%') + QString::number(i + 1), QString::number(numbers[i]));
    }
    return text;
}

// The game's list of answers ("2, 3, 5, 7") as the players' language writes a list of
// whole numbers: "2 ; 3 ; 5 ; 7" in French, where the comma marks decimals.
inline QString translatedList(std::string_view gameList)
{
    const QStringList numbers = toQString(gameList).split(QStringLiteral(", "));
    QString list = numbers.first();
    for (qsizetype n = 1; n < numbers.size(); ++n) {
        list = QCoreApplication::translate(gameTextContext, gameText("GameText", "%1, %2")).arg(list, numbers[n]);
    }
    return list;
}

} // namespace zorbitan
