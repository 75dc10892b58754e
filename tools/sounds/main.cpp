// ludoval-sons OUTDIR
//
// Synthesises the three sounds that the game windows play and writes them
// into OUTDIR as WAV files (RIFF, PCM 16-bit, mono, 22050 Hz, 44-byte header):
//
//   CarteDistrib.wav       a card landing on the table: a short soft swish of
//                          filtered noise, played at every card of a deal;
//   CarteSelectionnee.wav  a card being picked: a short quiet tick;
//   Gagne.wav              a won game: a bright major arpeggio in a soft bell
//                          timbre, ending on a chord that fades out.
//
// Everything is computed from fixed parameters and a fixed-seed noise
// generator, so two runs write the same bytes. Each sound is scaled so that
// its peak sits at -6 dBFS, and starts and ends with a short fade.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace {

constexpr int kRate = 22050;
constexpr double kPi = 3.14159265358979323846;
constexpr double kPeak = 0.5011872336272722; // -6 dBFS

using Signal = std::vector<double>;

int samplesFor(double seconds)
{
    return static_cast<int>(std::lround(seconds * kRate));
}

// Small deterministic noise source (xorshift32), uniform in [-1, 1).
class Noise {
public:
    explicit Noise(std::uint32_t seed) : state_(seed ? seed : 1u) {}
    double next()
    {
        state_ ^= state_ << 13;
        state_ ^= state_ >> 17;
        state_ ^= state_ << 5;
        return static_cast<double>(state_) / 2147483648.0 - 1.0;
    }

private:
    std::uint32_t state_;
};

// Second-order filter (direct form I) whose coefficients may change at every
// sample, as needed for a sweeping band-pass.
class Biquad {
public:
    void setBandPass(double centre, double q)
    {
        const double w = 2.0 * kPi * centre / kRate;
        const double alpha = std::sin(w) / (2.0 * q);
        const double a0 = 1.0 + alpha;
        b0_ = alpha / a0;
        b1_ = 0.0;
        b2_ = -alpha / a0;
        a1_ = -2.0 * std::cos(w) / a0;
        a2_ = (1.0 - alpha) / a0;
    }
    void setLowPass(double cutoff, double q)
    {
        const double w = 2.0 * kPi * cutoff / kRate;
        const double alpha = std::sin(w) / (2.0 * q);
        const double c = std::cos(w);
        const double a0 = 1.0 + alpha;
        b0_ = (1.0 - c) / 2.0 / a0;
        b1_ = (1.0 - c) / a0;
        b2_ = b0_;
        a1_ = -2.0 * c / a0;
        a2_ = (1.0 - alpha) / a0;
    }
    double process(double x)
    {
        const double y = b0_ * x + b1_ * x1_ + b2_ * x2_ - a1_ * y1_ - a2_ * y2_;
        x2_ = x1_;
        x1_ = x;
        y2_ = y1_;
        y1_ = y;
        return y;
    }

private:
    double b0_ = 0, b1_ = 0, b2_ = 0, a1_ = 0, a2_ = 0;
    double x1_ = 0, x2_ = 0, y1_ = 0, y2_ = 0;
};

// Raised-cosine ramp from 0 to 1 as t goes from 0 to length.
double ramp(double t, double length)
{
    if (t <= 0.0)
        return 0.0;
    if (t >= length)
        return 1.0;
    return 0.5 - 0.5 * std::cos(kPi * t / length);
}

// Fades the first and last samples of the signal in and out (raised cosine),
// so that it neither starts nor stops on a step.
void fadeEdges(Signal &s, double fadeIn, double fadeOut)
{
    const int n = static_cast<int>(s.size());
    const int in = std::min(n, samplesFor(fadeIn));
    const int out = std::min(n, samplesFor(fadeOut));
    for (int i = 0; i < in; ++i)
        s[i] *= ramp(i, in);
    for (int i = 0; i < out; ++i)
        s[n - 1 - i] *= ramp(i, out);
}

