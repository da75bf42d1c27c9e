// SPDX-FileCopyrightText: 2026 The Zorbitan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "GameWindow.h"

#include "Grey.h"
#include "ScreenStyle.h"
#include "SoundRule.h"
#include "WindowServices.h"
#include "WindowSizeSettings.h"
#include "layout/ScreenLayout.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QShortcut>
#include <algorithm>
#include <array>

namespace zorbitan {

namespace {
// The sizes Ctrl with plus and minus step through, as a browser's.
constexpr std::array zoomSteps{smallestScale, 0.67, 0.75, 0.8, 0.9, 1.0, 1.1,
                               1.25,          1.5,  1.75, 2.0, 2.5, 3.0, largestScale};
constexpr double sameScale = 0.001;

QList<QKeySequence> distinct(QList<QKeySequence> keys)
{
    keys.removeAll(QKeySequence());
    QList<QKeySequence> once;
    for (const QKeySequence& key : keys) {
        if (!once.contains(key)) {
            once << key;
        }
    }
    return once;
}
} // namespace

GameWindow::GameWindow(ScreenNavigator& navigator) : navigator_(navigator) {}

void GameWindow::setUp(const ScreenLayout& layout)
{
    setObjectName(QString::fromLatin1(layout.name));
    if (layout.title != nullptr) {
        setWindowTitle(QString::fromUtf8(layout.title));
    }
    setAccessibleName(screensOwn(layout, layout.spokenName));
    paintBackground(*this, layout.colour);
    controls_ = buildControls(*this, layout);
    if (layout.widthTwips > 0) {
        setDesignedSize(layout.widthTwips, layout.heightTwips);
    }
}

void GameWindow::play(std::string_view sound) const
{
    playIfSoundOn(navigator_.context().shared, navigator_.context().playwav, sound);
}

void GameWindow::setBackdrop(bool shown)
{
    navigator_.context().shared.hidedesktop = shown ? 1 : 0;
    if (shown) {
        navigator_.show<Grey>();
    } else {
        navigator_.close<Grey>();
    }
}

void GameWindow::setDesignedSize(int widthTwips, int heightTwips)
{
    if (designedTwips_.isEmpty()) {
        addSizeKeys();
    }
    designedTwips_ = {widthTwips, heightTwips};
    double scale = navigator_.context().scale;
    if (scale > 1) { // a larger size than the display holds now gives way to the largest it holds
        scale = std::max(1.0, std::min(scale, largestFittingScale()));
    }
    setMinimumSize(sizeAt(zoomSteps.front()));
    scale_ = {scale, {}};
    resize(sizeAt(scale));
    layOutControls();
}

void GameWindow::centreform()
{
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    setDesignedSize(standardClientWidthTwips, standardClientHeightTwips);
    centreAtOwnSize(*this);
    QGuiApplication::restoreOverrideCursor();
}

void GameWindow::layOutControls()
{
    layOut(*this, scale_);
    if (scale_.scale != 1) { // at the design's size every word is where it was designed
        keepWordsAbove(*this, scale_.origin.y() + sizeAt(scale_.scale).height());
    }
}

QSize GameWindow::sizeAt(double scale) const
{
    return {twipsToPixels(designedTwips_.width(), scale), twipsToPixels(designedTwips_.height(), scale)};
}

double GameWindow::largestFittingScale() const
{
    const QSize room = roomForClientArea(*this);
    return std::min(static_cast<double>(pixelsToTwips(room.width())) / designedTwips_.width(),
                    static_cast<double>(pixelsToTwips(room.height())) / designedTwips_.height());
}

// The screen keeps its proportions in a window of any shape: as large as the window
// holds, centred, with the window's own colour in the margins.
void GameWindow::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    if (designedTwips_.isEmpty()) {
        return;
    }
    double& chosen = navigator_.context().scale;
    double scale = chosen;
    if (size() != sizeAt(scale)) {
        scale = std::min(static_cast<double>(pixelsToTwips(width())) / designedTwips_.width(),
                         static_cast<double>(pixelsToTwips(height())) / designedTwips_.height());
    }
    if (isVisible()) {
        chosen = scale; // the player's size, for every screen from now on
    }
    const QSize shown = sizeAt(scale);
    const ScreenScale now{scale, QPoint((width() - shown.width()) / 2, (height() - shown.height()) / 2)};
    if (now.scale != scale_.scale || now.origin != scale_.origin) {
        scale_ = now;
        layOutControls();
        laidOut();
    }
}

void GameWindow::addSizeKeys()
{
    const auto addKeys = [this](const QList<QKeySequence>& keys, auto action) {
        auto* shortcut = new QShortcut(this);
        shortcut->setKeys(distinct(keys));
        connect(shortcut, &QShortcut::activated, this, action);
    };
    addKeys({QKeySequence::ZoomIn, QKeySequence(Qt::CTRL | Qt::Key_Equal)}, [this] { zoomStep(1); });
    addKeys({QKeySequence::ZoomOut}, [this] { zoomStep(-1); });
    addKeys({QKeySequence(Qt::CTRL | Qt::Key_0)}, [this] { zoomTo(1); });
    addKeys({QKeySequence(Qt::Key_F11), QKeySequence::FullScreen}, [this] { toggleFullScreen(); });
}

void GameWindow::zoomStep(int direction)
{
    const double now = scale_.scale;
    const double fits = largestFittingScale();
    double next = now;
    for (const double step : zoomSteps) {
        if (direction > 0 && step > now + sameScale) {
            next = std::min(step, fits);
            break;
        }
        if (direction < 0 && step < now - sameScale) {
            next = step;
        }
    }
    if (std::abs(next - now) > sameScale) {
        zoomTo(next);
    }
}

void GameWindow::zoomTo(double scale)
{
    if (isFullScreen() || isMaximized()) {
        showNormal();
    }
    navigator_.context().scale = scale;
    resize(sizeAt(scale));
    centreAtOwnSize(*this);
}

void GameWindow::toggleFullScreen()
{
    if (!isWindow()) { // held in the backdrop, which covers the display already
        return;
    }
    if (isFullScreen()) {
        showNormal();
        setGeometry(normalPlace_);
        return;
    }
    normalPlace_ = geometry();
    if (const QScreen* display = screen()) {
        setGeometry(display->geometry()); // without a window manager, nothing else sizes it
    }
    showFullScreen(); // after: a window manager would take a new place as leaving full screen
}

bool GameWindow::closedByPlayer()
{
    navigator_.endProgram();
    return true;
}

void GameWindow::closeEvent(QCloseEvent* event)
{
    if (navigator_.isOpen(this) && !closedByPlayer()) {
        event->ignore();
        return;
    }
    QWidget::closeEvent(event);
}

} // namespace zorbitan
