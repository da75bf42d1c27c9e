// SPDX-FileCopyrightText: 2026 The Zorbitan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "LargeWords.h"

#include "BoldOutlines.h"
#include "Fonts.h"

#include <QCache>
#include <QGlyphRun>
#include <QPainter>
#include <QRawFont>
#include <QTextLayout>

namespace zorbitan {

namespace {
// A letter drawn once: where its picture's corner stands from the letter's origin.
struct Letter {
    QPoint corner;
    QImage picture;
};

// The drawn letters, by face, size, glyph and colour; a few screens' worth at 4K.
QCache<QString, Letter>& drawnLetters()
{
    static QCache<QString, Letter> letters(qsizetype{16} * 1024 * 1024);
    return letters;
}

QPainterPath outlineOf(const QRawFont& face, quint32 glyph, bool thicken)
{
    const QPainterPath outline = face.pathForGlyph(glyph);
    return thicken && face.pixelSize() >= smallestOutlinedFace ? emboldened(outline, face.pixelSize() / 24) : outline;
}

Letter letterOf(const QRawFont& face, quint32 glyph, bool thicken, const QBrush& colour)
{
    const QString key = QStringLiteral("%1 %2 %3 %4 %5 %6")
                            .arg(face.familyName())
                            .arg(face.weight())
                            .arg(face.style())
                            .arg(face.pixelSize())
                            .arg(glyph)
                            .arg(colour.color().rgba());
    if (const Letter* drawn = drawnLetters().object(key)) {
        return *drawn;
    }
    const QPainterPath outline = outlineOf(face, glyph, thicken);
    const QRect bounds = outline.boundingRect().toAlignedRect().adjusted(-1, -1, 1, 1);
    Letter letter{bounds.topLeft(), QImage(bounds.size(), QImage::Format_ARGB32_Premultiplied)};
    letter.picture.fill(Qt::transparent);
    QPainter painter(&letter.picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    painter.drawPath(outline.translated(-bounds.topLeft()));
    painter.end();
    drawnLetters().insert(key, new Letter(letter), letter.picture.sizeInBytes());
    return letter;
}
} // namespace

void drawWords(QPainter& painter, const QPointF& baseline, const QFont& font, const QString& words,
               const QBrush& colour)
{
    // Where the painter scales (a screen of more than one pixel to the point), the letters
    // are filled from their outlines at its scale.
    const bool copied = painter.deviceTransform().type() <= QTransform::TxTranslate;
    QTextLayout layout(words, font);
    layout.beginLayout();
    const QTextLine line = layout.createLine();
    layout.endLayout();
    const bool thicken = boldMadeFromRegular(font);
    for (const QGlyphRun& run : layout.glyphRuns()) {
        const QRawFont face = run.rawFont();
        const QList<quint32> glyphs = run.glyphIndexes();
        const QList<QPointF> positions = run.positions();
        for (qsizetype i = 0; i < glyphs.size(); ++i) {
            const QPointF origin = baseline + positions[i] - QPointF(0, line.ascent());
            if (copied) {
                const Letter letter = letterOf(face, glyphs[i], thicken, colour);
                painter.drawImage(origin.toPoint() + letter.corner, letter.picture);
            } else {
                painter.fillPath(outlineOf(face, glyphs[i], thicken).translated(origin), colour);
            }
        }
    }
}

} // namespace zorbitan
