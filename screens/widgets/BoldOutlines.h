// SPDX-FileCopyrightText: 2026 The Zorbitan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QPainterPath>

namespace zorbitan {

// The letters' outlines made bold as FreeType makes a bold face of a regular one: each
// edge pushed out by half the strength, holes narrowed alike, the whole moved up and to
// the right by half the strength. A face's strength is its pixel size / 24.
QPainterPath emboldened(const QPainterPath& outlines, qreal strength);

} // namespace zorbitan
