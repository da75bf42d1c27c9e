// SPDX-FileCopyrightText: 2026 The Zorbitan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "CardChoiceSettings.h"

#include "Settings.h"

#include <QStringList>
#include <algorithm>
#include <array>
#include <cstdio>
#include <optional>

namespace zorbitan {

namespace {
const QString group = QStringLiteral("Cards/");
const std::array<QString, factKindCount> factNames{QStringLiteral("primes"),       QStringLiteral("factors"),
                                                   QStringLiteral("multiples"),    QStringLiteral("squares"),
                                                   QStringLiteral("odd-and-even"), QStringLiteral("greater-and-less"),
                                                   QStringLiteral("nearest-ten")};

std::optional<bool> yesOrNo(const QVariant& value)
{
    const QString text = value.toString().trimmed().toLower();
    if (text == QLatin1String("true") || text == QLatin1String("1")) {
        return true;
    }
    if (text == QLatin1String("false") || text == QLatin1String("0")) {
        return false;
    }
    return std::nullopt;
}

bool isLocked(const QSettings& system)
{
    return yesOrNo(system.value(group + QStringLiteral("Locked"))).value_or(false);
}

// A list of tables, each 1 to 10, at least one.
std::optional<std::bitset<highestTable>> tablesFrom(const QVariant& value)
{
    TablesChoice read;
    for (const QString& item : value.toStringList()) {
        bool number = false;
        const int table = item.trimmed().toInt(&number);
        if (!number || table < 1 || table > highestTable) {
            return std::nullopt;
        }
        read.set(table, true);
    }
    return read.tables.any() ? std::optional(read.tables) : std::nullopt;
}

// A list of kinds of fact by name, at least one.
std::optional<FactKinds> factsFrom(const QVariant& value)
{
    FactKinds read;
    for (const QString& item : value.toStringList()) {
        const auto* found = std::find(factNames.begin(), factNames.end(), item.trimmed().toLower());
        if (found == factNames.end()) {
            return std::nullopt;
        }
        read.set(static_cast<std::size_t>(found - factNames.begin()));
    }
    return read.any() ? std::optional(read) : std::nullopt;
}

// Reads each key that is there into its part of the choice, when it makes sense.
struct ChoiceReader {
    const QSettings& settings;
    bool understood = true;

    template <typename Value, typename Parse> void read(const QString& key, Value& kept, Parse parse)
    {
        if (settings.contains(group + key)) {
            const auto value = parse(settings.value(group + key));
            understood = understood && value.has_value();
            kept = value.value_or(kept);
        }
    }
};

void complain(const QString& why)
{
    std::fprintf(
        stderr, "%s\n",
        qPrintable(QStringLiteral("Zorbitan: %1; the levels concerned deal their cards as designed.").arg(why)));
}
} // namespace

KeptCardChoice readCardChoice()
{
    const auto system = systemSettings();
    KeptCardChoice kept{{}, isLocked(*system)};
    const auto user = kept.locked ? nullptr : userSettings();
    const QSettings& settings = kept.locked ? *system : *user;
    for (const QSettings* file : {system.get(), user.get()}) {
        if (file != nullptr && !settingsTrouble(*file).isEmpty()) {
            complain(settingsTrouble(*file));
            return {{}, kept.locked};
        }
    }
    ChoiceReader reader{settings};
    reader.read(QStringLiteral("Level1Tables"), kept.choice.level1.tables, tablesFrom);
    reader.read(QStringLiteral("Level1Divisions"), kept.choice.level1.divisions, yesOrNo);
    reader.read(QStringLiteral("Level2Tables"), kept.choice.level2.tables, tablesFrom);
    reader.read(QStringLiteral("Level2Divisions"), kept.choice.level2.divisions, yesOrNo);
    reader.read(QStringLiteral("Level3Facts"), kept.choice.level3, factsFrom);
    if (!reader.understood) {
        complain(QStringLiteral("the choice of cards in %1 is not understood").arg(settings.fileName()));
    }
    return kept;
}

bool keepCardChoice(const CardChoice& choice)
{
    if (isLocked(*systemSettings())) {
        return false;
    }
    const auto user = userSettings();
    const auto tables = [](const TablesChoice& level) {
        QStringList numbers;
        for (const int table : level.chosen()) {
            numbers << QString::number(table);
        }
        return numbers;
    };
    QStringList facts;
    for (std::size_t kind = 0; kind < factNames.size(); ++kind) {
        facts << (choice.level3.test(kind) ? QStringList{factNames.at(kind)} : QStringList{});
    }
    user->setValue(group + QStringLiteral("Level1Tables"), tables(choice.level1));
    user->setValue(group + QStringLiteral("Level1Divisions"), choice.level1.divisions);
    user->setValue(group + QStringLiteral("Level2Tables"), tables(choice.level2));
    user->setValue(group + QStringLiteral("Level2Divisions"), choice.level2.divisions);
    user->setValue(group + QStringLiteral("Level3Facts"), facts);
    user->sync();
    if (user->status() != QSettings::NoError) {
        complain(QStringLiteral("%1 cannot be written, so the choice of cards holds for this run only")
                     .arg(user->fileName()));
        return false;
    }
    return true;
}

} // namespace zorbitan
