// SPDX-FileCopyrightText: 2026 The Zorbitan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ScreenScale.h"

#include "Board.h"
#include "Fonts.h"
#include "GamePaths.h"
#include "GameWindow.h"
#include "QtConversions.h"
#include "ScreenStyle.h"
#include "layout/ScreenLayout.h"
#include "widgets/ClickLabel.h"
#include "widgets/ControlSync.h"
#include "widgets/ShapeWidget.h"

#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QPixmap>
#include <algorithm>
#include <cmath>

namespace zorbitan {

namespace {
// What each control remembers of its design, as properties of its own.
constexpr const char* designedPlace = "zorbitanTwips";
constexpr const char* designedFace = "zorbitanFacePixels";
constexpr const char* designedPicture = "zorbitanPicture";
constexpr const char* largerPictures = "zorbitanLargerPictures";
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

QString wordsOn(const QWidget& control)
{
    if (const auto* label = qobject_cast<const QLabel*>(&control)) {
        return label->text();
    }
    const auto* box = qobject_cast<const QAbstractButton*>(&control);
    return box != nullptr ? box->text() : QString();
}

// Whether the control's words, wrapped at words where the control wraps them, stay inside
// its box in the face.
bool wordsFit(const QWidget& control, const QString& words, const QFont& face)
{
    const QFontMetrics metrics(face);
    if (const auto* box = qobject_cast<const QCheckBox*>(&control)) { // its square and gap stay as they are
        const int besideWords = box->sizeHint().width() - box->fontMetrics().horizontalAdvance(words);
        return besideWords + metrics.horizontalAdvance(words) <= box->width();
    }
    const auto& label = static_cast<const QLabel&>(control);
    const QRect room = label.contentsRect();
    const QRect needed = metrics.boundingRect(room, label.alignment() | Qt::TextWordWrap, words);
    return needed.width() <= room.width() && needed.height() <= room.height();
}

// The design's face at the scale. A face in whole pixels is not the design's times the
// scale, and letters at one size are not all the same fraction wider than at another, so
// words with little room to spare at the design's size could break onto one more line or
// out of their box: there the face is made a pixel or two smaller, until they fit.
void scaleFace(QWidget& control, const ScreenScale& scale)
{
    QVariant face = control.property(designedFace);
    if (!face.isValid()) {
        face = control.font().pixelSize();
        control.setProperty(designedFace, face);
    }
    if (face.toInt() <= 0) {
        return;
    }
    QFont font = control.font();
    font.setPixelSize(scale.pixels(face.toInt()));
    const QString words = wordsOn(control);
    const auto* label = qobject_cast<const QLabel*>(&control);
    const bool wraps = label == nullptr || (label->wordWrap() && !label->property(growsToFit).toBool());
    if (scale.scale != 1 && wraps && !words.isEmpty()) {
        const int smallest = static_cast<int>(face.toInt() * scale.scale * 0.9);
        while (font.pixelSize() > smallest && !wordsFit(control, words, font)) {
            font.setPixelSize(font.pixelSize() - 1);
        }
    }
    if (control.font().pixelSize() != font.pixelSize()) {
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
    QPixmap source = picture; // the smallest drawing as large as wanted, else the largest there is
    QVariantList larger = label.property(largerPictures).toList();
    for (auto drawing = larger.begin(); drawing != larger.end() && source.width() < wanted.width(); ++drawing) {
        if (drawing->typeId() == QMetaType::QString) { // each file read once, when it is first wanted
            *drawing = readPicture(drawing->toString());
        }
        const auto read = drawing->value<QPixmap>();
        source = read.isNull() ? source : read;
    }
    label.setProperty(largerPictures, larger);
    source.setDevicePixelRatio(1); // shown pixel for pixel, whatever "@2x" in its name says
    label.setPixmap(wanted == source.size() ? source
                                            : source.scaled(wanted, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
}

QFont fontOf(const Face& face)
{
    return face.family == FaceFamily::Tahoma ? tahoma(face.points, face.bold) : arial(face.points, face.bold);
}

QString wordsOf(const ScreenLayout& layout, const ControlLayout& row)
{
    switch (row.wordsAre) {
    case Words::OfTheScreen: return screensOwn(layout, row.words);
    case Words::OfTheGame: return translated(row.words);
    case Words::AsTheyStand: break;
    }
    return QString::fromUtf8(row.words);
}

template <typename Label> Label* makeStyled(QWidget& screen, const ControlLayout& row)
{
    auto* label = new Label(&screen);
    styleLabel(*label, fontOf(row.face));
    setTextColour(*label, row.colour);
    return label;
}

QWidget* makeControl(QWidget& screen, const ControlLayout& row)
{
    switch (row.kind) {
    case ControlKind::Label: return makeStyled<QLabel>(screen, row);
    case ControlKind::Text: {
        auto* text = makeStyled<QLabel>(screen, row);
        text->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        return text;
    }
    case ControlKind::ClickLabel: return makeStyled<ClickLabel>(screen, row);
    case ControlKind::Button: return makeStyled<ButtonLabel>(screen, row);
    case ControlKind::TickBox: return makeCheckBox(&screen, fontOf(row.face));
    case ControlKind::Fill: return new ShapeWidget(&screen);
    case ControlKind::Picture:
    case ControlKind::ClickPicture: {
        QLabel* picture = row.kind == ControlKind::Picture ? new QLabel(&screen) : new ClickLabel(&screen);
        picture->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        return picture;
    }
    case ControlKind::Frame: {
        auto* frame = new QFrame(&screen);
        paintBackground(*frame, row.colour);
        return frame;
    }
    }
    return nullptr;
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

void showPicture(QLabel& label, const QPixmap& picture, const QStringList& largerFiles)
{
    label.setProperty(designedPicture, picture.isNull() ? QVariant() : QVariant(picture));
    label.setProperty(largerPictures, largerFiles);
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

void showWords(QWidget& control, const QString& words)
{
    if (auto* clickable = qobject_cast<ClickLabel*>(&control)) {
        clickable->setText(words);
    } else if (auto* label = qobject_cast<QLabel*>(&control)) {
        label->setText(words);
    } else if (auto* box = qobject_cast<QCheckBox*>(&control)) {
        box->setText(words);
    }
    scaleFace(control, scaleOf(control));
}

QString screensOwn(const ScreenLayout& layout, const char* words)
{
    const QByteArray context = QByteArrayLiteral("zorbitan::") + layout.name;
    return QCoreApplication::translate(context.constData(), words);
}

QHash<QString, QWidget*> buildControls(QWidget& screen, const ScreenLayout& layout)
{
    QHash<QString, QWidget*> controls;
    const auto add = [&](const ControlLayout& row, const QString& name, const TwipRect& rect) {
        QWidget* control = makeControl(screen, row);
        control->setObjectName(name);
        place(*control, rect);
        if (row.words != nullptr) {
            showWords(*control, wordsOf(layout, row));
        }
        controls.insert(name, control);
    };
    for (const ControlLayout& row : layout.controls) {
        const QString name = QString::fromLatin1(row.name);
        if (!row.onEverySquare) {
            add(row, name, row.place);
            continue;
        }
        for (int n = board::firstNumber; n <= board::lastNumber; ++n) {
            TwipRect square = row.place;
            square.left += board::columnOf(n) * boardPitchTwips;
            square.top += board::rowOf(n) * boardPitchTwips;
            add(row, QStringLiteral("%1_%2").arg(name).arg(n), square);
        }
    }
    return controls;
}

void layOut(QWidget& screen, const ScreenScale& scale)
{
    for (QWidget* control : screen.findChildren<QWidget*>()) {
        applyScale(*control, scale);
    }
}

void keepWordsAbove(QWidget& screen, int bottom)
{
    for (QLabel* label : screen.findChildren<QLabel*>(Qt::FindDirectChildrenOnly)) {
        if (label->text().isEmpty() || label->geometry().bottom() < bottom) {
            continue;
        }
        const QFontMetrics metrics(label->font());
        const QRect lines =
            metrics.boundingRect(label->contentsRect(), label->alignment() | Qt::TextWordWrap, label->text());
        const int rows = std::max(1, static_cast<int>(std::lround(1.0 * lines.height() / metrics.lineSpacing())));
        const int baseline =
            label->y() + label->contentsRect().top() + (rows - 1) * metrics.lineSpacing() + metrics.ascent();
        const int lowest = baseline + metrics.tightBoundingRect(label->text()).bottom() + 1;
        if (lowest > bottom) {
            label->move(label->x(), label->y() - (lowest - bottom));
        }
    }
}

} // namespace zorbitan
