// SPDX-FileCopyrightText: 2026 The Zorbitan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "GameCheckBox.h"

#include "KeyboardFocus.h"

#include <QKeyEvent>
#include <QPainter>

namespace zorbitan {

GameCheckBox::GameCheckBox(QWidget* parent) : QCheckBox(parent) { setFocusPolicy(Qt::TabFocus); }

// Space is the check box's own key; Enter and Return act the same way here.
void GameCheckBox::keyPressEvent(QKeyEvent* event)
{
    if (isActivationKey(*event) && event->key() != Qt::Key_Space && !event->isAutoRepeat()) {
        click();
        event->accept();
        return;
    }
    QCheckBox::keyPressEvent(event);
}

void GameCheckBox::paintEvent(QPaintEvent* event)
{
    QCheckBox::paintEvent(event);
    if (showsFocusMark(*this)) {
        QPainter painter(this);
        paintFocusMark(painter, rect(), palette().color(QPalette::WindowText));
    }
}

} // namespace zorbitan
