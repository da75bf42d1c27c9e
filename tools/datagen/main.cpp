// Writes the pictures and sounds the game reads at run time into the given folder:
// Images/, counters/ and wav/. Run by the build; nothing it writes is kept in the sources.

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
} // namespace

int main(int argc, char* argv[])
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT_FOLDER\n", argv[0]);
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
    const bool ok = drawTitlePicture().save(out.filePath(QStringLiteral("Images/zorbitanmd.bmp")), "BMP") &&
                    drawLogo().save(out.filePath(QStringLiteral("Images/logo2.jpg")), "JPG", 92) &&
                    writeCounters(QDir(out.filePath(QStringLiteral("counters")))) &&
                    writeSounds(QDir(out.filePath(QStringLiteral("wav"))));
    if (!ok) {
        std::fprintf(stderr, "could not write every picture and sound into %s\n", argv[1]);
        return 1;
    }
    return 0;
}
