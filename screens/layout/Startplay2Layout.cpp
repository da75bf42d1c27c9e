// SPDX-FileCopyrightText: 2026 The Zorbitan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Layouts.h"

#include <QtGlobal>

namespace zorbitan {

namespace {
constexpr Face buttonFace{FaceFamily::Arial, 15.75};
constexpr Face tickFace{FaceFamily::Arial, 12};
constexpr Face numberFace{FaceFamily::Tahoma, 26.25};

// "Hide Desktop" is shown only where the display has room for the backdrop.
constexpr ControlLayout controls[] = {
    gameName(240),
    {"Label6",
     ControlKind::Button,
     {720, 1440, 1935, 435},
     buttonFace,
     QT_TRANSLATE_NOOP("zorbitan::Startplay2", "The Rules")},
    {"Image2", ControlKind::Picture, {3600, 1440, 1500, 2085}},
    {"Check1",
     ControlKind::TickBox,
     {720, 2040, 1695, 375},
     tickFace,
     QT_TRANSLATE_NOOP("zorbitan::Startplay2", "Play Sound")},
    {"Label7",
     ControlKind::Button,
     {720, 2640, 2760, 435},
     buttonFace,
     QT_TRANSLATE_NOOP("zorbitan::Startplay2", "For Teachers")},
    {"Check3",
     ControlKind::TickBox,
     {720, 3900, 1935, 375},
     tickFace,
     QT_TRANSLATE_NOOP("zorbitan::Startplay2", "Hide Desktop")},
    {"Label2_0",
     ControlKind::ClickLabel,
     {240, 4440, 5160, 600},
     {FaceFamily::Arial, 20.25},
     QT_TRANSLATE_NOOP("zorbitan::Startplay2", "Select Number of Players")},
    {"Label1_0", ControlKind::Button, {720, 5040, 855, 735}, numberFace, "1", colours::yellow, Words::AsTheyStand},
    {"Label1_1", ControlKind::Button, {1830, 5040, 855, 735}, numberFace, "2", colours::yellow, Words::AsTheyStand},
    {"Label1_2", ControlKind::Button, {2940, 5040, 855, 735}, numberFace, "3", colours::yellow, Words::AsTheyStand},
    {"Label1_3", ControlKind::Button, {4050, 5040, 855, 735}, numberFace, "4", colours::yellow, Words::AsTheyStand},
    {"Label2_12",
     ControlKind::Button,
     {720, 5940, 3315, 375},
     {FaceFamily::Tahoma, 12},
     publisher::webAddressShown.data(),
     colours::yellow,
     Words::AsTheyStand},
    smallExit(QT_TRANSLATE_NOOP("zorbitan::Startplay2", "Exit"), 4680, 5940),
    notice("Label5", 6360),
};
} // namespace

const ScreenLayout Startplay2Layout{
    "Startplay2", " ",  QT_TRANSLATE_NOOP("zorbitan::Startplay2", "Zorbitan: choose the number of players"),
    5580,         6570, colours::red,
    controls};

} // namespace zorbitan
