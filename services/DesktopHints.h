// SPDX-FileCopyrightText: 2026 The Zorbitan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

class QWidget;

namespace zorbitan {

// Asks the desktop to leave the window out of its task bar, pager and window switcher.
// Only X11 desktops are asked; elsewhere it does nothing. Call before the window is
// first shown.
void keepOutOfTaskbar(QWidget& window);

} // namespace zorbitan
