// SPDX-FileCopyrightText: 2026 The Zorbitan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "GameSession.h"

#include "AfterFirstPaint.h"
#include "AppIcon.h"
#include "CardChoiceSettings.h"
#include "ConsoleFilter.h"
#include "Fonts.h"
#include "GamePaths.h"
#include "GameStyle.h"
#include "Language.h"
#include "WindowSizeSettings.h"

#include <QApplication>
#include <QDir>
#include <QStandardPaths>
#include <chrono>

namespace zorbitan {

namespace {
QString enterWorkingFolder()
{
    QString folder = chooseWorkingFolder(QDir::currentPath(), QCoreApplication::applicationDirPath());
    QDir::setCurrent(folder);
    return folder;
}

QString findSaveFolder(const QString& workingFolder)
{
    return chooseSaveFolder(workingFolder, QCoreApplication::applicationDirPath(),
                            QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
}
} // namespace

RandomFraction randomFromTheTimeOfDay()
{
    const auto now = std::chrono::system_clock::now().time_since_epoch();
    return seededRandom(static_cast<std::uint64_t>(std::chrono::duration_cast<std::chrono::nanoseconds>(now).count()));
}

void prepareApplication()
{
    // The user's data folder is ~/.local/share/zorbitan; the desktop matches the
    // windows to the menu entry. The game's fonts are waited for only as the first
    // window is painted. Every window gets the game's icon, drawn once the first one
    // is up.
    QCoreApplication::setApplicationName(QStringLiteral("zorbitan"));
    QGuiApplication::setDesktopFileName(QStringLiteral(ZORBITAN_APP_ID));
    beforeFirstPaint(*QCoreApplication::instance(), registerGameFonts);
    afterFirstPaint(*QCoreApplication::instance(), [] { QApplication::setWindowIcon(appIcon()); });
    useGameStyle();
    installConsoleFilter();
    speakTheDesktopsLanguage();
}

GameSession::GameSession(RandomFraction random, std::function<void()> endProgram)
    : folder_(enterWorkingFolder()), sound_(QDir(folder_)),
      navigator_({shared_, sound_.playWavFunction(), std::move(random), QDir(folder_), QDir(findSaveFolder(folder_)),
                  std::move(endProgram)})
{
    shared_.cardchoice = readCardChoice().choice;
    navigator_.context().scale = readChosenScale();
    sound_.loadAfterFirstPaint();
}

GameSession::~GameSession() { keepChosenScale(navigator_.context().scale); }

} // namespace zorbitan
