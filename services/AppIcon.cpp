// SPDX-FileCopyrightText: 2026 The Zorbitan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "AppIcon.h"

#include "Players.h"
#include "QtConversions.h"

#include <QPainter>
#include <array>
#include <vector>

namespace zorbitan {

namespace {
constexpr double canvas = 64; // the icon is described on a 64-unit square

struct IconShape {
    bool disc; // a circle in the shape's box, else a rounded box
    double x, y, size;
    Rgb fill;
    Rgb rim;
    double rimWidth;
};

// Back to front: the red game screen, nine squares, three counters on the diagonal.
std::vector<IconShape> iconShapes()
{
    constexpr std::array<Rgb, 9> squares{colours::yellow, colours::magenta, colours::blue,
                                         colours::orange, colours::green,   colours::yellow,
                                         colours::blue,   colours::magenta, colours::orange};
    constexpr double margin = 5;
    constexpr double square = 16;
    constexpr double gap = 2;
    std::vector<IconShape> shapes{{false, 0, 0, canvas, colours::red, colours::black, 2}};
    for (int row = 0; row < 3; ++row) {
        for (int column = 0; column < 3; ++column) {
            const Rgb colour = squares.at((static_cast<std::size_t>(row) * 3) + static_cast<std::size_t>(column));
            shapes.push_back({false, margin + column * (square + gap), margin + row * (square + gap), square, colour,
                              colours::black, 1});
        }
    }
    const Rgb counter = playerAtIndex(0).colour;
    for (int k = 0; k < 3; ++k) {
        const double at = margin + k * (square + gap) + 1.5;
        shapes.push_back({true, at, at, square - 3, counter, colours::white, 2});
    }
    return shapes;
}

QString svgColour(Rgb rgb) { return toQColor(rgb).name(); }
} // namespace

QImage drawAppIcon(int size)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(size / canvas, size / canvas);
    for (const IconShape& shape : iconShapes()) {
        const double inset = shape.rimWidth / 2;
        const QRectF box(shape.x + inset, shape.y + inset, shape.size - shape.rimWidth, shape.size - shape.rimWidth);
        painter.setPen(QPen(toQColor(shape.rim), shape.rimWidth));
        painter.setBrush(toQColor(shape.fill));
        if (shape.disc) {
            painter.drawEllipse(box);
        } else {
            painter.drawRoundedRect(box, 2, 2);
        }
    }
    return image;
}

QIcon appIcon()
{
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64}) {
        icon.addPixmap(QPixmap::fromImage(drawAppIcon(size)));
    }
    return icon;
}

QByteArray appIconSvg()
{
    QString svg = QStringLiteral("<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"64\" height=\"64\" "
                                 "viewBox=\"0 0 64 64\">\n");
    for (const IconShape& shape : iconShapes()) {
        const double inset = shape.rimWidth / 2;
        const double side = shape.size - shape.rimWidth;
        const QString paint = QStringLiteral("fill=\"%1\" stroke=\"%2\" stroke-width=\"%3\"")
                                  .arg(svgColour(shape.fill), svgColour(shape.rim))
                                  .arg(shape.rimWidth);
        if (shape.disc) {
            svg += QStringLiteral("  <circle cx=\"%1\" cy=\"%2\" r=\"%3\" %4/>\n")
                       .arg(shape.x + shape.size / 2)
                       .arg(shape.y + shape.size / 2)
                       .arg(side / 2)
                       .arg(paint);
        } else {
            svg += QStringLiteral("  <rect x=\"%1\" y=\"%2\" width=\"%3\" height=\"%3\" rx=\"2\" %4/>\n")
                       .arg(shape.x + inset)
                       .arg(shape.y + inset)
                       .arg(side)
                       .arg(paint);
        }
    }
    svg += QStringLiteral("</svg>\n");
    return svg.toUtf8();
}

} // namespace zorbitan
