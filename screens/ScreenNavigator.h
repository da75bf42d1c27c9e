// SPDX-FileCopyrightText: 2026 The Zorbitan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Module1.h"
#include "Random.h"
#include "Sounds.h"

#include <QDir>
#include <QPointer>
#include <QWidget>

#include <functional>
#include <typeindex>
#include <unordered_map>

namespace zorbitan {

// What every screen shares: the game's state, the sound player, the cards' random
// source, the working folder (the data folders), the folder that keeps the saved game,
// the way to end the program, and the size the player chose for every screen.
struct ScreenContext {
    Module1& shared;
    PlayWav playwav;
    RandomFraction random;
    QDir workingFolder;
    QDir saveFolder;
    std::function<void()> endProgram;
    double scale = 1;
};

// Owns the rule by which screens come and go: a screen is created (and runs its load
// steps) when it is shown and is not open, and is destroyed when it is closed.
// Moving on is always: show the next screen, then close this one.
class ScreenNavigator {
public:
    // Also sets up what every screen relies on: the keyboard focus marks and the way
    // the game's controls appear to assistive technology.
    explicit ScreenNavigator(ScreenContext context);
    ~ScreenNavigator();
    ScreenNavigator(const ScreenNavigator&) = delete;
    ScreenNavigator& operator=(const ScreenNavigator&) = delete;

    ScreenContext& context() { return context_; }

    // Shows the screen, creating it first if it is not open, and brings it to the front.
    template <typename Screen> Screen& show()
    {
        Screen* screen = find<Screen>();
        if (screen == nullptr) {
            screen = new Screen(*this);
            screen->setAttribute(Qt::WA_DeleteOnClose);
            open_[typeid(Screen)] = screen;
            hold(*screen);
            screen->Form_Load();
        }
        bringToFront(*screen);
        return *screen;
    }

    // Closes the screen if it is open; otherwise does nothing.
    template <typename Screen> void close()
    {
        if (Screen* screen = find<Screen>()) {
            open_.erase(typeid(Screen));
            screen->close();
        }
    }

    template <typename Screen> Screen* find() const
    {
        const auto found = open_.find(typeid(Screen));
        return found == open_.end() ? nullptr : static_cast<Screen*>(found->second.data());
    }

    // True while the screen is open and not being closed by the navigator: a close
    // then comes from the window's own close button.
    bool isOpen(const QWidget* screen) const;

    // Forgets a screen that closed by itself.
    void forget(const QWidget* screen);

    // Closes every screen and ends the program.
    void endProgram();

    // Where the backdrop holds the screens (on a Wayland desktop), the backdrop takes in
    // every open screen and every screen opened while it is shown; without one (nullptr)
    // they go back on the desktop as windows of their own.
    void holdScreensIn(QWidget* backdrop);

private:
    static void bringToFront(QWidget& screen);
    void hold(QWidget& screen);

    ScreenContext context_;
    std::unordered_map<std::type_index, QPointer<QWidget>> open_;
    QPointer<QWidget> holder_;
};

} // namespace zorbitan
