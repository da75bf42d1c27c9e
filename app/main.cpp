// SPDX-FileCopyrightText: 2026 The Zorbitan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "DisplayCheck.h"
#include "Fonts.h"
#include "GameSession.h"
#include "Language.h"
#include "Titlefrm.h"

#include <QApplication>

using namespace zorbitan;

int main(int argc, char* argv[])
{
    if (!displayAvailable()) {
        const QCoreApplication console(argc, argv);
        speakTheDesktopsLanguage();
        explainMissingDisplay(argv[0]);
        return 2;
    }
    startReadingFonts(); // while the application object is set up
    std::vector<char*> arguments = argumentsChoosingPlatform(argc, argv);
    int count = static_cast<int>(arguments.size()) - 1;
    QApplication app(count, arguments.data());
    prepareApplication();
    GameSession session(randomFromTheTimeOfDay(), [] { QCoreApplication::quit(); });
    session.navigator().show<Titlefrm>();
    return QApplication::exec();
}
