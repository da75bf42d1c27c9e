// Names the sounds in a recording of the game: 16-bit mono samples at 22050 Hz, as
// parec records a sound server's output. The recording is cut into sounds at every
// stretch of silence, and each sound is named after the game's own sound file it
// matches best, by correlating their first 50 ms; what matches none well (the rest of a
// sound that the next one cut off) is no sound. Prints the names in order, or "silence".
// Usage: sounds-heard RECORDING WAV_FOLDER

#include <QByteArray>
#include <QFile>
#include <QStringList>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <vector>

namespace {
using Samples = std::vector<double>;

constexpr int rate = 22050;
constexpr double audible = 200.0 / 32768.0;        // the null sink's silence is exact zeros
constexpr std::size_t silenceBetween = rate / 100; // 10 ms of silence end a sound
constexpr std::size_t compared = rate / 20;
constexpr long lineUp = rate / 500; // the sounds are lined up to within 2 ms
constexpr double recognised = 0.8;  // the game's sounds come back at 0.95 or more

Samples samplesOf(const QByteArray& bytes)
{
    Samples samples(static_cast<std::size_t>(bytes.size()) / 2);
    for (std::size_t i = 0; i < samples.size(); ++i) {
        const auto low = static_cast<unsigned char>(bytes[static_cast<qsizetype>(2 * i)]);
        const auto high = static_cast<unsigned char>(bytes[static_cast<qsizetype>(2 * i + 1)]);
        samples[i] = static_cast<std::int16_t>(low | high << 8U) / 32768.0;
    }
    return samples;
}

QByteArray read(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// How alike two stretches of sound are, whatever their loudness: 1 for the same shape.
double likeness(const double* a, const double* b, std::size_t length)
{
    double ab = 0, aa = 0, bb = 0;
    for (std::size_t i = 0; i < length; ++i) {
        ab += a[i] * b[i];
        aa += a[i] * a[i];
        bb += b[i] * b[i];
    }
    return aa > 0 && bb > 0 ? ab / std::sqrt(aa * bb) : 0;
}

// A sound file from its first audible sample on, as a sound is cut from the recording.
Samples audiblePart(const Samples& file)
{
    return {std::find_if(file.begin(), file.end(), [](double s) { return std::abs(s) >= audible; }), file.end()};
}

// The best likeness to a sound file of the sound heard from `start`.
double match(const Samples& recording, std::size_t start, const Samples& file)
{
    const std::size_t length = std::min(compared, file.size());
    double best = 0;
    for (long lag = -lineUp; lag <= lineUp; ++lag) {
        const auto from = static_cast<std::size_t>(std::max(0L, static_cast<long>(start) + lag));
        if (from + length <= recording.size()) {
            best = std::max(best, likeness(recording.data() + from, file.data(), length));
        }
    }
    return best;
}
} // namespace

int main(int argc, char* argv[])
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s RECORDING WAV_FOLDER\n", argv[0]);
        return 2;
    }
    const QStringList names{"click", "click1", "stapler", "subping", "boink", "klaxon"};
    std::vector<Samples> files;
    for (const QString& name : names) {
        files.push_back(audiblePart(
            samplesOf(read(QStringLiteral("%1/%2.wav").arg(QString::fromLocal8Bit(argv[2]), name)).mid(44))));
    }
    const Samples recording = samplesOf(read(QString::fromLocal8Bit(argv[1])));
    QStringList heard;
    for (std::size_t i = 0; i < recording.size(); ++i) {
        if (std::abs(recording[i]) < audible) {
            continue;
        }
        std::size_t end = i;
        for (std::size_t quiet = 0; end < recording.size() && quiet < silenceBetween; ++end) {
            quiet = std::abs(recording[end]) < audible ? quiet + 1 : 0;
        }
        std::size_t best = 0;
        for (std::size_t f = 1; f < files.size(); ++f) {
            if (match(recording, i, files[f]) > match(recording, i, files[best])) {
                best = f;
            }
        }
        if (match(recording, i, files[best]) >= recognised) {
            heard << names[static_cast<qsizetype>(best)];
        }
        i = end;
    }
    std::printf("%s\n", heard.isEmpty() ? "silence" : qPrintable(heard.join(QLatin1Char(' '))));
    return 0;
}
