// SPDX-FileCopyrightText: 2026 The Zorbitan developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Words in faces too large for Qt to keep its letters drawn are drawn by the game, bold
// Tahoma thickened as FreeType thickens it in smaller faces.

#include "Fonts.h"
#include "widgets/BoldOutlines.h"

#include <QtWidgets>
#include <gtest/gtest.h>

namespace {
QPainterPath square(QRectF r, bool clockwise)
{
    QPainterPath path(r.topLeft());
    const QList<QPointF> corners = clockwise ? QList{r.topRight(), r.bottomRight(), r.bottomLeft()}
                                             : QList{r.bottomLeft(), r.bottomRight(), r.topRight()};
    for (const QPointF& corner : corners) {
        path.lineTo(corner);
    }
    path.lineTo(r.topLeft()); // closed on its first point, as a letter's outline is
    return path;
}

// The label in the face, drawn by the game's style or by another, on a device of the pixel ratio.
QImage drawn(const QFont& font, QStyle* style = nullptr, qreal ratio = 1)
{
    QLabel label(QStringLiteral("ZORBITAN Take a card 42"));
    label.setFont(font);
    if (style != nullptr) {
        label.setStyle(style);
    }
    label.resize(label.sizeHint());
    QImage image(label.size() * ratio, QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    label.render(&image);
    image.setDevicePixelRatio(1);
    return image.convertToFormat(QImage::Format_Grayscale8);
}

// How much of the image is ink: each pixel by how dark it is.
double inkOf(const QImage& image)
{
    double ink = 0;
    for (int i = 0; i < image.width() * image.height(); ++i) {
        ink += 1 - qGray(image.pixel(i % image.width(), i / image.width())) / 239.0; // on Fusion's grey
    }
    return ink;
}

// The share of the other's dark pixels that are dark in the image too.
double covered(const QImage& image, const QImage& other)
{
    int dark = 0;
    int both = 0;
    for (int y = 0; y < std::min(image.height(), other.height()); ++y) {
        for (int x = 0; x < std::min(image.width(), other.width()); ++x) {
            dark += qGray(other.pixel(x, y)) < 120 ? 1 : 0;
            both += qGray(other.pixel(x, y)) < 120 && qGray(image.pixel(x, y)) < 120 ? 1 : 0;
        }
    }
    return 1.0 * both / dark;
}
} // namespace

// A stroke of 2 widens a square by 1 on each side and moves it up and right by 1; its hole
// narrows alike. Points repeated along the outline change nothing.
TEST(LargeWords, AnOutlineIsThickenedAsFreeTypeThickensIt)
{
    QPainterPath outline = square({0, 0, 10, 10}, true);
    outline.addPath(square({3, 3, 4, 4}, false));
    const QPainterPath bold = zorbitan::emboldened(outline, 2);
    EXPECT_EQ(bold.boundingRect(), QRectF(0, -2, 12, 12));
    EXPECT_TRUE(bold.contains(QPointF(4.5, 5.5)) && !bold.contains(QPointF(6, 4)));
    QPainterPath repeated(QPointF(0, 0));
    repeated.lineTo(10, 0);
    repeated.cubicTo(10, 0, 10, 10, 10, 10); // a straight edge as a curve, its handles on its ends
    repeated.lineTo(0, 10);
    repeated.lineTo(0, 0);
    EXPECT_EQ(zorbitan::emboldened(repeated, 2).boundingRect(), QRectF(0, -2, 12, 12));
}

// Drawn by the game in a face of 80 px, on a plain screen or on one of two pixels to the point,
// words stand where Qt's own drawing puts them, and are as much heavier than it as Qt's own bold
// in a face of 63 px is than its bold of 64, the first that Qt leaves unthickened.
TEST(LargeWords, StandAndWeighAsQtDrawsThemInSmallerFaces)
{
    const std::unique_ptr<QStyle> qts(QStyleFactory::create(QStringLiteral("Fusion")));
    const auto sized = [](QFont font, int pixels) {
        font.setPixelSize(pixels);
        return font;
    };
    for (const QFont& face : {zorbitan::tahoma(30), zorbitan::arial(30), zorbitan::arial(30, false)}) {
        const std::string name = face.family().toStdString() + (face.bold() ? " bold" : "");
        const double thickening =
            inkOf(drawn(sized(face, 63), qts.get())) / inkOf(drawn(sized(face, 64), qts.get())) * 64 * 64 / (63 * 63);
        const QImage byQt = drawn(sized(face, 80), qts.get());
        for (const QImage& byTheGame : {drawn(sized(face, 80)), drawn(sized(face, 40), nullptr, 2)}) {
            EXPECT_NEAR(inkOf(byTheGame) / inkOf(byQt), thickening, 0.05) << name;
            EXPECT_GE(covered(byTheGame, byQt), 0.95) << name;
        }
    }
}
