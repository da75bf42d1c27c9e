#include "SavedGame.h"

#include <QFile>
#include <QTemporaryDir>
#include <csignal>
#include <gtest/gtest.h>
#include <sys/resource.h>

using namespace zorbitan;

namespace {
class SavedGameFile : public ::testing::Test {
protected:
    QByteArray contents() const
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    void write(const QByteArray& bytes) const
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

    // A well-formed file: Blue on 5, Red on 17, two players, turn 3, sound on.
    static QList<QByteArray> exampleLines()
    {
        QList<QByteArray> lines;
        for (int k = 1; k <= 100; ++k) {
            lines << QByteArray::number(k) << QByteArray(k == 5 ? "1" : k == 17 ? "2" : "0");
        }
        lines << "2" << "3" << "1";
        return lines;
    }

    static QByteArray joined(const QList<QByteArray>& lines, const QByteArray& ending = "\r\n")
    {
        QByteArray bytes;
        for (const QByteArray& line : lines) {
            bytes += line + ending;
        }
        return bytes;
    }

    QTemporaryDir folder;
    QString path = folder.filePath(QStringLiteral("lastgame.inf"));
    Module1 shared;
};
} // namespace

TEST_F(SavedGameFile, AKnownPositionIsWrittenByteForByte)
{
    shared.boardowner[5] = 1;
    shared.boardowner[17] = 2;
    shared.numberofplayers = 2;
    shared.soundon = 1;
    ASSERT_TRUE(saveGame(shared, 3, path));
    EXPECT_EQ(contents(), joined(exampleLines()));
    EXPECT_EQ(contents().count("\r\n"), 203);
}

TEST_F(SavedGameFile, SaveThenRestartGivesTheSameGame)
{
    Module1 saved;
    for (int n = 1; n <= 100; ++n) {
        saved.boardowner[n] = static_cast<Integer>(n % 5);
    }
    saved.numberofplayers = 4;
    saved.soundon = 0;
    ASSERT_TRUE(saveGame(saved, 57, path));

    Module1 restored;
    restored.soundon = 1;
    ASSERT_TRUE(readSavedGame(restored, path));
    EXPECT_EQ(restored.boardowner, saved.boardowner);
    EXPECT_EQ(restored.numberofplayers, 4);
    EXPECT_EQ(restored.savedturn, 57);
    EXPECT_EQ(restored.soundon, 0);

    // The file is closed again: a second save over it and a second restart both work.
    saved.boardowner[1] = 4;
    ASSERT_TRUE(saveGame(saved, 58, path));
    ASSERT_TRUE(readSavedGame(restored, path));
    EXPECT_EQ(restored.boardowner[1], 4);
    EXPECT_EQ(restored.savedturn, 58);
}

TEST_F(SavedGameFile, ForgivingAboutLineEndsBlanksAndTheOddLines)
{
    QList<QByteArray> lines = exampleLines();
    for (int k = 0; k < 100; ++k) {
        lines[2 * k] = "999";  // the board numbers are read and not compared
    }
    lines[9] = "  1 ";
    write(joined(lines, "\n"));
    ASSERT_TRUE(readSavedGame(shared, path));
    EXPECT_EQ(shared.boardowner[5], 1);
    EXPECT_EQ(shared.boardowner[17], 2);
    EXPECT_EQ(shared.numberofplayers, 2);
    EXPECT_EQ(shared.savedturn, 3);

    // One more line than needed is left unread.
    write(joined(exampleLines() << "7"));
    EXPECT_TRUE(readSavedGame(shared, path));
}

TEST_F(SavedGameFile, AShortFileStopsAtItsEndKeepingWhatWasRead)
{
    QList<QByteArray> lines = exampleLines();
    lines.removeLast();
    write(joined(lines));
    shared.soundon = 1;
    EXPECT_FALSE(readSavedGame(shared, path));
    EXPECT_EQ(shared.boardowner[5], 1);
    EXPECT_EQ(shared.boardowner[17], 2);
    EXPECT_EQ(shared.numberofplayers, 2);
    EXPECT_EQ(shared.savedturn, 3);
    EXPECT_EQ(shared.soundon, 1);
}

TEST_F(SavedGameFile, AnImpossibleValueStopsTheRestartThere)
{
    struct Bad {
        int line;  // 1-based
        QByteArray value;
    };
    const Bad cases[] = {
        {10, "5"},         {10, "-1"},  {10, "one"}, {10, "1.5"},  {10, ""},   {9, "x"},
        {9, "40000"},      {201, "0"},  {201, "5"},  {202, "-2"},  {203, "on"}, {202, "99999999999999999999"},
    };
    for (const Bad& bad : cases) {
        QList<QByteArray> lines = exampleLines();
        lines[bad.line - 1] = bad.value;
        write(joined(lines));
        Module1 state;
        EXPECT_FALSE(readSavedGame(state, path)) << "line " << bad.line << " = " << bad.value.constData();
        for (int n = 1; n <= 100; ++n) {
            ASSERT_GE(state.boardowner[n], 0);
            ASSERT_LE(state.boardowner[n], 4);
        }
        EXPECT_TRUE(state.numberofplayers == 0 || state.numberofplayers == 2);
    }
}

TEST_F(SavedGameFile, NoFileOrAFolderInItsPlace)
{
    EXPECT_FALSE(readSavedGame(shared, path));
    ASSERT_TRUE(QDir(folder.path()).mkdir(QStringLiteral("lastgame.inf")));
    EXPECT_FALSE(readSavedGame(shared, path));
    EXPECT_FALSE(saveGame(shared, 3, path));
}

TEST_F(SavedGameFile, AFailedSaveLeavesTheEarlierGameAsItWas)
{
    write(joined(exampleLines()));
    const QByteArray earlier = contents();

    // A file-size limit makes the write fail half-way, even for root.
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit original{};
    getrlimit(RLIMIT_FSIZE, &original);
    rlimit tiny = original;
    tiny.rlim_cur = 100;
    setrlimit(RLIMIT_FSIZE, &tiny);
    shared.numberofplayers = 3;
    const bool saved = saveGame(shared, 9, path);
    setrlimit(RLIMIT_FSIZE, &original);

    EXPECT_FALSE(saved);
    EXPECT_EQ(contents(), earlier);
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files).size(), 1) << "a temporary file was left behind";
}

TEST_F(SavedGameFile, AFolderThatCannotBeWrittenKeepsTheEarlierGame)
{
    write(joined(exampleLines()));
    const QByteArray earlier = contents();
    QFile::setPermissions(folder.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    QFile probe(folder.filePath(QStringLiteral("probe")));
    if (probe.open(QIODevice::WriteOnly)) {
        probe.remove();
        QFile::setPermissions(folder.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        GTEST_SKIP() << "this user may write into read-only folders";
    }
    EXPECT_FALSE(saveGame(shared, 9, path));
    QFile::setPermissions(folder.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    EXPECT_EQ(contents(), earlier);
}
