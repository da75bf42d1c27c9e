// SPDX-FileCopyrightText: 2026 The Zorbitan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Controls.h"

#include <QString>
#include <unordered_map>

class QLabel;
class QWidget;

namespace zorbitan {

class ShapeWidget;

// Brings a widget in line with the control it draws. Each setter is skipped when the
// value is already shown, so a whole screen can be brought up to date after every event.
void syncVisible(QWidget& widget, bool visible);

// What the labels of a screen read in the players' language. Words pass through
// translation only when they change; numbers and lists of answers never do.
class LabelCaptions {
public:
    QString text(const QLabel& widget, const Label& label);

private:
    struct Shown {
        std::string caption;
        std::vector<int> numbers;
        int count;
        QString text;
    };
    std::unordered_map<const QLabel*, Shown> shown_;
};

void syncLabel(QLabel& widget, const Label& label, LabelCaptions& captions);
void syncShape(ShapeWidget& widget, const Shape& shape);

// The text colour of a label; a disabled label shows grey text.
void setTextColour(QLabel& widget, Rgb colour);

} // namespace zorbitan
