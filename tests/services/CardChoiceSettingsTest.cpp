// SPDX-FileCopyrightText: 2026 The Zorbitan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "CardChoiceSettings.h"

#include <QDir>
#include <QFile>
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
        for (const auto& [scope, name, text] :
             {std::tuple{QSettings::UserScope, "user", user}, {QSettings::SystemScope, "system", system}}) {
            const QString path = folder.filePath(QString::fromLatin1(name));
            QSettings::setPath(QSettings::NativeFormat, scope, path);
            QDir().mkpath(path + QStringLiteral("/zorbitan"));
            QFile file(path + QStringLiteral("/zorbitan/zorbitan.conf"));
            if (text != nullptr && std::string_view(text) == "/") {
                QDir().mkpath(file.fileName());
            } else if (text != nullptr && file.open(QIODevice::WriteOnly)) {
                file.write(text);
            }
        }
    }
};
} // namespace

// What a teacher, an administrator or a hand-edit may leave in the files, and the choice
// the game reads from them: what makes sense is kept, key by key; what does not gives the
// design's choice for it and one line on the console, and a missing or empty file is quiet.
TEST(CardChoiceSettings, EveryFileGivesAChoiceThatDealsEveryLevel)
{
    CardChoice threesAndFours; // Level 1 the 3 and 4 tables without divisions, Level 3 primes and factors
    threesAndFours.level1 = tablesOf({3, 4}, false);
    threesAndFours.level3 = FactKinds(3);
    CardChoice onlyFives;
    onlyFives.level1 = tablesOf({5}, true);
    const std::string teachers = "[Cards]\nLevel1Tables=3, 4\nLevel1Divisions=false\nLevel3Facts=Primes, factors\n";
    const std::string locks = teachers + "Locked=true\n";
    const struct {
        const char* user;
        const char* system;
        CardChoice expected;
        bool locked;
        bool complains;
    } cases[] = {
        {nullptr, nullptr, {}, false, false},
        {"", "", {}, false, false},
        {teachers.c_str(), nullptr, threesAndFours, false, false},
        {"[Cards]\nLevel1Tables=5\nColour=blue\n[Other]\nLevel1Tables=7\n", nullptr, onlyFives, false, false},
        {"[Cards]\nLevel1Tables=5\n", teachers.c_str(),
         [&] {
             CardChoice both = threesAndFours;
             both.level1.tables = onlyFives.level1.tables;
             return both;
         }(),
         false, false},
        {"[Cards]\nLevel1Tables=5\nLocked=false\n", locks.c_str(), threesAndFours, true, false},
        {"/", nullptr, {}, false, true},
        {nullptr, "/", {}, false, true},
        {"[Cards]\nLevel1Tables=0, 11\nLevel1Divisions=false\n", nullptr,
         [] {
             CardChoice c;
             c.level1.divisions = false;
             return c;
         }(),
         false, true},
        {"[Cards]\nLevel1Tables=three\nLevel2Divisions=maybe\nLevel3Facts=primes, dragons\n", nullptr, {}, false, true},
        {"[Cards]\nLevel1Tables=\nLevel3Facts=\n", nullptr, {}, false, true},
        {"\xff\xfe garbage[[[\n=\n", nullptr, {}, false, false},
    };
    for (const auto& [user, system, expected, locked, complains] : cases) {
        const SettingsFiles written(user, system);
        ::testing::internal::CaptureStderr();
        const KeptCardChoice kept = readCardChoice();
        const std::string printed = ::testing::internal::GetCapturedStderr();
        const std::string files =
            std::string(user != nullptr ? user : "(none)") + " over " + (system != nullptr ? system : "(none)");
        EXPECT_TRUE(kept.choice == expected && kept.locked == locked && dealsEveryLevel(kept.choice)) << files;
        EXPECT_EQ(std::count(printed.begin(), printed.end(), '\n'), complains ? 1 : 0) << files << "\n" << printed;
    }
}

// A choice kept is read back in the next run; a locked choice cannot be changed.
TEST(CardChoiceSettings, AChoiceIsKeptUnlessTheAdministratorLocksIt)
{
    CardChoice choice;
    choice.level1 = tablesOf({3, 4}, false);
    choice.level2 = tablesOf({7}, true);
    choice.level3 = FactKinds(0b1000001);
    {
        const SettingsFiles files(nullptr, nullptr);
        EXPECT_TRUE(keepCardChoice(choice));
        EXPECT_TRUE(readCardChoice().choice == choice);
        EXPECT_TRUE(keepCardChoice({}));
        EXPECT_TRUE(readCardChoice().choice == CardChoice{});
    }
    const SettingsFiles files("[Cards]\nLevel1Tables=5\n", "[Cards]\nLocked=true\n");
    EXPECT_FALSE(keepCardChoice(choice));
    EXPECT_TRUE(readCardChoice().choice == CardChoice{});
}
