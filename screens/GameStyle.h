// SPDX-FileCopyrightText: 2026 The Zorbitan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

namespace zorbitan {

// Gives the application the desktop's Fusion style, drawn at each screen's scale: tick
// boxes as large as their words, and bold words as bold in a face of any size.
void useGameStyle();

} // namespace zorbitan
