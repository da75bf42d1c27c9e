// SPDX-FileCopyrightText: 2026 The Zorbitan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ControlSync.h"

#include "QtConversions.h"
#include "ScreenScale.h"
#include "ShapeWidget.h"

#include <QLabel>

namespace zorbitan {

void syncVisible(QWidget& widget, bool visible)
{
    if (widget.isVisibleTo(widget.parentWidget()) != visible) {
        widget.setVisible(visible);
    }
}

void setTextColour(QLabel& widget, Rgb colour)
{
    const QColor wanted = toQColor(colour);
    QPalette palette = widget.palette();
    if (palette.color(QPalette::Active, QPalette::WindowText) == wanted) {
        return;
    }
    palette.setColor(QPalette::Active, QPalette::WindowText, wanted);
    palette.setColor(QPalette::Inactive, QPalette::WindowText, wanted);
    palette.setColor(QPalette::Disabled, QPalette::WindowText, QColor(128, 128, 128));
    widget.setPalette(palette);
}

QString LabelCaptions::text(const QLabel& widget, const Label& label)
{
    if (label.literal) {
        return toQString(label.caption);
    }
    Shown& shown = shown_[&widget];
    if (shown.text.isNull() || shown.caption != label.caption || shown.numbers != label.numbers ||
        shown.count != label.count) {
        shown = {label.caption, label.numbers, label.count, translated(label.caption, label.numbers, label.count)};
    }
    return shown.text;
}

void syncLabel(QLabel& widget, const Label& label, LabelCaptions& captions)
{
    const QString caption = captions.text(widget, label);
    if (widget.text() != caption) {
        showWords(widget, caption);
    }
    setTextColour(widget, label.foreColor);
    if (widget.isEnabled() != label.enabled) {
        widget.setEnabled(label.enabled);
    }
    syncVisible(widget, label.visible);
}

void syncShape(ShapeWidget& widget, const Shape& shape)
{
    widget.setColours(toQColor(shape.fillColor), toQColor(shape.borderColor));
    syncVisible(widget, shape.visible);
}

} // namespace zorbitan
