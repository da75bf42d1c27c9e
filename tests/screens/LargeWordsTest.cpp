// SPDX-FileCopyrightText: 2026 The Zorbitan developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Words in faces too large for Qt to keep its letters drawn are drawn by the game, bold
// Tahoma thickened as FreeType thickens it in smaller faces.

#include "Fonts.h"
#include "widgets/BoldOutlines.h"

#include <QtWidgets>
#include <gtest/gtest.h>

namespace {
// Closed on its first point, as a letter's outline is.
QPainterPath square(QRectF r)
{
    QPainterPath path(r.topLeft());
    for (const QPointF& corner : {r.topRight(), r.bottomRight(), r.bottomLeft(), r.topLeft()}) {
        path.lineTo(corner);
    }
    return path;
}

// The label in the face, drawn by the game's style or by another, on a device of the pixel ratio.
QImage drawn(const QFont& font, QStyle* style = nullptr, qreal ratio = 1)
{
    QLabel label(QStringLiteral("ZORBITAN Take a card 42"));
    label.setFont(font);
    label.setStyle(style != nullptr ? style : QApplication::style());
    label.resize(label.sizeHint());
    QImage image(label.size() * ratio, QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    label.render(&image);
    image.setDevicePixelRatio(1);
    return image.convertToFormat(QImage::Format_Grayscale8);
}

// How much of the image is ink, each pixel by how dark it is on Fusion's grey; and the share
// of the other's dark pixels that are dark in it too.
std::pair<double, double> inkOf(const QImage& image, const QImage& other)
{
    double ink = 0;
    int dark = 0;
    int both = 0;
    for (int i = 0; i < image.width() * image.height(); ++i) {
        const QPoint at(i % image.width(), i / image.width());
        ink += 1 - qGray(image.pixel(at)) / 239.0;
        const bool there = other.valid(at) && qGray(other.pixel(at)) < 120;
        dark += there ? 1 : 0;
        both += there && qGray(image.pixel(at)) < 120 ? 1 : 0;
    }
    return {ink, 1.0 * both / dark};
}
} // namespace

// A stroke of 2 widens a square by 1 on each side and moves it up and right by 1; its hole
// narrows alike. Points repeated along the outline change nothing.
TEST(LargeWords, AnOutlineIsThickenedAsFreeTypeThickensIt)
{
    QPainterPath outline = square({0, 0, 10, 10});
    outline.addPath(square({3, 3, 4, 4}).toReversed());
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
        const QImage at63 = drawn(sized(face, 63), qts.get());
        const QImage at64 = drawn(sized(face, 64), qts.get());
        const double thickening = inkOf(at63, at63).first / inkOf(at64, at64).first * 64 * 64 / (63 * 63);
        const QImage byQt = drawn(sized(face, 80), qts.get());
        for (const QImage& byTheGame : {drawn(sized(face, 80)), drawn(sized(face, 40), nullptr, 2)}) {
            const auto [ink, covered] = inkOf(byTheGame, byQt);
            EXPECT_NEAR(ink / inkOf(byQt, byQt).first, thickening, 0.05) << name;
            EXPECT_GE(covered, 0.95) << name;
        }
    }
}
