// SPDX-FileCopyrightText: 2026 The Zorbitan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ScreenNavigator.h"

#include "WindowServices.h"
#include "widgets/Accessibility.h"
#include "widgets/KeyboardFocus.h"

#include <vector>

namespace zorbitan {

ScreenNavigator::ScreenNavigator(ScreenContext context) : context_(std::move(context))
{
    watchKeyboardUse();
    registerAccessibleControls();
}

ScreenNavigator::~ScreenNavigator()
{
    for (auto& [type, screen] : open_) {
        delete screen.data();
    }
}

void ScreenNavigator::bringToFront(QWidget& screen)
{
    screen.show();
    screen.raise();
    if (!screen.windowFlags().testFlag(Qt::WindowDoesNotAcceptFocus)) {
        screen.activateWindow();
    }
}

void ScreenNavigator::hold(QWidget& screen)
{
    if (holder_ != nullptr && &screen != holder_) {
        holdInBackdrop(screen, *holder_);
    }
}

void ScreenNavigator::holdScreensIn(QWidget* backdrop)
{
    QWidget* const previous = holder_;
    holder_ = backdrop;
    for (const auto& [type, screen] : open_) {
        if (screen == nullptr || screen == backdrop || screen == previous) {
            continue;
        }
        if (backdrop != nullptr) {
            holdInBackdrop(*screen, *backdrop);
        } else if (screen->parentWidget() == previous) {
            releaseFromBackdrop(*screen);
        }
    }
}

bool ScreenNavigator::isOpen(const QWidget* screen) const
{
    for (const auto& [type, open] : open_) {
        if (open.data() == screen) {
            return true;
        }
    }
    return false;
}

void ScreenNavigator::forget(const QWidget* screen)
{
    std::erase_if(open_, [screen](const auto& entry) { return entry.second.data() == screen; });
}

void ScreenNavigator::endProgram()
{
    std::vector<QPointer<QWidget>> screens;
    for (auto& [type, screen] : open_) {
        screens.push_back(screen);
    }
    open_.clear();
    for (const QPointer<QWidget>& screen : screens) {
        if (screen != nullptr) {
            screen->close();
        }
    }
    if (context_.endProgram) {
        context_.endProgram();
    }
}

} // namespace zorbitan
