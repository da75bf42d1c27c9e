// SPDX-FileCopyrightText: 2026 The Zorbitan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ShapeWidget.h"

#include <QMouseEvent>
#include <QPainter>

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
    painter.fillRect(rect(), fill_);
    painter.setPen(border_);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

} // namespace zorbitan
