// SPDX-FileCopyrightText: 2026 The Zorbitan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ScreenScale.h"

#include "Fonts.h"
#include "GameWindow.h"
#include "QtConversions.h"

#include <QLabel>
#include <QPixmap>
#include <cmath>

namespace zorbitan {

namespace {
// What each control remembers of its design, as properties of its own.
constexpr const char* designedPlace = "zorbitanTwips";
constexpr const char* designedFace = "zorbitanFacePixels";
constexpr const char* designedPicture = "zorbitanPicture";
constexpr const char* growsToFit = "zorbitanGrowsToFit";

void widenToFit(QLabel& label)
{
    registerGameFonts(); // no word is measured before the game's faces are ready
    const int needed = label.fontMetrics().horizontalAdvance(label.text()) + 4;
    if (needed > label.width()) {
        QRect wider = label.geometry();
        wider.setLeft(wider.center().x() - needed / 2);
        wider.setWidth(needed);
        label.setGeometry(wider);
    }
}

void scaleFace(QWidget& control, const ScreenScale& scale)
{
    QVariant face = control.property(designedFace);
    if (!face.isValid()) {
        face = control.font().pixelSize();
        control.setProperty(designedFace, face);
    }
    const int wanted = scale.pixels(face.toInt());
    if (face.toInt() > 0 && control.font().pixelSize() != wanted) {
        QFont font = control.font();
        font.setPixelSize(wanted);
        control.setFont(font);
    }
}

// A picture newly shown, or one shown at another size, is drawn at the scale.
void scalePicture(QLabel& label, const ScreenScale& scale, bool newPicture = false)
{
    const auto picture = label.property(designedPicture).value<QPixmap>();
    const QSize wanted(scale.pixels(picture.width()), scale.pixels(picture.height()));
    if (picture.isNull() || (!newPicture && label.pixmap().size() == wanted)) {
        return;
    }
    label.setPixmap(wanted == picture.size() ? picture
                                             : picture.scaled(wanted, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
}

void applyScale(QWidget& control, const ScreenScale& scale)
{
    const QRect twips = control.property(designedPlace).toRect();
    if (!twips.isNull()) {
        const QRect pixels = scale.toPixels({twips.x(), twips.y(), twips.width(), twips.height()});
        if (control.geometry() != pixels) {
            control.setGeometry(pixels);
        }
    }
    scaleFace(control, scale);
    if (auto* label = qobject_cast<QLabel*>(&control)) {
        scalePicture(*label, scale);
        if (label->property(growsToFit).toBool()) {
            widenToFit(*label);
        }
    }
}
} // namespace

QRect ScreenScale::toPixels(const TwipRect& rect) const { return zorbitan::toPixels(rect, scale).translated(origin); }

int ScreenScale::pixels(int designPixels) const { return static_cast<int>(std::lround(designPixels * scale)); }

ScreenScale scaleOf(const QWidget& control)
{
    for (const QWidget* widget = &control; widget != nullptr; widget = widget->parentWidget()) {
        if (const auto* screen = dynamic_cast<const GameWindow*>(widget)) {
            return screen->screenScale();
        }
    }
    return {};
}

void place(QWidget& control, const TwipRect& rect)
{
    control.setProperty(designedPlace, QRect(rect.left, rect.top, rect.width, rect.height));
    applyScale(control, scaleOf(control));
}

void showPicture(QLabel& label, const QPixmap& picture)
{
    label.setProperty(designedPicture, picture.isNull() ? QVariant() : QVariant(picture));
    if (picture.isNull()) {
        label.clear();
    }
    scalePicture(label, scaleOf(label), true);
}

QSize designedPictureSize(const QLabel& label) { return label.property(designedPicture).value<QPixmap>().size(); }

void growToFit(QLabel& label)
{
    label.setProperty(growsToFit, true);
    widenToFit(label);
}

void layOut(QWidget& screen, const ScreenScale& scale)
{
    for (QWidget* control : screen.findChildren<QWidget*>()) {
        applyScale(*control, scale);
    }
}

} // namespace zorbitan
