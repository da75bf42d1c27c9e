// SPDX-FileCopyrightText: 2026 The Zorbitan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ShapeWidget.h"

#include "ScreenScale.h"

#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

namespace zorbitan {

ShapeWidget::ShapeWidget(QWidget* parent) : QWidget(parent) { setAttribute(Qt::WA_TransparentForMouseEvents); }

void ShapeWidget::answerClicks() { setAttribute(Qt::WA_TransparentForMouseEvents, false); }

void ShapeWidget::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
        emit clicked();
    }
    QWidget::mouseReleaseEvent(event);
}

void ShapeWidget::setColours(const QColor& fill, const QColor& border)
{
    if (fill == fill_ && border == border_) {
        return;
    }
    fill_ = fill;
    border_ = border;
    update();
}

void ShapeWidget::paintEvent(QPaintEvent* /*event*/)
{
    QPainter painter(this);
    paintBox(painter, rect(), fill_, border_);
}

void paintBox(QPainter& painter, const QRect& box, const QColor& fill, const QColor& border)
{
    const auto* control = dynamic_cast<const QWidget*>(painter.device());
    const int edge = std::max(1, control != nullptr ? scaleOf(*control).pixels(1) : 1);
    painter.fillRect(box, border);
    painter.fillRect(box.adjusted(edge, edge, -edge, -edge), fill);
}

} // namespace zorbitan
