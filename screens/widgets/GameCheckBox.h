// SPDX-FileCopyrightText: 2026 The Zorbitan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QCheckBox>

namespace zorbitan {

// The game's tick box: red with yellow text. Space, Enter or Return ticks it when it
// has the focus, and its focus mark is a frame in its text colour.
class GameCheckBox : public QCheckBox {
public:
    explicit GameCheckBox(QWidget* parent = nullptr);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
};

} // namespace zorbitan
