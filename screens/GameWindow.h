// SPDX-FileCopyrightText: 2026 The Zorbitan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ScreenNavigator.h"
#include "ScreenScale.h"

#include <QHash>
#include <QSize>
#include <QString>
#include <QWidget>
#include <string_view>

namespace zorbitan {

// What the game's screens have in common: the navigator that opened them, the shared
// state, the sound rule, a client area designed in twips and shown at the player's size,
// and what the window's own close button means.
class GameWindow : public QWidget {
public:
    explicit GameWindow(ScreenNavigator& navigator);

    // The load steps, run by the navigator when it creates the screen.
    virtual void Form_Load() {}

    // How large the screen is shown now.
    const ScreenScale& screenScale() const { return scale_; }

protected:
    // Makes the screen from its layout table: its name, title and colour, every control
    // of the table, and its designed size.
    void setUp(const ScreenLayout& layout);

    // A control of the table, by name; null if it has none of that name and kind.
    template <typename Control = QWidget> Control* control(const QString& name) const
    {
        return qobject_cast<Control*>(controls_.value(name));
    }

    ScreenNavigator& navigator() const { return navigator_; }
    Module1& shared() const { return navigator_.context().shared; }
    const QDir& workingFolder() const { return navigator_.context().workingFolder; }
    const QDir& saveFolder() const { return navigator_.context().saveFolder; }

    // Plays the sound if sound is on at this moment.
    void play(std::string_view sound) const;

    // The "Hide Desktop" setting: the backdrop shown behind the screens, or gone.
    void setBackdrop(bool shown);

    // The client area as designed. The window opens at the size the player chose, or the
    // largest that fits the display; maximised, full screen or resized by its frame the
    // screen scales as a whole. F11 (or the desktop's own key) is full screen; Ctrl with
    // plus, minus and 0 step the size as a browser does.
    void setDesignedSize(int widthTwips, int heightTwips);

    // The standard client area, centred, under a busy pointer.
    void centreform();

    // After the screen was laid out at a new scale, for what is placed by other rules.
    virtual void laidOut() {}

    // The window's own close button. By default it ends the program; false keeps
    // the window open.
    virtual bool closedByPlayer();

    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    // Every control at the screen's scale now, its foot's words kept whole.
    void layOutControls();
    QSize sizeAt(double scale) const;
    double largestFittingScale() const;
    void addSizeKeys();
    void zoomTo(double scale);
    void zoomStep(int direction);
    void toggleFullScreen();

    ScreenNavigator& navigator_;
    QHash<QString, QWidget*> controls_;
    QSize designedTwips_;
    ScreenScale scale_;
    QRect normalPlace_; // the window's place before full screen
};

} // namespace zorbitan
