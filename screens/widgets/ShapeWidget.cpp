#include "ShapeWidget.h"

#include <QPainter>

namespace zorbitan {

ShapeWidget::ShapeWidget(QWidget* parent) : QWidget(parent)
{
    // Shapes only show colour; clicks go to whatever lies under them.
    setAttribute(Qt::WA_TransparentForMouseEvents);
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
