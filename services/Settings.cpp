// SPDX-FileCopyrightText: 2026 The Zorbitan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Settings.h"

namespace zorbitan {

namespace {
std::unique_ptr<QSettings> settingsIn(QSettings::Scope scope)
{
    return std::make_unique<QSettings>(QSettings::NativeFormat, scope, QStringLiteral("zorbitan"),
                                       QStringLiteral("zorbitan"));
}
} // namespace

std::unique_ptr<QSettings> userSettings() { return settingsIn(QSettings::UserScope); }

std::unique_ptr<QSettings> systemSettings() { return settingsIn(QSettings::SystemScope); }

QString settingsTrouble(const QSettings& settings)
{
    switch (settings.status()) {
    case QSettings::NoError: return {};
    case QSettings::AccessError: return QStringLiteral("%1 cannot be read").arg(settings.fileName());
    case QSettings::FormatError: break;
    }
    return QStringLiteral("%1 is not a settings file").arg(settings.fileName());
}

} // namespace zorbitan
