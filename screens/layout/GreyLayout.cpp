// SPDX-FileCopyrightText: 2026 The Zorbitan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Layouts.h"

#include <QtGlobal>

namespace zorbitan {

// The backdrop: a plain blue over the whole display, whatever its size.
const ScreenLayout GreyLayout{
    "Grey", nullptr, QT_TRANSLATE_NOOP("zorbitan::Grey", "Zorbitan: background"), 0, 0, Rgb{49, 135, 215}, {}};

} // namespace zorbitan