// Scales the signal so that its largest magnitude is `peak`.
void normalise(Signal &s, double peak)
{
    double largest = 0.0;
    for (double v : s)
        largest = std::max(largest, std::fabs(v));
    if (largest <= 0.0)
        return;
    const double gain = peak / largest;
    for (double &v : s)
        v *= gain;
}

// A card landing: noise through a band-pass that sweeps down from a light
// hiss to a soft rustle, under a quick rise and an exponential fall, with a
// faint low pat as the card settles. Kept mellow (no energy near the top of
// the band) so that ten of them a second do not tire the ear.
Signal dealSound()
{
    const double length = 0.120;
    const int n = samplesFor(length);
    Signal s(n);
    Noise noise(0x4c75646fu);
    Biquad band, smooth;
    smooth.setLowPass(4600.0, 0.707);
    for (int i = 0; i < n; ++i) {
        const double t = static_cast<double>(i) / kRate;
        const double progress = t / length;
        // Centre glides from 3800 Hz to 1300 Hz, faster at first.
        const double centre = 1300.0 + 2500.0 * std::pow(1.0 - progress, 1.6);
        band.setBandPass(centre, 1.1);
        const double hiss = smooth.process(band.process(noise.next()));
        const double envelope = ramp(t, 0.012) * std::exp(-std::max(0.0, t - 0.012) / 0.032);
        // The pat: a damped 190 Hz sine, quiet, a little after the start.
        const double tp = t - 0.018;
        const double pat = tp > 0.0 ? 0.10 * std::sin(2.0 * kPi * 190.0 * tp) * ramp(tp, 0.004)
                                          * std::exp(-tp / 0.018)
                                    : 0.0;
        s[i] = hiss * envelope + pat;
    }
    normalise(s, 1.0);
    fadeEdges(s, 0.002, 0.020);
    normalise(s, kPeak);
    return s;
}

// A card being picked: two damped resonances (a bright one and a woody one)
// struck by a very short burst of noise. 35 ms, fading to nothing only over
// its last few milliseconds, so that the synchronous playback holds the game
// no longer than the sound is heard.
Signal pickSound()
{
    const double length = 0.035;
    const int n = samplesFor(length);
    Signal s(n);
    Noise noise(0x7069636bu);
    Biquad grit;
    grit.setBandPass(3000.0, 1.5);
    for (int i = 0; i < n; ++i) {
        const double t = static_cast<double>(i) / kRate;
        const double bright = 0.55 * std::sin(2.0 * kPi * 2650.0 * t) * std::exp(-t / 0.0045);
        const double woody = 0.45 * std::sin(2.0 * kPi * 1180.0 * t) * std::exp(-t / 0.0070);
        const double burst = 0.35 * grit.process(noise.next()) * std::exp(-t / 0.0015);
        s[i] = (bright + woody + burst) * ramp(t, 0.0006);
    }
    normalise(s, 1.0);
    fadeEdges(s, 0.0005, 0.010);
    normalise(s, kPeak);
    return s;
}

// One bell-like note: a few partials, the higher ones quieter and shorter,
// one of them slightly inharmonic for a glassy shimmer.
void addBell(Signal &s, double start, double frequency, double amplitude, double decay)
{
    struct Partial {
        double ratio, level, decayScale;
    };
    static const Partial partials[] = {
        {1.0, 1.00, 1.00},
        {2.0, 0.32, 0.55},
        {3.0, 0.10, 0.35},
        {4.16, 0.05, 0.22},
    };
    const int first = samplesFor(start);
    const int n = static_cast<int>(s.size());
    for (int i = first; i < n; ++i) {
        const double t = static_cast<double>(i - first) / kRate;
        double v = 0.0;
        for (const Partial &p : partials) {
            const double f = frequency * p.ratio;
            if (f >= kRate / 2.0 * 0.9)
                continue;
            v += p.level * std::sin(2.0 * kPi * f * t) * std::exp(-t / (decay * p.decayScale));
        }
        s[i] += amplitude * ramp(t, 0.004) * v;
    }
}

