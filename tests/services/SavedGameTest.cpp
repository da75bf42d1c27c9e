// SPDX-FileCopyrightText: 2026 The Zorbitan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "SavedGame.h"
#include "GamePaths.h"

#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/stat.h>

using namespace zorbitan;

namespace {
class SavedGameFile : public ::testing::Test {
protected:
    QByteArray contents() const
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    // Blue on 5, Red on 17, two players, turn 3, sound on: 203 lines, one of them changed.
    void writeExample(int line = 0, const QByteArray& value = {}, const QByteArray& ending = "\r\n") const
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        for (int k = 1; k <= 203; ++k) {
            const int owner = k == 10 ? 1 : k == 34 ? 2 : 0;
            const QByteArray text =
                k > 200 ? QByteArray("231").mid(k - 201, 1) : QByteArray::number(k % 2 == 1 ? (k + 1) / 2 : owner);
            file.write((k == line ? value : text) + ending);
        }
    }
    QTemporaryDir folder;
    QString path = folder.filePath(QStringLiteral("lastgame.inf"));
    Module1 shared;
};
} // namespace

// Written byte for byte as the format gives it; read back forgiving line ends and blanks;
// closed again, so a second save over it works.
TEST_F(SavedGameFile, AGameIsWrittenByteForByteAndReadBack)
{
    shared.boardowner[5] = 1;
    shared.boardowner[17] = 2;
    shared.numberofplayers = 2;
    shared.soundon = 1;
    ASSERT_TRUE(saveGame(shared, 3, path));
    const QByteArray written = contents();
    writeExample();
    EXPECT_EQ(written, contents());
    writeExample(10, "  1 ", "\n");
    Module1 restored;
    ASSERT_TRUE(readSavedGame(restored, path));
    EXPECT_TRUE(restored.boardowner == shared.boardowner && restored.numberofplayers == 2);
    EXPECT_TRUE(restored.savedturn == 3 && restored.soundon == 1);
    EXPECT_TRUE(saveGame(shared, 4, path));
}

// A short file or an impossible value stops the restart there; what was read stays. Each
// hand-edited game of the table (also the fuzzer's first inputs) is read as it says.
TEST_F(SavedGameFile, AShortFileOrAnImpossibleValueStopsTheRestart)
{
    writeExample();
    QFile::resize(path, contents().size() - 3); // the last line gone
    EXPECT_FALSE(readSavedGame(shared, path));
    EXPECT_TRUE(shared.boardowner[17] == 2 && shared.savedturn == 3 && shared.soundon == 0);
    QFile table(QStringLiteral(HAND_EDITED_GAMES));
    ASSERT_TRUE(table.open(QIODevice::ReadOnly | QIODevice::Text));
    const QRegularExpression edit(QStringLiteral("^(read|stop) (\\d+) +\"([^\"]*)\""));
    int edits = 0;
    while (!table.atEnd()) {
        const QRegularExpressionMatch row = edit.match(QString::fromUtf8(table.readLine()));
        if (row.hasMatch()) {
            writeExample(row.captured(2).toInt(), row.captured(3).toUtf8());
            EXPECT_EQ(readSavedGame(shared, path), row.captured(1) == "read") << qPrintable(row.captured(0));
            ++edits;
        }
    }
    EXPECT_EQ(edits, 15);
    EXPECT_FALSE(readSavedGame(shared, folder.filePath(QStringLiteral("missing.inf"))));
}

// A folder or a pipe where the saved game belongs is neither read (a pipe would wait
// for ever) nor replaced.
TEST_F(SavedGameFile, AFolderOrAPipeInItsPlaceStaysAsItIs)
{
    ASSERT_TRUE(QDir(folder.path()).mkdir(QStringLiteral("lastgame.inf")));
    EXPECT_FALSE(readSavedGame(shared, path) || saveGame(shared, 4, path));
    EXPECT_TRUE(QFileInfo(path).isDir());
    const QString pipe = folder.filePath(QStringLiteral("pipe.inf"));
    ASSERT_EQ(mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    EXPECT_FALSE(readSavedGame(shared, pipe));
}

// The game works in the first folder that holds its data folders (the current one, its
// own, an installed copy's share/zorbitan) and keeps its games there, but for an
// installed copy, whose games go to the user's own folder.
TEST(SavedGameFolder, AnInstalledCopyKeepsItsGamesInTheUsersFolder)
{
    const QTemporaryDir root;
    const QString installed = QDir::cleanPath(root.filePath(QStringLiteral("usr/share/zorbitan")));
    const QString program = root.filePath(QStringLiteral("usr/bin"));
    const QString build = root.filePath(QStringLiteral("build/bin"));
    for (const QString& data : {installed + "/Images", installed + "/counters", installed + "/wav", build + "/Images",
                                build + "/counters", build + "/wav", root.filePath("home")}) {
        ASSERT_TRUE(QDir().mkpath(data));
    }
    EXPECT_EQ(chooseWorkingFolder(root.filePath("home"), program), installed);
    EXPECT_EQ(chooseSaveFolder(installed, program, QStringLiteral("/user")), "/user");
    EXPECT_EQ(chooseWorkingFolder(root.filePath("home"), build), build);
    EXPECT_EQ(chooseWorkingFolder(build, program), build);
    EXPECT_EQ(chooseSaveFolder(build, build, QStringLiteral("/user")), build);
}

// "Restart Previous Game" brings back the game in the folder that keeps them, or while
// there is none there, one left in the working folder.
TEST(SavedGameFolder, TheKeptGameComesBackBeforeOneLeftBehind)
{
    const QTemporaryDir keeping, working;
    const QString kept = keeping.filePath(QStringLiteral("lastgame.inf"));
    const QString left = working.filePath(QStringLiteral("lastgame.inf"));
    for (const auto& [keptThere, leftThere, restored] :
         {std::tuple{true, true, kept}, {true, false, kept}, {false, true, left}, {false, false, kept}}) {
        for (const auto& [path, there] : {std::pair{kept, keptThere}, {left, leftThere}}) {
            QFile file(path);
            ASSERT_TRUE(there ? file.open(QIODevice::WriteOnly) : !file.exists() || file.remove());
        }
        EXPECT_EQ(savedGameToRestore(QDir(keeping.path()), QDir(working.path())), restored) << keptThere << leftThere;
    }
}
