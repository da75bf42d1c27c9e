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

    void write(const QList<QByteArray>& lines, const QByteArray& ending = "\r\n") const
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        for (const QByteArray& line : lines) {
            file.write(line + ending);
        }
    }

    // Blue on 5, Red on 17, two players, turn 3, sound on.
    static QList<QByteArray> example()
    {
        QList<QByteArray> lines;
        for (int k = 1; k <= 100; ++k) {
            lines << QByteArray::number(k) << QByteArray(k == 5 ? "1" : k == 17 ? "2" : "0");
        }
        return lines << "2"
                     << "3"
                     << "1";
    }

    QTemporaryDir folder;
    QString path = folder.filePath(QStringLiteral("lastgame.inf"));
    Module1 shared;
};
} // namespace

TEST_F(SavedGameFile, AKnownPositionIsWrittenByteForByteAndReadBack)
{
    shared.boardowner[5] = 1;
    shared.boardowner[17] = 2;
    shared.numberofplayers = 2;
    shared.soundon = 1;
    ASSERT_TRUE(saveGame(shared, 3, path));
    const QByteArray written = contents();
    write(example());
    EXPECT_EQ(written, contents());

    Module1 restored;
    ASSERT_TRUE(readSavedGame(restored, path));
    EXPECT_EQ(restored.boardowner, shared.boardowner);
    EXPECT_EQ(restored.numberofplayers, 2);
    EXPECT_EQ(restored.savedturn, 3);
    EXPECT_EQ(restored.soundon, 1);
    // Closed again: a second save over it works.
    EXPECT_TRUE(saveGame(shared, 4, path));
}

TEST_F(SavedGameFile, ForgivingAboutLineEndsBlanksAndTheOddLines)
{
    QList<QByteArray> lines = example();
    for (int k = 0; k < 100; ++k) {
        lines[static_cast<qsizetype>(k) * 2] = "999"; // the board numbers are read, not compared
    }
    lines[9] = "  1 ";
    write(lines << "7", "\n");
    ASSERT_TRUE(readSavedGame(shared, path));
    EXPECT_EQ(shared.boardowner[5], 1);
    EXPECT_EQ(shared.savedturn, 3);
}

TEST_F(SavedGameFile, AShortFileStopsAtItsEndKeepingWhatWasRead)
{
    QList<QByteArray> lines = example();
    lines.removeLast();
    write(lines);
    shared.soundon = 0;
    EXPECT_FALSE(readSavedGame(shared, path));
    EXPECT_EQ(shared.boardowner[17], 2);
    EXPECT_EQ(shared.numberofplayers, 2);
    EXPECT_EQ(shared.savedturn, 3);
    EXPECT_EQ(shared.soundon, 0);
}

TEST_F(SavedGameFile, AnImpossibleValueStopsTheRestartThere)
{
    const std::pair<int, QByteArray> cases[] = {
        {10, "5"},   {10, "-1"},
        {10, "one"}, {10, "1.5"},
        {10, ""},    {9, "40000"},
        {201, "0"},  {201, "5"},
        {202, "-2"}, {202, "32767"}, // a turn that cannot advance
        {203, "on"}, {202, "99999999999999999999"},
    };
    for (const auto& [line, value] : cases) {
        QList<QByteArray> lines = example();
        lines[line - 1] = value;
        write(lines);
        Module1 state;
        EXPECT_FALSE(readSavedGame(state, path)) << "line " << line << " = " << value.constData();
        EXPECT_TRUE(state.numberofplayers == 0 || state.numberofplayers == 2);
    }
    EXPECT_FALSE(readSavedGame(shared, folder.filePath(QStringLiteral("missing.inf"))));
    QFile::remove(path);
    ASSERT_TRUE(QDir(folder.path()).mkdir(QStringLiteral("lastgame.inf")));
    EXPECT_FALSE(readSavedGame(shared, path));
    EXPECT_FALSE(saveGame(shared, 3, path));
}

// A full disk: the write fails half-way (a file-size limit does it, even for root).
TEST_F(SavedGameFile, AFailedSaveLeavesTheEarlierGameAsItWas)
{
    write(example());
    const QByteArray earlier = contents();
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit original{};
    getrlimit(RLIMIT_FSIZE, &original);
    rlimit tiny = original;
    tiny.rlim_cur = 100;
    setrlimit(RLIMIT_FSIZE, &tiny);
    const bool saved = saveGame(shared, 9, path);
    setrlimit(RLIMIT_FSIZE, &original);
    EXPECT_FALSE(saved);
    EXPECT_EQ(contents(), earlier);
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files).size(), 1) << "a temporary file was left behind";
}
