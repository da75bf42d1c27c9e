// SPDX-FileCopyrightText: 2026 The Zorbitan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "WindowSizeSettings.h"

#include "Settings.h"

#include <algorithm>
#include <cmath>

namespace zorbitan {

namespace {
const QString scaleKey = QStringLiteral("Window/Scale");
} // namespace

double readChosenScale()
{
    bool isNumber = false;
    const double scale = userSettings()->value(scaleKey).toDouble(&isNumber);
    return isNumber && std::isfinite(scale) ? std::clamp(scale, smallestScale, largestScale) : 1;
}

void keepChosenScale(double scale) { userSettings()->setValue(scaleKey, scale); }

} // namespace zorbitan
