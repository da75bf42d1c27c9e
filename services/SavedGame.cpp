// SPDX-FileCopyrightText: 2026 The Zorbitan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "SavedGame.h"

#include "GamePaths.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <limits>
#include <optional>

namespace zorbitan {

namespace {
constexpr int lowestTurn = -1;
constexpr qint64 longestLine = 256;

// Reads one line at a time and hands back its whole number, if it is one.
class SavedGameReader {
public:
    explicit SavedGameReader(QIODevice& file) : file_(file) {}

    std::optional<Integer> next()
    {
        if (file_.atEnd()) {
            return std::nullopt;
        }
        const QByteArray raw = file_.readLine(longestLine);
        if (!raw.endsWith('\n') && !file_.atEnd()) {
            return std::nullopt; // a line far longer than any number
        }
        const QByteArray line = raw.trimmed(); // also drops CR and LF
        bool ok = false;
        const int value = line.toInt(&ok);
        if (!ok || value < std::numeric_limits<Integer>::min() || value > std::numeric_limits<Integer>::max()) {
            return std::nullopt;
        }
        return static_cast<Integer>(value);
    }

    // The next value, if it lies in first..last.
    std::optional<Integer> next(int first, int last)
    {
        const auto value = next();
        return value && *value >= first && *value <= last ? value : std::nullopt;
    }

private:
    QIODevice& file_;
};

void appendLine(QByteArray& bytes, int value) { bytes += QByteArray::number(value) + "\r\n"; }

QByteArray formatSavedGame(const Module1& shared, Integer turnnumber)
{
    QByteArray bytes;
    for (int k = board::firstNumber; k <= board::lastNumber; ++k) {
        appendLine(bytes, k);
        appendLine(bytes, shared.boardowner[k]);
    }
    appendLine(bytes, shared.numberofplayers);
    appendLine(bytes, turnnumber);
    appendLine(bytes, shared.soundon);
    return bytes;
}
} // namespace

QString savedGamePath(const QDir& saveFolder) { return resolveGamePath("lastgame.inf", saveFolder); }

QString savedGameToRestore(const QDir& saveFolder, const QDir& workingFolder)
{
    const QString kept = savedGamePath(saveFolder);
    const QString leftBehind = savedGamePath(workingFolder);
    return QFileInfo::exists(kept) || !QFileInfo::exists(leftBehind) ? kept : leftBehind;
}

bool saveGame(const Module1& shared, Integer turnnumber, const QString& path)
{
    // Unbuffered, so a short write (a full disk) shows in the count written: the
    // temporary file is then thrown away instead of renamed over the saved game.
    QDir().mkpath(QFileInfo(path).absolutePath());
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        return false;
    }
    const QByteArray bytes = formatSavedGame(shared, turnnumber);
    if (file.write(bytes) != bytes.size()) {
        file.cancelWriting();
    }
    return file.commit();
}

bool readSavedGame(Module1& shared, const QString& path)
{
    QFile file(path);
    return isPlainFile(path) && file.open(QIODevice::ReadOnly) && readSavedGame(shared, file);
}

bool readSavedGame(Module1& shared, QIODevice& file)
{
    SavedGameReader reader(file);
    for (int k = board::firstNumber; k <= board::lastNumber; ++k) {
        // The board number itself is read and not compared with k.
        if (!reader.next()) {
            return false;
        }
        const auto owner = reader.next(0, maxPlayers);
        if (!owner) {
            return false;
        }
        shared.boardowner[k] = *owner;
    }
    const auto players = reader.next(1, maxPlayers);
    if (!players) {
        return false;
    }
    shared.numberofplayers = *players;
    const auto turn = reader.next(lowestTurn, lastTurn - 1);
    if (!turn) {
        return false;
    }
    shared.savedturn = *turn;
    const auto sound = reader.next();
    if (!sound) {
        return false;
    }
    shared.soundon = *sound;
    return true;
}

} // namespace zorbitan
