// SPDX-FileCopyrightText: 2026 The Zorbitan developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Writes the pictures and sounds the game reads at run time into the given folder:
// Images/, counters/ and wav/; and, given a second folder, the game's icon there as an
// icon theme (hicolor) for the desktop menu. Run by the build; nothing it writes is kept
// in the sources.

#include "AppIcon.h"
#include "Board.h"
#include "CounterArt.h"
#include "Fonts.h"
#include "Players.h"
#include "QtConversions.h"
#include "SoundSynth.h"
#include "TitleArt.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <cstdio>
#include <functional>
#include <utility>

using namespace zorbitan;
using namespace zorbitan::datagen;

namespace {
bool writeFile(const QString& path, const std::string& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) &&
           file.write(bytes.data(), static_cast<qint64>(bytes.size())) == static_cast<qint64>(bytes.size());
}

bool writeSounds(const QDir& wav)
{
    const std::pair<const char*, std::function<Samples()>> sounds[] = {
        {"click.wav", synthesiseClick},     {"click1.wav", synthesiseClick1}, {"stapler.wav", synthesiseStapler},
        {"subping.wav", synthesiseSubping}, {"boink.wav", synthesiseBoink},   {"klaxon.wav", synthesiseKlaxon},
    };
    bool ok = true;
    for (const auto& [file, synthesise] : sounds) {
        ok = writeFile(wav.filePath(QString::fromLatin1(file)), encodeWav(synthesise())) && ok;
    }
    return ok;
}

bool writeCounters(const QDir& counters)
{
    bool ok = true;
    for (const auto& square : squareColours) {
        for (int k = 0; k < maxPlayers; ++k) {
            const QString file = toQString(square.prefix) + toQString(playerAtIndex(k).prefix) + QStringLiteral(".bmp");
            ok = drawCounter(square.colour, k).save(counters.filePath(file), "BMP") && ok;
        }
    }
    return ok;
}

// The title picture and the logo, and beside each the same drawing at twice and three times
// its size (Qt's "@2x" names) for the game shown larger.
bool writePictures(const QDir& images)
{
    bool ok = true;
    for (const int scale : {1, 2, 3}) {
        const QString larger = scale == 1 ? QString() : QStringLiteral("@%1x").arg(scale);
        ok = drawTitlePicture(scale).save(images.filePath("zorbitanmd" + larger + ".bmp"), "BMP") &&
             drawLogo(scale).save(images.filePath("logo2" + larger + ".jpg"), "JPG", 92) && ok;
    }
    return ok;
}

// hicolor/<n>x<n>/apps/<id>.png at the sizes menus use, and hicolor/scalable/apps/<id>.svg.
bool writeIcons(const QDir& theme)
{
    const QString name = QStringLiteral(ZORBITAN_APP_ID);
    bool ok = true;
    for (int size : {16, 24, 32, 48, 64, 128, 256}) {
        const QString folder = QStringLiteral("%1x%1/apps").arg(size);
        ok = theme.mkpath(folder) && drawAppIcon(size).save(theme.filePath(folder + "/" + name + ".png"), "PNG") && ok;
    }
    ok = theme.mkpath(QStringLiteral("scalable/apps")) &&
         writeFile(theme.filePath("scalable/apps/" + name + ".svg"), appIconSvg().toStdString()) && ok;
    return ok;
}
} // namespace

int main(int argc, char* argv[])
{
    if (argc != 2 && argc != 3) {
        std::fprintf(stderr, "usage: %s OUTPUT_FOLDER [ICON_THEME_FOLDER]\n", argv[0]);
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    registerGameFonts();

    QDir out(QString::fromLocal8Bit(argv[1]));
    for (const char* folder : {"Images", "counters", "wav"}) {
        if (!out.mkpath(QString::fromLatin1(folder))) {
            std::fprintf(stderr, "cannot create %s in %s\n", folder, argv[1]);
            return 1;
        }
    }
    const bool ok = writePictures(QDir(out.filePath(QStringLiteral("Images")))) &&
                    writeCounters(QDir(out.filePath(QStringLiteral("counters")))) &&
                    writeSounds(QDir(out.filePath(QStringLiteral("wav"))));
    if (!ok) {
        std::fprintf(stderr, "could not write every picture and sound into %s\n", argv[1]);
        return 1;
    }
    if (argc == 3 && !writeIcons(QDir(QString::fromLocal8Bit(argv[2])))) {
        std::fprintf(stderr, "could not write the icons into %s\n", argv[2]);
        return 1;
    }
    return 0;
}
