// SPDX-FileCopyrightText: 2026 The Zorbitan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Layouts.h"

#include <QtGlobal>

namespace zorbitan {

namespace {
constexpr Face headingFace{FaceFamily::Arial, 14.25};
constexpr Face blockFace{FaceFamily::Arial, 12};
constexpr Face buttonFace{FaceFamily::Arial, 15.75};
constexpr Rgb lightGrey = fromBgrValue(0x00E0E0E0);

// Each player's row: a colour block with the colour's name over it, and the three level
// squares, whose captions the level's colour sets off; the third is marked.
constexpr ControlLayout controls[] = {
    gameName(240),
    {"Label2_0",
     ControlKind::Label,
     {0, 1260, 5520, 600},
     {FaceFamily::Arial, 20.25},
     QT_TRANSLATE_NOOP("zorbitan::Playlevel", "Select level for each player")},
    {"Label6_3",
     ControlKind::Label,
     {240, 1860, 1110, 360},
     headingFace,
     QT_TRANSLATE_NOOP("zorbitan::Playlevel", "Player"),
     colours::black},
    {"Label6_0", ControlKind::Label, {1500, 1860, 1110, 360}, headingFace, nullptr, colours::black},
    {"Label6_1", ControlKind::Label, {2760, 1860, 1110, 360}, headingFace, nullptr, colours::black},
    {"Label6_2", ControlKind::Label, {4080, 1860, 1110, 360}, headingFace, nullptr, colours::black},

    {"Label1_0", ControlKind::Button, {240, 2280, 1095, 735}, blockFace},
    {"Label12_0",
     ControlKind::Label,
     {360, 2460, 855, 375},
     {FaceFamily::Tahoma, 14.25},
     QT_TRANSLATE_NOOP("zorbitan::Playlevel", "BLUE")},
    {"Label7_0", ControlKind::Button, {1800, 2460, 375, 375}, buttonFace, nullptr, colours::black},
    {"Label7_1", ControlKind::Button, {3120, 2460, 375, 375}, buttonFace, nullptr, lightGrey},
    {"Label7_2", ControlKind::Button, {4440, 2460, 375, 375}, buttonFace, "X", lightGrey, Words::AsTheyStand},

    {"Label1_1", ControlKind::Button, {240, 3120, 1095, 735}, blockFace},
    {"Label12_1",
     ControlKind::Label,
     {360, 3300, 855, 375},
     {FaceFamily::Tahoma, 14.25},
     QT_TRANSLATE_NOOP("zorbitan::Playlevel", "RED")},
    {"Label9_0", ControlKind::Button, {1800, 3300, 375, 375}, buttonFace, nullptr, colours::black},
    {"Label9_1", ControlKind::Button, {3120, 3300, 375, 375}, buttonFace, nullptr, lightGrey},
    {"Label9_2", ControlKind::Button, {4440, 3300, 375, 375}, buttonFace, "X", lightGrey, Words::AsTheyStand},

    {"Label1_2", ControlKind::Button, {240, 3960, 1095, 735}, blockFace},
    {"Label12_2",
     ControlKind::Label,
     {360, 4170, 855, 375},
     {FaceFamily::Tahoma, 11.25},
     QT_TRANSLATE_NOOP("zorbitan::Playlevel", "GREEN"),
     colours::black},
    {"Label10_0", ControlKind::Button, {1800, 4140, 375, 375}, buttonFace, nullptr, colours::black},
    {"Label10_1", ControlKind::Button, {3120, 4140, 375, 375}, buttonFace, nullptr, lightGrey},
    {"Label10_2", ControlKind::Button, {4440, 4140, 375, 375}, buttonFace, "X", lightGrey, Words::AsTheyStand},

    {"Label1_3", ControlKind::Button, {240, 4800, 1095, 735}, blockFace},
    {"Label12_3",
     ControlKind::Label,
     {240, 5010, 1095, 375},
     {FaceFamily::Tahoma, 11.25},
     QT_TRANSLATE_NOOP("zorbitan::Playlevel", "YELLOW"),
     colours::black},
    {"Label11_0", ControlKind::Button, {1800, 4980, 375, 375}, buttonFace, nullptr, colours::black},
    {"Label11_1", ControlKind::Button, {3120, 4980, 375, 375}, buttonFace, nullptr, lightGrey},
    {"Label11_2", ControlKind::Button, {4440, 4980, 375, 375}, buttonFace, "X", lightGrey, Words::AsTheyStand},

    {"Label8_0",
     ControlKind::Button,
     {2160, 5760, 1335, 435},
     buttonFace,
     QT_TRANSLATE_NOOP("zorbitan::Playlevel", "OK")},
    smallExit(QT_TRANSLATE_NOOP("zorbitan::Playlevel", "Exit"), 4680, 5940),
    notice("Label5", 6360),
};
} // namespace

const ScreenLayout PlaylevelLayout{
    "Playlevel",  " ",     QT_TRANSLATE_NOOP("zorbitan::Playlevel", "Zorbitan: choose each player's level"), 5580, 6570,
    colours::red, controls};

} // namespace zorbitan
