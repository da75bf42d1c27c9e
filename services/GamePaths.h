// SPDX-FileCopyrightText: 2026 The Zorbitan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QDir>
#include <QPixmap>
#include <QString>
#include <string_view>

namespace zorbitan {

// The game writes its paths with backslashes ("Images\zorbitanmd.bmp") and names one
// folder both "Images" and "images". This finds each part of such a path in the folder
// without regard to case and returns a path for this platform. A part that is not
// there keeps its own spelling, so the result names where the file would be.
QString resolveGamePath(std::string_view gamePath, const QDir& base = QDir::current());

// True for a regular file: the game never opens anything else (a pipe or a device
// named like one of its files would hang it or feed it without end).
bool isPlainFile(const QString& path);

// A picture read in the format its name gives (BMP, JPEG), without first asking every
// image plugin whether it knows the file; null when it is no plain file or unreadable.
QPixmap readPicture(const QString& path);

// True when the folder holds the game's data folders (Images, counters and wav).
bool holdsDataFolders(const QDir& folder);

// Where an installed program finds its data folders and its sound module: share/zorbitan
// and lib/zorbitan beside its bin/.
QString installedDataFolder(const QString& programFolder);
QString installedModuleFolder(const QString& programFolder);

// The folder the game should work in: the first of the current folder, the program's
// own folder and the installed data folder that holds the data folders; the program's
// own folder when none does.
QString chooseWorkingFolder(const QString& currentFolder, const QString& programFolder);

// The folder that keeps the saved game: the working folder, unless it is an installed
// copy's data folder or cannot be written; then the user's own data folder.
QString chooseSaveFolder(const QString& workingFolder, const QString& programFolder, const QString& userDataFolder);

} // namespace zorbitan
