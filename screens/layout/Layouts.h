// SPDX-FileCopyrightText: 2026 The Zorbitan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ScreenLayout.h"

namespace zorbitan {

// Each screen's layout table, in a file of its own beside this one.
extern const ScreenLayout fan1Layout;
extern const ScreenLayout FandlerulesLayout;
extern const ScreenLayout GreyLayout;
extern const ScreenLayout PlaylevelLayout;
extern const ScreenLayout Startplay2Layout;
extern const ScreenLayout TeacherChoiceLayout;
extern const ScreenLayout TitlefrmLayout;

} // namespace zorbitan
