// SPDX-FileCopyrightText: 2026 The Zorbitan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QLabel>

namespace zorbitan {

// A label that acts on a click, as the game's labels do: a left button pressed and
// released over it; or, when it has the keyboard focus, Enter, Return or Space.
// A disabled label takes neither.
class ClickLabel : public QLabel {
    Q_OBJECT
public:
    explicit ClickLabel(QWidget* parent = nullptr);

    // What a click does, for the keyboard and for assistive technology.
    void activate();

    // Shows the caption. QLabel keeps a text editor behind every label that takes the
    // focus, built when the caption is set or the label polished, so that its text can
    // be selected; a label that is clicked has nothing to select, and draws its caption
    // the same without one, sooner. Hides QLabel::setText: call it on a ClickLabel.
    void setText(const QString& text);

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool event(QEvent* event) override;
    void focusInEvent(QFocusEvent* event) override; // QLabel's would build the editor

private:
    // Runs a step of QLabel's while the label seems to refuse the focus, so that QLabel
    // builds no editor for it.
    template <typename Step> auto withoutEditor(Step step)
    {
        const Qt::FocusPolicy policy = focusPolicy();
        setFocusPolicy(Qt::NoFocus);
        auto result = step();
        setFocusPolicy(policy);
        return result;
    }
};

// A label drawn as a filled box with a single-line border: black with a grey border
// for the game's buttons, or any colours for the level squares and colour blocks.
// Tab and Shift+Tab reach it (a click does not move the focus); the focus mark is a
// frame in its text colour.
class ButtonLabel : public ClickLabel {
    Q_OBJECT
public:
    explicit ButtonLabel(QWidget* parent = nullptr);

    void setBoxColours(const QColor& fill, const QColor& border);
    QColor fillColour() const { return fill_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor fill_{Qt::black};
    QColor border_{128, 128, 128};
};

} // namespace zorbitan
