// SPDX-FileCopyrightText: 2026 The Zorbitan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ClickLabel.h"

#include "KeyboardFocus.h"
#include "ShapeWidget.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace zorbitan {

ClickLabel::ClickLabel(QWidget* parent) : QLabel(parent) {}

void ClickLabel::activate()
{
    if (isEnabled()) {
        emit clicked();
    }
}

void ClickLabel::setText(const QString& text)
{
    withoutEditor([&] {
        QLabel::setText(text);
        return true;
    });
}

bool ClickLabel::event(QEvent* event)
{
    if (event->type() == QEvent::Polish) {
        return withoutEditor([&] { return QLabel::event(event); });
    }
    return QLabel::event(event);
}

// Past QLabel's on purpose: it would build the editor.
void ClickLabel::focusInEvent(QFocusEvent* event)
{
    QFrame::focusInEvent(event); // NOLINT(bugprone-parent-virtual-call)
}

void ClickLabel::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
        emit clicked();
    }
    QLabel::mouseReleaseEvent(event);
}

void ClickLabel::keyPressEvent(QKeyEvent* event)
{
    if (isActivationKey(*event) && !event->isAutoRepeat()) {
        activate();
        event->accept();
        return;
    }
    QLabel::keyPressEvent(event);
}

ButtonLabel::ButtonLabel(QWidget* parent) : ClickLabel(parent) { setFocusPolicy(Qt::TabFocus); }

void ButtonLabel::setBoxColours(const QColor& fill, const QColor& border)
{
    fill_ = fill;
    border_ = border;
    update();
}

void ButtonLabel::paintEvent(QPaintEvent* event)
{
    {
        QPainter painter(this);
        paintBox(painter, rect(), fill_, border_);
    }
    QLabel::paintEvent(event);
    if (showsFocusMark(*this)) {
        QPainter painter(this);
        paintFocusMark(painter, rect(), palette().color(QPalette::WindowText));
    }
}

} // namespace zorbitan
