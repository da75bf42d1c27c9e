// SPDX-FileCopyrightText: 2026 The Zorbitan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "GamePaths.h"

#include "QtConversions.h"

#include <QFileInfo>
#include <QImageReader>

namespace zorbitan {

namespace {
// The entry of the folder whose name matches, preferring the exact spelling.
QString findEntry(const QDir& folder, const QString& name)
{
    if (folder.exists(name)) {
        return name;
    }
    const QStringList entries = folder.entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    for (const QString& entry : entries) {
        if (entry.compare(name, Qt::CaseInsensitive) == 0) {
            return entry;
        }
    }
    return name;
}
} // namespace

QString resolveGamePath(std::string_view gamePath, const QDir& base)
{
    const QString path = toQString(gamePath);
    const QStringList parts = path.split(QLatin1Char('\\'), Qt::SkipEmptyParts);
    QDir folder = base;
    QString resolved = base.path();
    for (const QString& part : parts) {
        const QString entry = findEntry(folder, part);
        resolved = folder.filePath(entry);
        folder.setPath(resolved);
    }
    return QDir::cleanPath(resolved);
}

bool isPlainFile(const QString& path) { return QFileInfo(path).isFile(); }

QPixmap readPicture(const QString& path)
{
    if (!isPlainFile(path)) {
        return {};
    }
    QImageReader reader(path, QFileInfo(path).suffix().toLatin1());
    reader.setAutoDetectImageFormat(false);
    return QPixmap::fromImage(reader.read());
}

bool holdsDataFolders(const QDir& folder)
{
    for (const char* name : {"Images", "counters", "wav"}) {
        if (!QFileInfo(resolveGamePath(name, folder)).isDir()) {
            return false;
        }
    }
    return true;
}

QString installedDataFolder(const QString& programFolder)
{
    return QDir::cleanPath(programFolder + QStringLiteral("/../share/zorbitan"));
}

QString installedModuleFolder(const QString& programFolder)
{
    return QDir::cleanPath(programFolder + QStringLiteral("/../lib/zorbitan"));
}

QString chooseWorkingFolder(const QString& currentFolder, const QString& programFolder)
{
    for (const QString& folder : {currentFolder, programFolder, installedDataFolder(programFolder)}) {
        if (holdsDataFolders(QDir(folder))) {
            return folder;
        }
    }
    return programFolder;
}

QString chooseSaveFolder(const QString& workingFolder, const QString& programFolder, const QString& userDataFolder)
{
    const bool installed = QFileInfo(workingFolder) == QFileInfo(installedDataFolder(programFolder));
    return installed || !QFileInfo(workingFolder).isWritable() ? userDataFolder : workingFolder;
}

} // namespace zorbitan
