#pragma once

#include <QLabel>

namespace zorbitan {

// A label that acts on a click, as the game's labels do: a left button pressed and
// released over it. A disabled label takes no clicks.
class ClickLabel : public QLabel {
    Q_OBJECT
public:
    explicit ClickLabel(QWidget* parent = nullptr);

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
};

// A label drawn as a button: a black box with a single-line border and centred text.
class ButtonLabel : public ClickLabel {
    Q_OBJECT
public:
    explicit ButtonLabel(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace zorbitan
