// SPDX-FileCopyrightText: 2026 The Zorbitan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QColor>
#include <QWidget>

class QPainter;

namespace zorbitan {

// A filled box with a border one pixel wide at the design's size, as wide as the
// scale of the screen it is painted on.
void paintBox(QPainter& painter, const QRect& box, const QColor& fill, const QColor& border);

// A filled rectangle with a one-pixel border. A shape only shows colour and lets clicks
// through to whatever lies under it, unless it is made to answer them itself.
class ShapeWidget : public QWidget {
    Q_OBJECT
public:
    explicit ShapeWidget(QWidget* parent = nullptr);

    void setColours(const QColor& fill, const QColor& border);
    QColor fillColour() const { return fill_; }
    QColor borderColour() const { return border_; }

    // A left button pressed and released over the shape emits clicked.
    void answerClicks();

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QColor fill_;
    QColor border_;
};

} // namespace zorbitan
