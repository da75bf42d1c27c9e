#include "GamePaths.h"
#include "Publisher.h"
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

TEST(WindowServices, CentredOnTheDisplayUnderABusyPointer)
{
    const QSize standard(12000, 9000);
    EXPECT_EQ(centredTopLeft(QSize(12000, 9000), standard), QPoint(0, 0));
    EXPECT_EQ(centredTopLeft(QSize(19200, 14400), standard), QPoint(3600, 2700));
    EXPECT_EQ(centredTopLeft(QSize(9600, 7200), standard), QPoint(-1200, -900));
    QWidget screen;
    centreform(screen);
    EXPECT_EQ(screen.size(), QSize(798, 598));
    EXPECT_EQ(screen.pos(), QPoint(240, 212)); // on the 1280 x 1024 test display
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
