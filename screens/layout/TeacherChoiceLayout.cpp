// SPDX-FileCopyrightText: 2026 The Zorbitan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Layouts.h"

#include "WindowServices.h"

#include <QtGlobal>

namespace zorbitan {

namespace {
constexpr Face tickFace{FaceFamily::Arial, 12};

constexpr ControlLayout controls[] = {
    screenHeading("Label1", QT_TRANSLATE_NOOP("zorbitan::TeacherChoice", "For Teachers: the Cards Each Level Deals")),
    smallExit(QT_TRANSLATE_NOOP("zorbitan::TeacherChoice", "Exit"), 11160, 60),
    {"Label5_1",
     ControlKind::Text,
     {120, 660, 11700, 405},
     tickFace,
     QT_TRANSLATE_NOOP("zorbitan::TeacherChoice", "Level 1 – Yellow band: times tables")},
    {"Label5_2",
     ControlKind::Text,
     {120, 2100, 11700, 405},
     tickFace,
     QT_TRANSLATE_NOOP("zorbitan::TeacherChoice", "Level 2 – Purple band: times tables")},
    {"Label5_3",
     ControlKind::Text,
     {120, 3780, 11700, 405},
     tickFace,
     QT_TRANSLATE_NOOP("zorbitan::TeacherChoice", "Level 3 – Blue band: number facts")},
    // Level 1: a box for each times table, and one for divisions.
    {"Check1_1", ControlKind::TickBox, {120, 1080, 780, 375}, tickFace, "1", colours::yellow, Words::AsTheyStand},
    {"Check1_2", ControlKind::TickBox, {960, 1080, 780, 375}, tickFace, "2", colours::yellow, Words::AsTheyStand},
    {"Check1_3", ControlKind::TickBox, {1800, 1080, 780, 375}, tickFace, "3", colours::yellow, Words::AsTheyStand},
    {"Check1_4", ControlKind::TickBox, {2640, 1080, 780, 375}, tickFace, "4", colours::yellow, Words::AsTheyStand},
    {"Check1_5", ControlKind::TickBox, {3480, 1080, 780, 375}, tickFace, "5", colours::yellow, Words::AsTheyStand},
    {"Check1_6", ControlKind::TickBox, {4320, 1080, 780, 375}, tickFace, "6", colours::yellow, Words::AsTheyStand},
    {"Check1_7", ControlKind::TickBox, {5160, 1080, 780, 375}, tickFace, "7", colours::yellow, Words::AsTheyStand},
    {"Check1_8", ControlKind::TickBox, {6000, 1080, 780, 375}, tickFace, "8", colours::yellow, Words::AsTheyStand},
    {"Check1_9", ControlKind::TickBox, {6840, 1080, 780, 375}, tickFace, "9", colours::yellow, Words::AsTheyStand},
    {"Check1_10", ControlKind::TickBox, {7680, 1080, 780, 375}, tickFace, "10", colours::yellow, Words::AsTheyStand},
    {"Check2",
     ControlKind::TickBox,
     {8640, 1080, 3000, 375},
     tickFace,
     QT_TRANSLATE_NOOP("zorbitan::TeacherChoice", "Divisions")},
    // Level 2: a box for each times table, and one for divisions.
    {"Check3_1", ControlKind::TickBox, {120, 2520, 780, 375}, tickFace, "1", colours::yellow, Words::AsTheyStand},
    {"Check3_2", ControlKind::TickBox, {960, 2520, 780, 375}, tickFace, "2", colours::yellow, Words::AsTheyStand},
    {"Check3_3", ControlKind::TickBox, {1800, 2520, 780, 375}, tickFace, "3", colours::yellow, Words::AsTheyStand},
    {"Check3_4", ControlKind::TickBox, {2640, 2520, 780, 375}, tickFace, "4", colours::yellow, Words::AsTheyStand},
    {"Check3_5", ControlKind::TickBox, {3480, 2520, 780, 375}, tickFace, "5", colours::yellow, Words::AsTheyStand},
    {"Check3_6", ControlKind::TickBox, {4320, 2520, 780, 375}, tickFace, "6", colours::yellow, Words::AsTheyStand},
    {"Check3_7", ControlKind::TickBox, {5160, 2520, 780, 375}, tickFace, "7", colours::yellow, Words::AsTheyStand},
    {"Check3_8", ControlKind::TickBox, {6000, 2520, 780, 375}, tickFace, "8", colours::yellow, Words::AsTheyStand},
    {"Check3_9", ControlKind::TickBox, {6840, 2520, 780, 375}, tickFace, "9", colours::yellow, Words::AsTheyStand},
    {"Check3_10", ControlKind::TickBox, {7680, 2520, 780, 375}, tickFace, "10", colours::yellow, Words::AsTheyStand},
    {"Check4",
     ControlKind::TickBox,
     {8640, 2520, 3000, 375},
     tickFace,
     QT_TRANSLATE_NOOP("zorbitan::TeacherChoice", "Divisions")},
    // Level 3: a box for each kind of fact, named with its count of cards, and the cards of
    // the kind the pointer or the keyboard is on.
    {"Check5_0", ControlKind::TickBox, {120, 4200, 6000, 375}, tickFace},
    {"Check5_1", ControlKind::TickBox, {120, 4620, 6000, 375}, tickFace},
    {"Check5_2", ControlKind::TickBox, {120, 5040, 6000, 375}, tickFace},
    {"Check5_3", ControlKind::TickBox, {120, 5460, 6000, 375}, tickFace},
    {"Check5_4", ControlKind::TickBox, {120, 5880, 6000, 375}, tickFace},
    {"Check5_5", ControlKind::TickBox, {120, 6300, 6000, 375}, tickFace},
    {"Check5_6", ControlKind::TickBox, {120, 6720, 6000, 375}, tickFace},
    {"Label6", ControlKind::Text, {6360, 4200, 5520, 3600}, {FaceFamily::Arial, 9.75, false}},
    {"Label4",
     ControlKind::Button,
     {120, 7320, 3600, 435},
     {FaceFamily::Arial, 12.75},
     QT_TRANSLATE_NOOP("zorbitan::TeacherChoice", "Back to the design")},
    // Why a choice is refused, or that it is locked.
    {"Label2", ControlKind::Text, {120, 7920, 11700, 855}, {FaceFamily::Arial, 12, false}},
};
} // namespace

const ScreenLayout TeacherChoiceLayout{
    "TeacherChoice",
    " ",
    QT_TRANSLATE_NOOP("zorbitan::TeacherChoice", "Zorbitan: choose the cards each level deals"),
    standardClientWidthTwips,
    standardClientHeightTwips,
    colours::red,
    controls};

} // namespace zorbitan
