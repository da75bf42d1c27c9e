// SPDX-FileCopyrightText: 2026 The Zorbitan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QSettings>
#include <memory>

namespace zorbitan {

// The game's settings that outlive a run, where the desktop keeps them: the user's file
// (zorbitan/zorbitan.conf under $XDG_CONFIG_HOME, by default ~/.config), which falls
// back key by key on the file an administrator writes for every account of the machine
// (the same name under each folder of $XDG_CONFIG_DIRS, by default /etc/xdg). Each
// part of the game keeps its keys in a group of its own.
std::unique_ptr<QSettings> userSettings();

// The administrator's file alone.
std::unique_ptr<QSettings> systemSettings();

// Why a settings file could not be read, or an empty text when it could.
QString settingsTrouble(const QSettings& settings);

} // namespace zorbitan
