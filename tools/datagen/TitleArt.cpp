// SPDX-FileCopyrightText: 2026 The Zorbitan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "TitleArt.h"

#include "Board.h"
#include "CounterArt.h"
#include "Fonts.h"
#include "QtConversions.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <array>

namespace zorbitan::datagen {

namespace {
void paintSky(QPainter& painter, const QRect& area)
{
    QLinearGradient sky(area.topLeft(), area.bottomLeft());
    sky.setColorAt(0.0, QColor(18, 16, 64));
    sky.setColorAt(1.0, QColor(72, 22, 110));
    painter.fillRect(area, sky);
    // Stars at fixed, scattered places: the same picture on every build.
    unsigned seed = 7;
    painter.setPen(Qt::NoPen);
    for (int i = 0; i < 70; ++i) {
        seed = seed * 1103515245U + 12345U;
        const int x = static_cast<int>((seed >> 8U) % static_cast<unsigned>(area.width()));
        seed = seed * 1103515245U + 12345U;
        const int y = static_cast<int>((seed >> 8U) % static_cast<unsigned>(area.height()));
        painter.setBrush(QColor(255, 255, 220, 120 + static_cast<int>(seed % 135U)));
        painter.drawEllipse(QPointF(x, y), 0.9, 0.9);
    }
}

void paintPlanet(QPainter& painter, QPointF centre, double radius)
{
    painter.save();
    painter.translate(centre);
    const QRectF ring(-radius * 1.7, -radius * 0.45, radius * 3.4, radius * 0.9);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(255, 220, 120), radius * 0.12));
    painter.drawArc(ring, 0, 180 * 16); // the back of the ring
    QRadialGradient body(QPointF(-radius * 0.4, -radius * 0.4), radius * 1.6);
    body.setColorAt(0.0, QColor(255, 200, 90));
    body.setColorAt(1.0, QColor(200, 70, 30));
    painter.setPen(Qt::NoPen);
    painter.setBrush(body);
    painter.drawEllipse(QPointF(0, 0), radius, radius);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(255, 230, 150), radius * 0.12));
    painter.drawArc(ring, 180 * 16, 180 * 16); // the front of the ring
    painter.restore();
}

// The name in yellow with a dark outline, centred in the box.
void paintName(QPainter& painter, const QRectF& box, double points)
{
    const QFont font = tahoma(points);
    QPainterPath path;
    const QFontMetricsF metrics(font);
    const QString name = QStringLiteral("ZORBITAN");
    const double x = box.center().x() - metrics.horizontalAdvance(name) / 2.0;
    const double y = box.center().y() + (metrics.ascent() - metrics.descent()) / 2.0;
    path.addText(QPointF(x, y), font, name);
    // The outline first, then the letters over it, so the outline never eats into them.
    painter.strokePath(path, QPen(QColor(40, 0, 40), points / 6.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.fillPath(path, QColor(255, 255, 0));
}

// A corner of the board, five by five, with a blue line of three and a red rival.
void paintBoard(QPainter& painter, QPoint topLeft, double scale)
{
    constexpr int squares = 5;
    constexpr int size = 27;
    constexpr int gap = 3;
    constexpr int span = squares * size + (squares - 1) * gap;
    painter.fillRect(QRect(topLeft - QPoint(6, 6), QSize(span + 12, span + 12)), Qt::black);
    // Which player's counter stands on each square of the corner, by 0-based index; -1 for none.
    constexpr std::array<int, static_cast<std::size_t>(squares) * squares> counters{
        -1, -1, 1,  -1, -1, //
        -1, 0,  -1, -1, -1, //
        -1, -1, 0,  -1, 1,  //
        -1, -1, -1, 0,  -1, //
        2,  -1, -1, -1, 3,  //
    };
    painter.setFont(arial(9));
    for (int row = 0; row < squares; ++row) {
        for (int column = 0; column < squares; ++column) {
            const int n = row * board::side + column + 1 + 2 * board::side;
            const QRect square(topLeft + QPoint(column * (size + gap), row * (size + gap)), QSize(size, size));
            const SquareColour colour = designedSquareColour(n);
            const int owner = counters.at((static_cast<std::size_t>(row) * squares) + column);
            if (owner >= 0) {
                painter.drawImage(square, drawCounter(colour, owner, scale));
            } else {
                painter.fillRect(square, toQColor(squareColourInfo(colour).rgb));
                painter.setPen(Qt::black);
                painter.drawText(square, Qt::AlignCenter, QString::number(n));
            }
        }
    }
}
} // namespace

namespace {
// A picture of the size given, drawn at the scale on the sky.
QImage canvas(QSize size, double scale, QPainter& painter)
{
    QImage image(size * scale, QImage::Format_RGB32);
    painter.begin(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    if (scale != 1) {
        painter.scale(scale, scale);
    }
    paintSky(painter, QRect(QPoint(), size));
    return image;
}
} // namespace

QImage drawTitlePicture(double scale)
{
    QPainter painter;
    QImage image = canvas({320, 240}, scale, painter);
    paintPlanet(painter, QPointF(262, 150), 30);
    paintPlanet(painter, QPointF(40, 200), 12);
    paintBoard(painter, QPoint(80, 78), scale);
    paintName(painter, QRectF(0, 6, 320, 60), 30);
    return image;
}

QImage drawLogo(double scale)
{
    QPainter painter;
    QImage image = canvas({100, 139}, scale, painter);
    paintPlanet(painter, QPointF(50, 62), 24);
    paintName(painter, QRectF(0, 104, 100, 28), 10.5);
    return image;
}

} // namespace zorbitan::datagen
