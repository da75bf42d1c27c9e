#include "GameSession.h"

#include "ConsoleFilter.h"
#include "Fonts.h"
#include "GamePaths.h"

#include <QApplication>
#include <QDir>

namespace zorbitan {

namespace {
QString enterWorkingFolder()
{
    QString folder = chooseWorkingFolder(QDir::currentPath(), QCoreApplication::applicationDirPath());
    QDir::setCurrent(folder);
    return folder;
}
} // namespace

void prepareApplication()
{
    QApplication::setStyle(QStringLiteral("Fusion"));
    installConsoleFilter();
    registerGameFonts();
}

GameSession::GameSession(RandomFraction random, std::function<void()> endProgram)
    : folder_(enterWorkingFolder()), sound_(QDir(folder_)),
      navigator_({shared_, sound_.playWavFunction(), std::move(random), QDir(folder_), std::move(endProgram)})
{
    sound_.loadAfterFirstPaint();
}

} // namespace zorbitan
