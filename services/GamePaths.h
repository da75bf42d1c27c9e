#pragma once

#include <QDir>
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

// True when the folder holds the game's data folders (Images, counters and wav).
bool holdsDataFolders(const QDir& folder);

// The folder the game should work in: the current one when it holds the data
// folders, else the program's own folder.
QString chooseWorkingFolder(const QString& currentFolder, const QString& programFolder);

} // namespace zorbitan
