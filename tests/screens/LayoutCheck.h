// SPDX-FileCopyrightText: 2026 The Zorbitan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QStringList>

class QWidget;

namespace zorbitan::testing {

// What a player sees on a screen against its table, layout/SCREEN.txt: every control where
// the table puts it (twips / 15), in its font, with its words, its colours drawn where they
// belong, its picture from its file, shown or hidden; and no control the table does not know.
// The lines before the first [state] hold from the opening; a state's replace them, control
// by control. Checked at the design's size, then with the window dragged to 1.5, 2 and 1.3 times
// it and to a wider and a taller shape, where the design fills the window, centred with even
// margins in the window's colour: every place and face the design's times the scale, within a
// pixel, no words cut at the window's edge; at 2, all as sharp.
// Returns what differs, a line each; saves build/screenshots/layout-SCREEN-STATE[-at-S].png.
QStringList differencesFromLayout(QWidget& screen, const QString& state = {});

// The words a label or tick box shows; empty for any other control.
QString textOf(const QWidget& widget);

} // namespace zorbitan::testing
