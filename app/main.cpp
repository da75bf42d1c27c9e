#include "ConsoleFilter.h"
#include "DisplayCheck.h"
#include "Fonts.h"
#include "GamePaths.h"
#include "Module1.h"
#include "ScreenNavigator.h"
#include "SoundPlayer.h"
#include "fan1.h"

#include <QApplication>
#include <QDir>
#include <random>

using namespace zorbitan;

namespace {
// Until the title screen leads the way, the game opens on a two-player game with
// both players at Level 1 and sound on.
void startFirstScreen(ScreenNavigator& navigator)
{
    Module1& shared = navigator.context().shared;
    shared.soundon = 1;
    shared.numberofplayers = 2;
    shared.playerlevel[1] = 1;
    shared.playerlevel[2] = 1;
    navigator.show<fan1>();
}
} // namespace

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
    ScreenNavigator navigator({shared, sound.playWavFunction(), seededRandom(std::random_device{}()), QDir(folder)});
    startFirstScreen(navigator);
    return QApplication::exec();
}
