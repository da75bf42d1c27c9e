#pragma once

#include <QColor>
#include <QWidget>

namespace zorbitan {

// A filled rectangle with a one-pixel border.
class ShapeWidget : public QWidget {
public:
    explicit ShapeWidget(QWidget* parent = nullptr);

    void setColours(const QColor& fill, const QColor& border);
    QColor fillColour() const { return fill_; }
    QColor borderColour() const { return border_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor fill_;
    QColor border_;
};

} // namespace zorbitan
