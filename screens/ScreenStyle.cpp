#include "ScreenStyle.h"

#include "QtConversions.h"
#include "widgets/ClickLabel.h"

#include <QCheckBox>

namespace zorbitan {

void paintBackground(QWidget& widget, Rgb colour)
{
    QPalette palette = widget.palette();
    palette.setColor(QPalette::Window, toQColor(colour));
    widget.setPalette(palette);
    widget.setAutoFillBackground(true);
}

// Text starts at the top of its box and is centred across it, wrapping at words.
void styleLabel(QLabel& label, const QFont& font)
{
    label.setFont(font);
    label.setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    label.setWordWrap(true);
}

QLabel* makeLabel(QWidget* parent, const QFont& font)
{
    auto* label = new QLabel(parent);
    styleLabel(*label, font);
    return label;
}

ButtonLabel* makeButton(QWidget* parent, const QFont& font)
{
    auto* button = new ButtonLabel(parent);
    styleLabel(*button, font);
    return button;
}

QCheckBox* makeCheckBox(QWidget* parent, const QFont& font)
{
    auto* box = new QCheckBox(parent);
    box->setFont(font);
    QPalette palette = box->palette();
    palette.setColor(QPalette::WindowText, toQColor(colours::yellow));
    box->setPalette(palette);
    box->setBackgroundRole(QPalette::Window);
    paintBackground(*box, colours::red);
    return box;
}

} // namespace zorbitan