double noteFrequency(int midi)
{
    return 440.0 * std::pow(2.0, (midi - 69) / 12.0);
}

// A win: C major arpeggio (C5 E5 G5 C6) climbing briskly, then a chord of
// C6 E6 G6 over C5 that rings and fades out.
Signal winSound()
{
    const double length = 1.30;
    Signal s(samplesFor(length));
    const int arpeggio[] = {72, 76, 79, 84};
    for (int k = 0; k < 4; ++k)
        addBell(s, 0.110 * k, noteFrequency(arpeggio[k]), 0.70, 0.28);
    const double chordAt = 0.46;
    addBell(s, chordAt, noteFrequency(72), 0.45, 0.60);
    addBell(s, chordAt, noteFrequency(84), 0.55, 0.55);
    addBell(s, chordAt + 0.012, noteFrequency(88), 0.42, 0.50);
    addBell(s, chordAt + 0.024, noteFrequency(91), 0.36, 0.45);
    normalise(s, 1.0);
    fadeEdges(s, 0.002, 0.35);
    normalise(s, kPeak);
    return s;
}

void putU32(std::vector<unsigned char> &out, std::uint32_t v)
{
    for (int i = 0; i < 4; ++i)
        out.push_back(static_cast<unsigned char>((v >> (8 * i)) & 0xffu));
}

void putU16(std::vector<unsigned char> &out, std::uint16_t v)
{
    out.push_back(static_cast<unsigned char>(v & 0xffu));
    out.push_back(static_cast<unsigned char>((v >> 8) & 0xffu));
}

void putTag(std::vector<unsigned char> &out, const char *tag)
{
    out.insert(out.end(), tag, tag + 4);
}

bool writeWav(const std::filesystem::path &path, const Signal &s)
{
    const std::uint32_t dataBytes = static_cast<std::uint32_t>(s.size() * 2);
    std::vector<unsigned char> out;
    out.reserve(44 + dataBytes);
    putTag(out, "RIFF");
    putU32(out, 36 + dataBytes);
    putTag(out, "WAVE");
    putTag(out, "fmt ");
    putU32(out, 16);          // size of the fmt chunk
    putU16(out, 1);           // PCM
    putU16(out, 1);           // mono
    putU32(out, kRate);       // sample rate
    putU32(out, kRate * 2);   // bytes per second
    putU16(out, 2);           // bytes per frame
    putU16(out, 16);          // bits per sample
    putTag(out, "data");
    putU32(out, dataBytes);
    for (double v : s) {
        const long q = std::lround(std::clamp(v, -1.0, 1.0) * 32767.0);
        putU16(out, static_cast<std::uint16_t>(static_cast<std::int16_t>(q)));
    }
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    if (!file)
        return false;
    file.write(reinterpret_cast<const char *>(out.data()), static_cast<std::streamsize>(out.size()));
    return static_cast<bool>(file);
}

} // namespace

int main(int argc, char **argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTDIR\n", argv[0]);
        return 2;
    }
    const std::filesystem::path dir(argv[1]);
    std::error_code ec;
    std::filesystem::create_directories(dir, ec);

    struct Output {
        const char *name;
        Signal signal;
    };
    const Output outputs[] = {
        {"CarteDistrib.wav", dealSound()},
        {"CarteSelectionnee.wav", pickSound()},
        {"Gagne.wav", winSound()},
    };
    int status = 0;
    for (const Output &o : outputs) {
        const std::filesystem::path path = dir / o.name;
        if (writeWav(path, o.signal)) {
            std::printf("%s: %zu samples, %.1f ms\n", path.string().c_str(), o.signal.size(),
                        1000.0 * static_cast<double>(o.signal.size()) / kRate);
        } else {
            std::fprintf(stderr, "cannot write %s\n", path.string().c_str());
            status = 1;
        }
    }
    return status;
}
