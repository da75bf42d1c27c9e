#pragma once

#include "Module1.h"
#include "Random.h"
#include "Sounds.h"

#include <QDir>
#include <QPointer>
#include <QWidget>

#include <typeindex>
#include <unordered_map>

namespace zorbitan {

// What every screen shares: the game's state, the sound player, the cards' random
// source and the working folder.
struct ScreenContext {
    Module1& shared;
    PlayWav playwav;
    RandomFraction random;
    QDir workingFolder;
};

// Owns the rule by which screens come and go: a screen is created (and runs its load
// steps) when it is shown and is not open, and is destroyed when it is closed.
// Moving on is always: show the next screen, then close this one.
class ScreenNavigator {
public:
    explicit ScreenNavigator(ScreenContext context) : context_(std::move(context)) {}

    ScreenContext& context() { return context_; }

    // Shows the screen, creating it first if it is not open, and brings it to the front.
    template <typename Screen>
    Screen& show()
    {
        Screen* screen = find<Screen>();
        if (screen == nullptr) {
            screen = new Screen(*this);
            screen->setAttribute(Qt::WA_DeleteOnClose);
            open_[typeid(Screen)] = screen;
        }
        bringToFront(*screen);
        return *screen;
    }

    // Closes the screen if it is open; otherwise does nothing.
    template <typename Screen>
    void close()
    {
        if (Screen* screen = find<Screen>()) {
            open_.erase(typeid(Screen));
            screen->close();
        }
    }

    template <typename Screen>
    Screen* find() const
    {
        const auto found = open_.find(typeid(Screen));
        return found == open_.end() ? nullptr : static_cast<Screen*>(found->second.data());
    }

private:
    static void bringToFront(QWidget& screen);

    ScreenContext context_;
    std::unordered_map<std::type_index, QPointer<QWidget>> open_;
};

} // namespace zorbitan
