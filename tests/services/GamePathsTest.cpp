#include "GamePaths.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace zorbitan;

namespace {
void touch(const QDir& folder, const QString& relative)
{
    QDir(folder).mkpath(QFileInfo(folder.filePath(relative)).path());
    QFile file(folder.filePath(relative));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
}

class GamePaths : public ::testing::Test {
protected:
    QTemporaryDir temporary;
    QDir folder{temporary.path()};
};
} // namespace

TEST_F(GamePaths, BothSpellingsOfTheImagesFolderReachOneFolder)
{
    touch(folder, QStringLiteral("Images/zorbitanmd.bmp"));
    const QString expected = folder.filePath(QStringLiteral("Images/zorbitanmd.bmp"));
    EXPECT_EQ(resolveGamePath("Images\\zorbitanmd.bmp", folder), expected);
    EXPECT_EQ(resolveGamePath("images\\zorbitanmd.bmp", folder), expected);
    EXPECT_EQ(resolveGamePath("IMAGES\\ZorbitanMD.BMP", folder), expected);
}

TEST_F(GamePaths, ExactSpellingWinsWhenBothExist)
{
    touch(folder, QStringLiteral("wav/click.wav"));
    touch(folder, QStringLiteral("WAV/click.wav"));
    EXPECT_EQ(resolveGamePath("WAV\\click.wav", folder), folder.filePath(QStringLiteral("WAV/click.wav")));
    EXPECT_EQ(resolveGamePath("wav\\click.wav", folder), folder.filePath(QStringLiteral("wav/click.wav")));
}

TEST_F(GamePaths, MissingPartsKeepTheirSpelling)
{
    touch(folder, QStringLiteral("Counters/yebl.bmp"));
    EXPECT_EQ(resolveGamePath("counters\\nothere.bmp", folder), folder.filePath(QStringLiteral("Counters/nothere.bmp")));
    EXPECT_EQ(resolveGamePath("wav\\click.wav", folder), folder.filePath(QStringLiteral("wav/click.wav")));
    EXPECT_EQ(resolveGamePath("lastgame.inf", folder), folder.filePath(QStringLiteral("lastgame.inf")));
}

TEST_F(GamePaths, WorkingFolderIsTheOneHoldingTheDataFolders)
{
    QTemporaryDir programTemporary;
    const QString program = programTemporary.path();
    EXPECT_EQ(chooseWorkingFolder(folder.path(), program), program);

    folder.mkdir(QStringLiteral("images"));
    folder.mkdir(QStringLiteral("Counters"));
    EXPECT_FALSE(holdsDataFolders(folder));
    EXPECT_EQ(chooseWorkingFolder(folder.path(), program), program);

    folder.mkdir(QStringLiteral("wav"));
    EXPECT_TRUE(holdsDataFolders(folder));
    EXPECT_EQ(chooseWorkingFolder(folder.path(), program), folder.path());
}

TEST_F(GamePaths, AFileNamedLikeADataFolderIsNoFolder)
{
    folder.mkdir(QStringLiteral("Images"));
    folder.mkdir(QStringLiteral("counters"));
    touch(folder, QStringLiteral("wav"));
    EXPECT_FALSE(holdsDataFolders(folder));
}
