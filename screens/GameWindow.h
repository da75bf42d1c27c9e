// SPDX-FileCopyrightText: 2026 The Zorbitan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ScreenNavigator.h"
#include "Twips.h"

#include <QWidget>
#include <string_view>

namespace zorbitan {

// What the game's screens have in common: the navigator that opened them, the shared
// state, the sound rule, a client area designed in twips, and what the window's own
// close button means.
class GameWindow : public QWidget {
public:
    explicit GameWindow(ScreenNavigator& navigator);

    // The load steps, run by the navigator when it creates the screen.
    virtual void Form_Load() {}

protected:
    ScreenNavigator& navigator() const { return navigator_; }
    Module1& shared() const { return navigator_.context().shared; }
    const QDir& workingFolder() const { return navigator_.context().workingFolder; }
    const QDir& saveFolder() const { return navigator_.context().saveFolder; }

    // Plays the sound if sound is on at this moment.
    void play(std::string_view sound) const;

    // The "Hide Desktop" setting: the backdrop shown behind the screens, or gone.
    void setBackdrop(bool shown);

    // Fixes the client area at its designed size.
    void setDesignedSize(int widthTwips, int heightTwips);

    // The window's own close button. By default it ends the program; false keeps
    // the window open.
    virtual bool closedByPlayer();

    void closeEvent(QCloseEvent* event) override;

private:
    ScreenNavigator& navigator_;
};

} // namespace zorbitan
