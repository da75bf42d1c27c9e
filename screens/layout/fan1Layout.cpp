// SPDX-FileCopyrightText: 2026 The Zorbitan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Layouts.h"

#include "WindowServices.h"

#include <QtGlobal>

namespace zorbitan {

namespace {
constexpr Face tahomaButton{FaceFamily::Tahoma, 15.75};
constexpr Face cardWords{FaceFamily::Tahoma, 24};

// From back to front: the frame behind the squares, the card behind its words, the
// numbers over their squares and the counters over everything. Captions and colours
// are the game's, which sets them as play goes on.
constexpr ControlLayout controls[] = {
    {"Shape2", ControlKind::Fill, {4680, 1080, 6780, 6780}},
    {"Shape1", ControlKind::Fill, {4800, 1200, 600, 600}, {}, nullptr, {}, {}, true},
    {"Shape4", ControlKind::Fill, {600, 1920, 3495, 4455}},
    {"Label9", ControlKind::Label, {120, 0, 3075, 675}, {FaceFamily::Tahoma, 27.75}},
    {"Label2", ControlKind::Label, {6030, 0, 4125, 840}, {FaceFamily::Arial, 36}},
    {"Label5", ControlKind::Button, {1260, 1080, 2175, 495}, tahomaButton},
    {"Label4", ControlKind::Label, {720, 2160, 3255, 2415}, cardWords},
    {"Label7", ControlKind::Label, {720, 4620, 3255, 555}, cardWords},
    {"Label6", ControlKind::Label, {720, 5160, 3255, 1215}, cardWords},
    {"Label11", ControlKind::Label, {1440, 6480, 1845, 585}, cardWords},
    {"Label10", ControlKind::Label, {1920, 8160, 7800, 600}, {FaceFamily::Arial, 15.75}},
    {"Label8", ControlKind::Label, {2880, 8730, 6240, 240}, {FaceFamily::Arial, 8.25}},
    {"Label3_0", ControlKind::Button, {60, 8400, 1695, 495}, tahomaButton},
    {"Label3_1", ControlKind::Button, {9840, 8400, 2055, 495}, tahomaButton},
    {"Label1", ControlKind::ClickLabel, {4800, 1320, 600, 480}, {FaceFamily::Arial, 15.75}, nullptr, {}, {}, true},
    {"Image1", ControlKind::ClickPicture, {4800, 1200, 600, 600}, {}, nullptr, {}, {}, true},
    {"Check3",
     ControlKind::TickBox,
     {120, 7560, 1935, 375},
     {FaceFamily::Arial, 12},
     QT_TRANSLATE_NOOP("zorbitan::fan1", "Hide Desktop")},
};
} // namespace

const ScreenLayout fan1Layout{"fan1",
                              "Zorbitan",
                              QT_TRANSLATE_NOOP("zorbitan::fan1", "Zorbitan: the game"),
                              standardClientWidthTwips,
                              standardClientHeightTwips,
                              colours::red,
                              controls};

} // namespace zorbitan
