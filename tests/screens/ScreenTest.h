// SPDX-FileCopyrightText: 2026 The Zorbitan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Fandlerules.h"
#include "Grey.h"
#include "Playlevel.h"
#include "SavedGame.h"
#include "ScreenNavigator.h"
#include "Startplay2.h"
#include "TeacherChoice.h"
#include "TestGame.h"
#include "Titlefrm.h"
#include "fan1.h"

#include <QtTest>
#include <QtWidgets>
#include <gtest/gtest.h>

namespace zorbitan::testing {

// Real screens, offscreen, in a working folder of their own that shares the built
// pictures and sounds; sounds recorded, the program's ends counted, the cards chosen.
struct Screens {
    Screens()
    {
        for (const QString& data : QStringList{"Images", "counters", "wav"}) {
            QFile::link(QDir::current().absoluteFilePath(data), folder.filePath(data));
        }
    }

    ~Screens()
    {
        navigator.endProgram();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    QTemporaryDir folder;
    Module1 shared;
    std::vector<std::string> sounds;
    ScriptedRandom random{{}, seededRandom(3)};
    int programEnds = 0;
    ScreenNavigator navigator{{shared, [this](std::string_view name) { sounds.emplace_back(name); },
                               [this] { return random(); }, QDir(folder.path()), QDir(folder.path()),
                               [this] { ++programEnds; }}};
};

class ScreenTest : public ::testing::Test, public Screens {};

} // namespace zorbitan::testing
