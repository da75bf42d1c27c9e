// SPDX-FileCopyrightText: 2026 The Zorbitan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Random.h"

#include <algorithm>

namespace zorbitan {

// A fraction outside [0, 1) from a faulty source still lands inside the range.
int choiceBelow(int n, double fraction) { return std::clamp(static_cast<int>(fraction * n), 0, n - 1); }

int numberFromOneTo(int n, double fraction) { return choiceBelow(n, fraction) + 1; }

} // namespace zorbitan
