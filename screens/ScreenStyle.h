#pragma once

#include "Rgb.h"

#include <QFont>

class QCheckBox;
class QLabel;
class QWidget;

namespace zorbitan {

class ButtonLabel;

// The look the game's screens share: filled window backgrounds, transparent labels
// with centred text that wraps, black buttons, and red tick boxes with yellow text.

void paintBackground(QWidget& widget, Rgb colour);

void styleLabel(QLabel& label, const QFont& font);

QLabel* makeLabel(QWidget* parent, const QFont& font);
ButtonLabel* makeButton(QWidget* parent, const QFont& font);
QCheckBox* makeCheckBox(QWidget* parent, const QFont& font);

} // namespace zorbitan
