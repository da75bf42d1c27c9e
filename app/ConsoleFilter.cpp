// SPDX-FileCopyrightText: 2026 The Zorbitan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ConsoleFilter.h"

#include <QString>
#include <QtGlobal>

namespace zorbitan {

namespace {
QtMessageHandler defaultHandler = nullptr;

bool isSoundSystemChatter(const QMessageLogContext& context, const QString& message)
{
    const QLatin1String category(context.category != nullptr ? context.category : "");
    return category.startsWith(QLatin1String("qt.multimedia")) ||
           message.contains(QLatin1String("pulse"), Qt::CaseInsensitive) ||
           message.contains(QLatin1String("audio device"), Qt::CaseInsensitive);
}

void filterMessage(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (type != QtFatalMsg && isSoundSystemChatter(context, message)) {
        return;
    }
    defaultHandler(type, context, message);
}
} // namespace

void installConsoleFilter() { defaultHandler = qInstallMessageHandler(filterMessage); }

} // namespace zorbitan
