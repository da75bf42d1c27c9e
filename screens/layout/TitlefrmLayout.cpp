// SPDX-FileCopyrightText: 2026 The Zorbitan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Layouts.h"

#include <QtGlobal>

namespace zorbitan {

namespace {
constexpr Face buttonFace{FaceFamily::Arial, 15.75};

// The red frame covers the window, reaching above it; the controls lie over it. The
// window is red too, for the margins of a window of another shape.
constexpr ControlLayout controls[] = {
    {"Frame1", ControlKind::Frame, {0, -90, 5595, 6660}, {}, nullptr, colours::red},
    gameName(120),
    {"Picture1", ControlKind::ClickPicture, {360, 1560, 4800, 3600}},
    {"Label6",
     ControlKind::Button,
     {720, 5280, 3975, 435},
     buttonFace,
     QT_TRANSLATE_NOOP("zorbitan::Titlefrm", "Restart Previous Game")},
    {"Label5", ControlKind::Button, {1320, 5880, 1335, 435}, buttonFace, QT_TRANSLATE_NOOP("zorbitan::Titlefrm", "OK")},
    {"Label7",
     ControlKind::Button,
     {2760, 5880, 1335, 435},
     buttonFace,
     QT_TRANSLATE_NOOP("zorbitan::Titlefrm", "Exit")},
    notice("Label2", 6420),
};
} // namespace

const ScreenLayout TitlefrmLayout{
    "Titlefrm", " ", QT_TRANSLATE_NOOP("zorbitan::Titlefrm", "Zorbitan: start"), 5580, 6570, colours::red, controls};

} // namespace zorbitan
