#include "ConsoleFilter.h"
#include "DisplayCheck.h"
#include "Fonts.h"
#include "GamePaths.h"
#include "Module1.h"
#include "ScreenNavigator.h"
#include "SoundPlayer.h"
#include "Titlefrm.h"

#include <QApplication>
#include <QDir>
#include <random>

using namespace zorbitan;

int main(int argc, char* argv[])
{
    if (!displayAvailable()) {
        explainMissingDisplay(argv[0]);
        return 2;
    }
    QApplication app(argc, argv);
    QApplication::setStyle(QStringLiteral("Fusion"));
    installConsoleFilter();

    const QString folder = chooseWorkingFolder(QDir::currentPath(), QCoreApplication::applicationDirPath());
    QDir::setCurrent(folder);
    registerGameFonts();

    Module1 shared;
    SoundPlayer sound{QDir(folder)};
    ScreenNavigator navigator({shared, sound.playWavFunction(), seededRandom(std::random_device{}()), QDir(folder),
                               [] { QCoreApplication::quit(); }});
    navigator.show<Titlefrm>();
    return QApplication::exec();
}
