// SPDX-FileCopyrightText: 2026 The Zorbitan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>
#include <QString>
#include <span>

class QKeyEvent;
class QWidget;

namespace zorbitan {

class ClickLabel;
class ShapeWidget;

// Playing the board from the keyboard. The board is one stop in the Tab order: the
// number under the focus square. The arrow keys move the focus square; typing a
// number (one to three digits) moves it to that number; Enter or Space answers with
// the number under it, through the number's own click, so a key does nothing a click
// would not, and the answer is always the number the player sees marked.
class BoardKeyboard : public QObject {
public:
    // numbers and boxes are indexed by board number (1..100): the clickable numbers
    // and the squares they sit on, which the focus square outlines.
    BoardKeyboard(QWidget& window, std::span<ClickLabel* const> numbers, std::span<ShapeWidget* const> boxes);

    // The board's place in the Tab order: between these two controls.
    void placeInTabOrder(QWidget& before, QWidget& after);

    int cursor() const { return cursor_; }
    bool hasFocus() const;

    // Gives the focus to the number under the focus square.
    void focusBoard();

    // Puts the focus square around the number under it again, where it now stands.
    void placeFocusSquare();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool keyOnBoard(const QKeyEvent& key);
    bool keyAnywhere(const QKeyEvent& key);
    void type(const QString& digits);
    void moveCursor(int number);

    std::span<ClickLabel* const> numbers_;
    std::span<ShapeWidget* const> boxes_;
    QWidget* frame_;
    QWidget* tabBefore_ = nullptr;
    QWidget* tabAfter_ = nullptr;
    int cursor_ = 1;
    QString typed_; // the digits typed since the last Enter, arrow or move away from the board
};

} // namespace zorbitan
