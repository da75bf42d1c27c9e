// SPDX-FileCopyrightText: 2026 The Zorbitan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "CardChoiceSettings.h"
#include "WindowSizeSettings.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace zorbitan;

namespace {
// Points the settings at fresh folders and writes the user's and the administrator's
// files there (nullptr: no file; "/": a folder in the file's place).
struct SettingsFiles {
    QTemporaryDir folder;
    SettingsFiles(const char* user, const char* system)
    {
        for (const auto& [scope, text] : {std::pair{QSettings::UserScope, user}, {QSettings::SystemScope, system}}) {
            const QString path = folder.filePath(scope == QSettings::UserScope ? "user/zorbitan" : "system/zorbitan");
            QSettings::setPath(QSettings::NativeFormat, scope, QFileInfo(path).path());
            QDir().mkpath(path + (text != nullptr && text[0] == '/' ? "/zorbitan.conf" : ""));
            QFile file(path + "/zorbitan.conf");
            file.open(QIODevice::WriteOnly) && text != nullptr&& file.write(text) >= 0;
        }
    }
};
} // namespace

// A choice: Level 1's tables and divisions, Level 3's kinds as bits in the rules' order.
CardChoice choiceOf(std::initializer_list<int> tables, bool divisions, unsigned long kinds = 127)
{
    CardChoice choice;
    choice.level1 = tablesOf(tables, divisions);
    choice.level3 = FactKinds(kinds);
    return choice;
}

// What a teacher, an administrator or a hand-edit may leave in the files (none, empty,
// a folder in a file's place, nonsense, unknown keys, a lock), and the choice the game
// reads: what makes sense is kept, key by key; what does not gives the design's choice
// for it and one line on the console. Then a choice kept is read back in the next run,
// unless the administrator locks it.
TEST(CardChoiceSettings, EveryFileGivesAChoiceThatDealsEveryLevel)
{
    const CardChoice design = choiceOf({2, 5, 10}, true);
    const std::string teachers = "[Cards]\nLevel1Tables=3, 4\nLevel1Divisions=false\nLevel3Facts=Primes, factors\n";
    const std::string locks = teachers + "Locked=true\n";
    // clang-format off
    const std::tuple<const char*, const char*, CardChoice, bool, bool> cases[] = { // user, system, read, locked, complains
        {nullptr, nullptr, design, false, false},
        {"", "", design, false, false},
        {teachers.c_str(), nullptr, choiceOf({3, 4}, false, 3), false, false},
        {"[Cards]\nLevel1Tables=1, 10\nColour=blue\n[Other]\nLevel1Tables=7\n", nullptr, choiceOf({1, 10}, true), false, false},
        {"[Cards]\nLevel1Tables=5\n", teachers.c_str(), choiceOf({5}, false, 3), false, false},
        {"[Cards]\nLevel1Tables=5\nLocked=false\n", locks.c_str(), choiceOf({3, 4}, false, 3), true, false},
        {"/", nullptr, design, false, true},
        {nullptr, "/", design, false, true},
        {"[Cards]\nLevel1Tables=0, 11\nLevel1Divisions=false\n", nullptr, choiceOf({2, 5, 10}, false), false, true},
        {"[Cards]\nLevel1Tables=three\nLevel2Divisions=maybe\nLevel3Facts=primes, dragons\n", nullptr, design, false, true},
        {"[Cards]\nLevel1Tables=\nLevel3Facts=\n", nullptr, design, false, true},
        {"\xff\xfe garbage[[[\n=\n", nullptr, design, false, false},
    };
    // clang-format on
    for (const auto& [user, system, expected, locked, complains] : cases) {
        const SettingsFiles written(user, system);
        ::testing::internal::CaptureStderr();
        const KeptCardChoice kept = readCardChoice();
        const std::string printed = ::testing::internal::GetCapturedStderr();
        EXPECT_TRUE(kept.choice == expected && kept.locked == locked && dealsEveryLevel(kept.choice))
            << (user != nullptr ? user : "(none)") << " over " << (system != nullptr ? system : "(none)");
        EXPECT_EQ(std::count(printed.begin(), printed.end(), '\n'), complains ? 1 : 0) << printed;
    }
    CardChoice kept = choiceOf({3, 4}, false, 0b1000001);
    kept.level2 = tablesOf({7}, true);
    for (const auto& [user, system, keeps] : {std::tuple<const char*, const char*, bool>{nullptr, "", true},
                                              {nullptr, "[Cards]\nLocked=true\n", false},
                                              {"/", "", false}}) { // a folder where the user's file goes
        const SettingsFiles written(user, system);
        EXPECT_EQ(keepCardChoice(kept), keeps) << (user != nullptr ? user : "") << system;
        EXPECT_TRUE(readCardChoice().choice == (keeps ? kept : design)) << system;
    }
}

// The player's size: the design's for none or nonsense, the nearest allowed out of range,
// and the size kept read back, the teacher's choice beside it untouched.
TEST(WindowSizeSettings, TheSizeChosenComesBack)
{
    for (const auto& [user, read] :
         {std::pair{"", 1.0}, {"[Window]\nScale=nan\n", 1.0}, {"[Window]\nScale=99\n", 4.0}}) {
        const SettingsFiles written(user, nullptr);
        EXPECT_EQ(readChosenScale(), read) << user;
    }
    const SettingsFiles written("[Cards]\nLevel1Tables=3, 4\n", nullptr);
    keepChosenScale(2.5);
    EXPECT_TRUE(readChosenScale() == 2.5 && readCardChoice().choice.level1 == tablesOf({3, 4}, true));
}
