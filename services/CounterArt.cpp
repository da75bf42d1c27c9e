// SPDX-FileCopyrightText: 2026 The Zorbitan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "CounterArt.h"

#include "Fonts.h"
#include "GamePaths.h"
#include "Players.h"
#include "QtConversions.h"

#include <QPainter>
#include <algorithm>
#include <cmath>
#include <optional>

namespace zorbitan {

namespace {
// Dark letters on the light discs, white ones on the dark discs.
QColor letterColour(Rgb disc) { return disc.green > 200 ? Qt::black : Qt::white; }

struct CounterName {
    SquareColour square;
    int playerIndex;
};

// "counters\yebl.bmp" -> yellow square, Blue player.
std::optional<CounterName> parseCounterName(std::string_view gamePath)
{
    const auto slash = gamePath.find_last_of('\\');
    const std::string_view file = slash == std::string_view::npos ? gamePath : gamePath.substr(slash + 1);
    if (file.size() < 4) {
        return std::nullopt;
    }
    const auto* square = std::ranges::find(squareColours, file.substr(0, 2), &SquareColourInfo::prefix);
    const auto* player = std::ranges::find(players, file.substr(2, 2), &Player::prefix);
    if (square == squareColours.end() || player == players.end()) {
        return std::nullopt;
    }
    return CounterName{square->colour, static_cast<int>(player - players.begin())};
}
} // namespace

QImage drawCounter(SquareColour square, int playerIndex, double scale)
{
    const Player& player = playerAtIndex(playerIndex);
    const int size = static_cast<int>(std::lround(counterPictureSize * scale));
    QImage image(size, size, QImage::Format_RGB32);
    image.fill(toQColor(squareColourInfo(square).rgb));

    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    if (size != counterPictureSize) {
        painter.scale(static_cast<double>(size) / counterPictureSize, static_cast<double>(size) / counterPictureSize);
    }
    const QRectF disc(3.5, 3.5, 33, 33);
    painter.setPen(QPen(Qt::black, 3));
    painter.setBrush(Qt::white);
    painter.drawEllipse(disc);
    painter.setPen(Qt::NoPen);
    painter.setBrush(toQColor(player.colour));
    painter.drawEllipse(disc.adjusted(4, 4, -4, -4));

    painter.setPen(letterColour(player.colour));
    painter.setFont(gameFont(QStringLiteral("Arial"), 12, true));
    painter.drawText(disc, Qt::AlignCenter, QString(QChar::fromLatin1(player.name.front())));
    return image;
}

CounterPictures::CounterPictures(const QDir& workingFolder) : workingFolder_(workingFolder) {}

QPixmap CounterPictures::picture(std::string_view gamePath)
{
    const QString key = toQString(gamePath);
    if (const auto cached = cache_.constFind(key); cached != cache_.constEnd()) {
        return *cached;
    }
    const QString path = resolveGamePath(gamePath, workingFolder_);
    QPixmap pixmap = readPicture(path);
    if (pixmap.isNull()) {
        if (const auto name = parseCounterName(gamePath)) {
            pixmap = QPixmap::fromImage(drawCounter(name->square, name->playerIndex));
        }
    }
    cache_.insert(key, pixmap);
    return pixmap;
}

QPixmap CounterPictures::picture(std::string_view gamePath, double scale)
{
    const QString key = toQString(gamePath) + QStringLiteral("@%1").arg(scale);
    if (const auto cached = cache_.constFind(key); cached != cache_.constEnd()) {
        return *cached;
    }
    const auto name = parseCounterName(gamePath);
    QPixmap pixmap = name ? QPixmap::fromImage(drawCounter(name->square, name->playerIndex, scale)) : QPixmap();
    cache_.insert(key, pixmap);
    return pixmap;
}

} // namespace zorbitan
