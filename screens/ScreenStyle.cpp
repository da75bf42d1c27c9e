// SPDX-FileCopyrightText: 2026 The Zorbitan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ScreenStyle.h"

#include "GamePaths.h"
#include "QtConversions.h"
#include "ScreenScale.h"
#include "widgets/GameCheckBox.h"

#include <QCheckBox>
#include <QFileInfo>
#include <QLabel>
#include <QPixmap>

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

QCheckBox* makeCheckBox(QWidget* parent, const QFont& font)
{
    auto* box = new GameCheckBox(parent);
    box->setFont(font);
    QPalette palette = box->palette();
    palette.setColor(QPalette::WindowText, toQColor(colours::yellow));
    box->setPalette(palette);
    box->setBackgroundRole(QPalette::Window);
    paintBackground(*box, colours::red);
    return box;
}

bool loadPicture(QLabel& label, const QDir& workingFolder, std::string_view gamePath)
{
    const QString path = resolveGamePath(gamePath, workingFolder);
    const QPixmap picture = readPicture(path);
    if (picture.isNull()) {
        return false;
    }
    label.setAlignment(Qt::AlignLeft | Qt::AlignTop);
    const QFileInfo file(path);
    QStringList larger; // "zorbitanmd@2x.bmp" beside "zorbitanmd.bmp"
    for (const char* times : {"@2x.", "@3x."}) {
        larger << file.dir().filePath(file.completeBaseName() + times + file.suffix());
    }
    showPicture(label, picture, larger);
    return true;
}

} // namespace zorbitan
