// Names the sounds in a recording of the game: 16-bit mono samples at 22050 Hz, as
// parec records a sound server's output. The recording is cut into sounds at every
// stretch of silence, and each sound is named after the game's own sound file it
// matches best, by correlating their first 50 ms; what matches none well (the rest of a
// sound that the next one cut off) is no sound. Prints the names in order, or "silence".
// Usage: sounds-heard RECORDING WAV_FOLDER

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

// The samples of a file (little-endian, as the machine's own); of a WAV file, from its
// first audible one on, after the header.
Samples samplesOf(const QString& path, bool wav)
{
    QFile file(path);
    const QByteArray bytes = file.open(QIODevice::ReadOnly) ? file.readAll().mid(wav ? 44 : 0) : QByteArray();
    const auto* raw = reinterpret_cast<const qint16*>(bytes.constData());
    Samples samples(raw, raw + bytes.size() / 2);
    std::ranges::transform(samples, samples.begin(), [](double s) { return s / 32768.0; });
    return {wav ? std::ranges::find_if(samples, [](double s) { return std::abs(s) >= audible; }) : samples.begin(),
            samples.end()};
}

// How alike a sound heard from `start` is to a sound file, whatever their loudness:
// 1 for the same shape.
double likeness(const Samples& recording, std::size_t start, const Samples& file)
{
    const std::size_t length = std::min(compared, file.size());
    double best = 0;
    for (long lag = -lineUp; lag <= lineUp; ++lag) {
        const auto from = static_cast<std::size_t>(std::max(0L, static_cast<long>(start) + lag));
        double ab = 0, aa = 0, bb = 0;
        for (std::size_t i = 0; i < length && from + i < recording.size(); ++i) {
            ab += recording[from + i] * file[i];
            aa += recording[from + i] * recording[from + i];
            bb += file[i] * file[i];
        }
        best = aa > 0 && bb > 0 ? std::max(best, ab / std::sqrt(aa * bb)) : best;
    }
    return best;
}
} // namespace

int main(int argc, char* argv[])
{
    if (argc != 3) {
        return 2;
    }
    const QStringList names{"click", "click1", "stapler", "subping", "boink", "klaxon"};
    std::vector<Samples> files;
    for (const QString& name : names) {
        files.push_back(samplesOf(QStringLiteral("%1/%2.wav").arg(QString::fromLocal8Bit(argv[2]), name), true));
    }
    const Samples recording = samplesOf(QString::fromLocal8Bit(argv[1]), false);
    QStringList heard;
    for (std::size_t i = 0; i < recording.size(); ++i) {
        if (std::abs(recording[i]) < audible) {
            continue;
        }
        std::vector<double> alike;
        for (const Samples& file : files) {
            alike.push_back(likeness(recording, i, file));
        }
        const auto best = std::max_element(alike.begin(), alike.end());
        if (*best >= recognised) {
            heard << names[best - alike.begin()];
        }
        for (std::size_t quiet = 0; i < recording.size() && quiet < silenceBetween; ++i) {
            quiet = std::abs(recording[i]) < audible ? quiet + 1 : 0;
        }
    }
    std::printf("%s\n", heard.isEmpty() ? "silence" : qPrintable(heard.join(QLatin1Char(' '))));
    return 0;
}
