#include "GamePaths.h"
#include "Publisher.h"
#include "SavedGame.h"
#include "UrlRecorder.h"
#include "WindowServices.h"

#include <QDesktopServices>
#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <QUrl>
#include <QWidget>
#include <gtest/gtest.h>

using namespace zorbitan;

TEST(GamePaths, FoundWithoutRegardToCaseAndChosenAsTheWorkingFolder)
{
    QTemporaryDir temporary;
    QDir folder(temporary.path());
    folder.mkpath(QStringLiteral("Images"));
    QFile(folder.filePath(QStringLiteral("Images/zorbitanmd.bmp"))).open(QIODevice::WriteOnly);
    const QString picture = folder.filePath(QStringLiteral("Images/zorbitanmd.bmp"));
    EXPECT_EQ(resolveGamePath("images\\zorbitanmd.bmp", folder), picture);
    EXPECT_EQ(resolveGamePath("IMAGES\\ZorbitanMD.BMP", folder), picture);
    EXPECT_EQ(resolveGamePath("wav\\click.wav", folder), folder.filePath(QStringLiteral("wav/click.wav")));
    folder.mkdir(QStringLiteral("IMAGES"));
    EXPECT_EQ(resolveGamePath("IMAGES", folder), folder.filePath(QStringLiteral("IMAGES")));

    const QString program = QStringLiteral("/the/program/folder");
    folder.mkdir(QStringLiteral("Counters"));
    EXPECT_EQ(chooseWorkingFolder(folder.path(), program), program);
    QFile(folder.filePath(QStringLiteral("wav"))).open(QIODevice::WriteOnly); // a file, not a folder
    EXPECT_EQ(chooseWorkingFolder(folder.path(), program), program);
    QFile::remove(folder.filePath(QStringLiteral("wav")));
    folder.mkdir(QStringLiteral("WAV"));
    EXPECT_EQ(chooseWorkingFolder(folder.path(), program), folder.path());
}

// An installed copy: bin/zorbitan, with the data in share/zorbitan, started from anywhere.
TEST(GamePaths, AnInstalledCopyReadsItsDataFolderAndSavesInTheUsersFolder)
{
    QTemporaryDir prefix;
    QDir root(prefix.path());
    root.mkpath(QStringLiteral("bin"));
    root.mkpath(QStringLiteral("elsewhere"));
    for (const char* data : {"Images", "counters", "wav"}) {
        root.mkpath(QStringLiteral("share/zorbitan/") + QString::fromLatin1(data));
    }
    const QString program = root.filePath(QStringLiteral("bin"));
    const QString data = root.filePath(QStringLiteral("share/zorbitan"));
    const QString user = root.filePath(QStringLiteral("home/.local/share/zorbitan"));
    const QString working = chooseWorkingFolder(root.filePath(QStringLiteral("elsewhere")), program);
    EXPECT_EQ(working, data);
    EXPECT_EQ(chooseSaveFolder(working, program, user), user);

    // A copy run where it was built, or from a folder of its own, keeps the game there.
    EXPECT_EQ(chooseSaveFolder(program, program, user), program);
    EXPECT_EQ(chooseSaveFolder(root.filePath(QStringLiteral("elsewhere")), program, user),
              root.filePath(QStringLiteral("elsewhere")));
    EXPECT_EQ(chooseSaveFolder(root.filePath(QStringLiteral("gone")), program, user), user);

    // The first save creates the user's folder; until then a game left in the working
    // folder is the one brought back, and after it the user's own.
    Module1 game;
    game.numberofplayers = 2;
    EXPECT_EQ(savedGameToRestore(QDir(user), QDir(data)), savedGamePath(QDir(user)));
    ASSERT_TRUE(saveGame(game, 4, savedGamePath(QDir(data))));
    EXPECT_EQ(savedGameToRestore(QDir(user), QDir(data)), savedGamePath(QDir(data)));
    ASSERT_TRUE(saveGame(game, 6, savedGamePath(QDir(user))));
    EXPECT_EQ(savedGameToRestore(QDir(user), QDir(data)), savedGamePath(QDir(user)));
    Module1 restored;
    ASSERT_TRUE(readSavedGame(restored, savedGameToRestore(QDir(user), QDir(data))));
    EXPECT_EQ(restored.savedturn, 6);
}

TEST(WindowServices, CentredOnTheDisplayUnderABusyPointer)
{
    const QSize standard(12000, 9000);
    EXPECT_EQ(centredTopLeft(QSize(12000, 9000), standard), QPoint(0, 0));
    EXPECT_EQ(centredTopLeft(QSize(19200, 14400), standard), QPoint(3600, 2700));
    EXPECT_EQ(centredTopLeft(QSize(9600, 7200), standard), QPoint(-1200, -900));
    QWidget screen;
    centreform(screen);
    EXPECT_EQ(screen.size(), QSize(798, 598));
    EXPECT_EQ(screen.pos(), QPoint(241, 213)); // the 798 x 598 client area, no frame, on 1280 x 1024
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

TEST(WindowServices, OpensTheGamesOwnWebPage)
{
    zorbitan::testing::UrlRecorder recorder;
    QDesktopServices::setUrlHandler(QStringLiteral("https"), &recorder, "open");
    openWebPage();
    QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
    ASSERT_EQ(recorder.opened.size(), 1);
    EXPECT_EQ(recorder.opened.front().toString().toStdString(), std::string(publisher::webAddress));
}
