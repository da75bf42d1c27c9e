// SPDX-FileCopyrightText: 2026 The Zorbitan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "BoardKeyboard.h"

#include "Board.h"
#include "ClickLabel.h"
#include "KeyboardFocus.h"
#include "ScreenScale.h"
#include "ShapeWidget.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPainter>

namespace zorbitan {

namespace {
constexpr int maxTypedDigits = 3;

// A white frame edged in black around the number under the focus square, shown while
// the board has the focus and the keyboard is in use. It shows on every square colour.
class FocusSquare : public QWidget {
public:
    FocusSquare(QWidget& parent, const BoardKeyboard& board) : QWidget(&parent), board_(board)
    {
        setObjectName(QStringLiteral("FocusSquare"));
        setAttribute(Qt::WA_TransparentForMouseEvents);
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        if (!board_.hasFocus() || !window()->testAttribute(Qt::WA_KeyboardFocusChange)) {
            return;
        }
        QPainter painter(this);
        const double scale = scaleOf(*this).scale;
        const double half = 2.5 * scale;
        const QRectF frame = QRectF(rect()).adjusted(half, half, -half, -half);
        painter.setPen(QPen(Qt::black, 5 * scale));
        painter.drawRect(frame);
        painter.setPen(QPen(Qt::white, 3 * scale));
        painter.drawRect(frame);
    }

private:
    const BoardKeyboard& board_;
};

bool isOnBoard(int number) { return number >= board::firstNumber && number <= board::lastNumber; }

int arrowStep(int key)
{
    switch (key) {
    case Qt::Key_Left: return -1;
    case Qt::Key_Right: return 1;
    case Qt::Key_Up: return -board::side;
    case Qt::Key_Down: return board::side;
    default: return 0;
    }
}
} // namespace

BoardKeyboard::BoardKeyboard(QWidget& window, std::span<ClickLabel* const> numbers, std::span<ShapeWidget* const> boxes)
    : QObject(&window), numbers_(numbers), boxes_(boxes), frame_(new FocusSquare(window, *this))
{
    window.installEventFilter(this);
    for (int n = board::firstNumber; n <= board::lastNumber; ++n) {
        numbers_[n]->setFocusPolicy(Qt::NoFocus);
        numbers_[n]->installEventFilter(this);
    }
    connect(qApp, &QApplication::focusChanged, frame_, [this] {
        if (!hasFocus()) {
            typed_.clear();
        }
        placeFocusSquare();
    });
    moveCursor(cursor_);
}

void BoardKeyboard::placeInTabOrder(QWidget& before, QWidget& after)
{
    tabBefore_ = &before;
    tabAfter_ = &after;
    moveCursor(cursor_);
}

bool BoardKeyboard::hasFocus() const { return numbers_[cursor_]->hasFocus(); }

void BoardKeyboard::focusBoard() { numbers_[cursor_]->setFocus(Qt::OtherFocusReason); }

bool BoardKeyboard::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress) {
        return false;
    }
    const auto& key = *static_cast<QKeyEvent*>(event);
    if (watched == numbers_[cursor_] && keyOnBoard(key)) {
        return true;
    }
    return keyAnywhere(key);
}

// Keys for the number under the focus square: the arrows move it; Enter and Space
// go on to the number and answer with it.
bool BoardKeyboard::keyOnBoard(const QKeyEvent& key)
{
    if (const int step = arrowStep(key.key())) {
        typed_.clear();
        const int next = cursor_ + step;
        const bool sameRow = step == 1 || step == -1 ? (next - 1) / board::side == (cursor_ - 1) / board::side : true;
        if (isOnBoard(next) && sameRow) {
            moveCursor(next);
        }
        return true;
    }
    if (isActivationKey(key)) {
        typed_.clear(); // the number answers through its own click
    }
    return false;
}

// Keys from anywhere on the screen: digits type a number, Backspace takes one back,
// Escape forgets it; an arrow brings the focus to the board. A digit that would make
// no board number starts a new one: "42" then "8" is 8.
bool BoardKeyboard::keyAnywhere(const QKeyEvent& key)
{
    const QString text = key.text();
    if (text.size() == 1 && text.front().isDigit()) {
        const QString longer = typed_ + text;
        type(longer.size() <= maxTypedDigits && isOnBoard(longer.toInt()) ? longer : text);
        return true;
    }
    if (key.key() == Qt::Key_Backspace && !typed_.isEmpty()) {
        type(typed_.chopped(1));
        return true;
    }
    if (key.key() == Qt::Key_Escape && !typed_.isEmpty()) {
        typed_.clear();
        return true;
    }
    if (arrowStep(key.key()) != 0) {
        focusBoard();
        return true;
    }
    return false;
}

void BoardKeyboard::type(const QString& digits)
{
    typed_ = digits;
    if (isOnBoard(typed_.toInt())) {
        moveCursor(typed_.toInt());
    }
    focusBoard();
}

void BoardKeyboard::moveCursor(int number)
{
    const bool hadFocus = hasFocus();
    ClickLabel* before = numbers_[cursor_];
    cursor_ = number;
    numbers_[cursor_]->setFocusPolicy(Qt::TabFocus);
    if (hadFocus) {
        focusBoard();
    }
    if (before != numbers_[cursor_]) {
        before->setFocusPolicy(Qt::NoFocus);
    }
    // A number given the focus policy again may move in the Tab order; put it back.
    if (tabBefore_ != nullptr) {
        QWidget::setTabOrder(tabBefore_, numbers_[cursor_]);
        QWidget::setTabOrder(numbers_[cursor_], tabAfter_);
    }
    placeFocusSquare();
}

void BoardKeyboard::placeFocusSquare()
{
    const int margin = scaleOf(*frame_).pixels(4);
    frame_->setGeometry(boxes_[cursor_]->geometry().adjusted(-margin, -margin, margin, margin));
    frame_->raise();
    frame_->update();
}

} // namespace zorbitan
