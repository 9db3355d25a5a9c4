// Synthesises the game's sounds and writes them as 16-bit PCM WAV files
// (mono, 22050 Hz). Deterministic: the same program writes the same bytes.
//
//   lettrava-soundmaker EVENTS_FOLDER EMBEDDED_FOLDER
//
// EVENTS_FOLDER receives the eleven event sounds (GoodWord.wav ...), and
// EMBEDDED_FOLDER the five offensive-word sounds SND_BAD1.wav .. SND_BAD5.wav
// that are compiled into the program.

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

namespace {

constexpr int kRate = 22050;
constexpr double kPi = 3.14159265358979323846;

using Samples = std::vector<double>;

// A small deterministic noise source.
struct Noise {
    std::uint32_t state = 0x2545f491u;
    double next()
    {
        state = state * 1664525u + 1013904223u;
        return ((state >> 8) & 0xffff) / 32767.5 - 1.0;
    }
};

int samples(double seconds) { return static_cast<int>(seconds * kRate + 0.5); }

void ensure(Samples& s, int n)
{
    if (static_cast<int>(s.size()) < n)
        s.resize(static_cast<std::size_t>(n), 0.0);
}

// Attack / exponential decay envelope.
double envelope(double t, double attack, double decay)
{
    if (t < attack)
        return t / attack;
    return std::exp(-(t - attack) / decay);
}

// A bell-like tone: a few partials, the higher ones fading sooner.
void bell(Samples& s, double start, double freq, double length, double amp, double decay,
          std::initializer_list<std::pair<double, double>> partials)
{
    const int begin = samples(start), n = samples(length);
    ensure(s, begin + n);
    for (int i = 0; i < n; ++i) {
        const double t = double(i) / kRate;
        double v = 0;
        int k = 0;
        for (auto [ratio, weight] : partials) {
            v += weight * std::sin(2 * kPi * freq * ratio * t) * envelope(t, 0.003, decay / (1 + 0.6 * k));
            ++k;
        }
        s[static_cast<std::size_t>(begin + i)] += amp * v;
    }
}

// A brass-like tone: harmonics that open up after the attack, with a little vibrato.
void brass(Samples& s, double start, double freq, double length, double amp)
{
    const int begin = samples(start), n = samples(length);
    ensure(s, begin + n);
    double phase = 0;
    for (int i = 0; i < n; ++i) {
        const double t = double(i) / kRate;
        const double vib = 1 + 0.004 * std::sin(2 * kPi * 5.5 * t) * std::min(1.0, t * 4);
        phase += 2 * kPi * freq * vib / kRate;
        const double open = std::min(1.0, t / 0.06);
        double v = 0;
        for (int h = 1; h <= 8; ++h)
            v += std::sin(phase * h) / h * std::pow(open, h * 0.5) * (h == 1 ? 1.0 : 0.8);
        double env = std::min(1.0, t / 0.02);
        const double release = length - t;
        if (release < 0.08)
            env *= release / 0.08;
        s[static_cast<std::size_t>(begin + i)] += amp * env * v * 0.5;
    }
}

// A tone whose pitch glides from f0 to f1, with a chosen wave shape.
enum class Wave { Sine, Triangle, Square, Saw };
double wave(Wave w, double phase)
{
    const double x = phase / (2 * kPi);
    const double f = x - std::floor(x);
    switch (w) {
    case Wave::Sine: return std::sin(phase);
    case Wave::Triangle: return 4 * std::abs(f - 0.5) - 1;
    case Wave::Square: return f < 0.5 ? 0.8 : -0.8;
    case Wave::Saw: return 2 * f - 1;
    }
    return 0;
}

void glide(Samples& s, double start, double length, double f0, double f1, double amp, Wave w,
           double attack = 0.01, double releaseTime = 0.05, double vibratoHz = 0, double vibratoDepth = 0)
{
    const int begin = samples(start), n = samples(length);
    ensure(s, begin + n);
    double phase = 0;
    for (int i = 0; i < n; ++i) {
        const double t = double(i) / kRate;
        const double k = t / length;
        double f = f0 * std::pow(f1 / f0, k);
        if (vibratoHz > 0)
            f *= 1 + vibratoDepth * std::sin(2 * kPi * vibratoHz * t);
        phase += 2 * kPi * f / kRate;
        double env = std::min(1.0, t / attack);
        if (length - t < releaseTime)
            env *= (length - t) / releaseTime;
        s[static_cast<std::size_t>(begin + i)] += amp * env * wave(w, phase);
    }
}

// A one-pole low-pass filter over part of the sound, to soften buzzes.
void lowPass(Samples& s, double cutoff)
{
    const double a = 1 - std::exp(-2 * kPi * cutoff / kRate);
    double y = 0;
    for (double& x : s) {
        y += a * (x - y);
        x = y;
    }
}

// A short knock: filtered noise plus a quickly fading tone.
void knock(Samples& s, double start, double freq, double amp, double length, Noise& noise)
{
    const int begin = samples(start), n = samples(length);
    ensure(s, begin + n);
    double y = 0;
    for (int i = 0; i < n; ++i) {
        const double t = double(i) / kRate;
        y += 0.35 * (noise.next() - y);
        const double body = std::sin(2 * kPi * freq * t) * std::exp(-t / (length * 0.25));
        const double click = y * std::exp(-t / 0.004);
        s[static_cast<std::size_t>(begin + i)] += amp * (0.8 * body + 0.6 * click);
    }
}

// Scales the sound to the given peak and fades its very ends, so that no
// sound starts or stops with a click.
void finish(Samples& s, double peak = 0.7)
{
    double m = 0;
    for (double x : s)
        m = std::max(m, std::abs(x));
    if (m > 0)
        for (double& x : s)
            x *= peak / m;
    const int fade = std::min<int>(samples(0.004), static_cast<int>(s.size()) / 2);
    for (int i = 0; i < fade; ++i) {
        s[static_cast<std::size_t>(i)] *= double(i) / fade;
        s[s.size() - 1 - static_cast<std::size_t>(i)] *= double(i) / fade;
    }
}

bool writeWav(const std::string& file, const Samples& s)
{
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    if (!out)
        return false;
    auto u32 = [&](std::uint32_t v) {
        const char b[4] = {char(v & 0xff), char((v >> 8) & 0xff), char((v >> 16) & 0xff), char((v >> 24) & 0xff)};
        out.write(b, 4);
    };
    auto u16 = [&](std::uint16_t v) {
        const char b[2] = {char(v & 0xff), char((v >> 8) & 0xff)};
        out.write(b, 2);
    };
    const auto dataBytes = static_cast<std::uint32_t>(s.size() * 2);
    out.write("RIFF", 4);
    u32(36 + dataBytes);
    out.write("WAVEfmt ", 8);
    u32(16);
    u16(1); // PCM
    u16(1); // mono
    u32(kRate);
    u32(kRate * 2);
    u16(2);
    u16(16);
    out.write("data", 4);
    u32(dataBytes);
    for (double x : s) {
        const long v = std::lround(std::clamp(x, -1.0, 1.0) * 32767.0);
        u16(static_cast<std::uint16_t>(static_cast<std::int16_t>(v)));
    }
    std::printf("%s\n", file.c_str());
    return static_cast<bool>(out);
}

double note(int semitonesFromA4) { return 440.0 * std::pow(2.0, semitonesFromA4 / 12.0); }

// ------------------------------------------------------------------ the sounds

Samples goodWord()
{
    // A bright rising chime: C6 E6 G6, each ringing on under the next.
    Samples s;
    const std::initializer_list<std::pair<double, double>> partials{{1, 1.0}, {2.0, 0.35}, {3.01, 0.12}, {4.2, 0.06}};
    bell(s, 0.00, note(15), 0.5, 0.6, 0.18, partials);
    bell(s, 0.06, note(19), 0.5, 0.6, 0.2, partials);
    bell(s, 0.12, note(22), 0.45, 0.7, 0.22, partials);
    finish(s);
    return s;
}

Samples notInDict()
{
    // A soft, questioning two-note "boop boop" stepping down a minor third.
    Samples s;
    glide(s, 0.00, 0.14, note(3), note(3), 0.5, Wave::Triangle, 0.01, 0.06);
    glide(s, 0.15, 0.20, note(0), note(-1), 0.5, Wave::Triangle, 0.01, 0.1);
    lowPass(s, 2500);
    finish(s, 0.6);
    return s;
}

Samples notInGrid()
{
    // A low buzz.
    Samples s;
    glide(s, 0.0, 0.32, 110, 100, 0.6, Wave::Square, 0.005, 0.08, 14, 0.03);
    glide(s, 0.0, 0.32, 55, 50, 0.3, Wave::Saw, 0.005, 0.08);
    lowPass(s, 900);
    finish(s, 0.6);
    return s;
}

Samples invalidPenalty()
{
    // Three falling buzzy notes: wah, wah, waaah.
    Samples s;
    glide(s, 0.00, 0.20, 233, 220, 0.5, Wave::Saw, 0.01, 0.05, 6, 0.01);
    glide(s, 0.22, 0.20, 220, 208, 0.5, Wave::Saw, 0.01, 0.05, 6, 0.01);
    glide(s, 0.44, 0.55, 208, 165, 0.5, Wave::Saw, 0.01, 0.2, 6, 0.025);
    lowPass(s, 1200);
    finish(s, 0.65);
    return s;
}

Samples lostAllValid()
{
    // A falling slide, a little sad.
    Samples s;
    glide(s, 0.0, 0.6, 660, 196, 0.55, Wave::Triangle, 0.01, 0.2, 7, 0.015);
    glide(s, 0.0, 0.6, 330, 98, 0.25, Wave::Sine, 0.01, 0.2);
    lowPass(s, 3000);
    finish(s, 0.6);
    return s;
}

Samples tenSeconds()
{
    // One second of a clock: tick at 0, tock at 0.5 s. Loops without a seam.
    Samples s;
    Noise noise;
    ensure(s, samples(1.0));
    knock(s, 0.0, 1900, 0.6, 0.06, noise);
    knock(s, 0.5, 1400, 0.55, 0.06, noise);
    finish(s, 0.6);
    s.resize(static_cast<std::size_t>(samples(1.0)));
    return s;
}

Samples roundOver()
{
    // A gong-like low bell with inharmonic partials.
    Samples s;
    bell(s, 0.0, 196, 1.4, 0.7, 0.55, {{1, 1.0}, {2.76, 0.5}, {5.4, 0.25}, {8.93, 0.1}});
    bell(s, 0.0, 98, 1.4, 0.4, 0.7, {{1, 1.0}, {2.0, 0.3}});
    finish(s);
    return s;
}

Samples wonGame()
{
    // A fanfare: G4 C5 E5 G5, a short repeat, then a held C6 chord.
    Samples s;
    brass(s, 0.00, note(-2), 0.14, 0.45);
    brass(s, 0.15, note(3), 0.14, 0.45);
    brass(s, 0.30, note(7), 0.14, 0.45);
    brass(s, 0.45, note(10), 0.24, 0.5);
    brass(s, 0.72, note(7), 0.12, 0.45);
    brass(s, 0.86, note(15), 0.9, 0.5);
    brass(s, 0.86, note(10), 0.9, 0.35);
    brass(s, 0.86, note(3), 0.9, 0.3);
    bell(s, 0.86, note(27), 0.8, 0.15, 0.3, {{1, 1.0}, {2, 0.3}});
    lowPass(s, 5000);
    finish(s, 0.7);
    return s;
}

Samples gameEnd()
{
    // A closing cadence on soft bells: F A C, then a low C chord.
    Samples s;
    const std::initializer_list<std::pair<double, double>> partials{{1, 1.0}, {2.0, 0.25}, {3.0, 0.08}};
    bell(s, 0.00, note(8), 0.6, 0.5, 0.25, partials);
    bell(s, 0.18, note(12), 0.6, 0.5, 0.25, partials);
    bell(s, 0.36, note(15), 0.7, 0.5, 0.3, partials);
    bell(s, 0.60, note(3), 1.0, 0.45, 0.45, partials);
    bell(s, 0.60, note(7), 1.0, 0.35, 0.45, partials);
    bell(s, 0.60, note(10), 1.0, 0.35, 0.45, partials);
    finish(s, 0.65);
    return s;
}

Samples buildingGrid()
{
    // Tiles being laid out: a quick run of wooden clicks rising in pitch.
    Samples s;
    Noise noise;
    static const double gaps[] = {0.0, 0.055, 0.1, 0.16, 0.205, 0.26, 0.3, 0.36, 0.41};
    int i = 0;
    for (double at : gaps) {
        knock(s, at, 700 + 90 * i + (i % 3) * 60, 0.5 + 0.04 * (i % 2), 0.05, noise);
        ++i;
    }
    bell(s, 0.46, note(19), 0.3, 0.25, 0.1, {{1, 1.0}, {2, 0.2}});
    finish(s, 0.6);
    return s;
}

Samples letterClick()
{
    // A soft click, like a tile touched with a fingertip.
    Samples s;
    Noise noise;
    knock(s, 0.0, 1250, 0.6, 0.045, noise);
    lowPass(s, 6000);
    finish(s, 0.5);
    return s;
}

// The five sounds for a refused (offensive) word: comic disapproval.
Samples bad(int which)
{
    Samples s;
    switch (which) {
    case 1: // a bonk
        glide(s, 0.0, 0.25, 420, 70, 0.8, Wave::Sine, 0.002, 0.08);
        break;
    case 2: // a raspberry
        glide(s, 0.0, 0.5, 95, 80, 0.6, Wave::Saw, 0.01, 0.1, 23, 0.12);
        {
            Noise noise;
            for (std::size_t i = 0; i < s.size(); ++i)
                s[i] *= 0.75 + 0.25 * noise.next();
        }
        lowPass(s, 1400);
        break;
    case 3: // "uh-oh"
        glide(s, 0.0, 0.16, note(-5), note(-5), 0.5, Wave::Triangle, 0.02, 0.05);
        glide(s, 0.2, 0.3, note(-10), note(-11), 0.5, Wave::Triangle, 0.02, 0.12);
        lowPass(s, 2000);
        break;
    case 4: // a slide whistle going down
        glide(s, 0.0, 0.55, 1800, 500, 0.5, Wave::Sine, 0.02, 0.1, 6, 0.01);
        break;
    default: // a spring: boing
        glide(s, 0.0, 0.6, 180, 260, 0.6, Wave::Sine, 0.003, 0.3, 16, 0.2);
        for (std::size_t i = 0; i < s.size(); ++i)
            s[i] *= std::exp(-double(i) / kRate / 0.25);
        break;
    }
    finish(s, 0.65);
    return s;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: lettrava-soundmaker EVENTS_FOLDER EMBEDDED_FOLDER\n");
        return 2;
    }
    const std::string events = argv[1], embedded = argv[2];
    bool ok = true;
    ok &= writeWav(events + "/GoodWord.wav", goodWord());
    ok &= writeWav(events + "/NotInDict.wav", notInDict());
    ok &= writeWav(events + "/NotInGrid.wav", notInGrid());
    ok &= writeWav(events + "/InvalidPen.wav", invalidPenalty());
    ok &= writeWav(events + "/LostAllValid.wav", lostAllValid());
    ok &= writeWav(events + "/TenSeconds.wav", tenSeconds());
    ok &= writeWav(events + "/RoundOver.wav", roundOver());
    ok &= writeWav(events + "/WonGame.wav", wonGame());
    ok &= writeWav(events + "/GameEnd.wav", gameEnd());
    ok &= writeWav(events + "/BuildingGrid.wav", buildingGrid());
    ok &= writeWav(events + "/Click.wav", letterClick());
    for (int i = 1; i <= 5; ++i)
        ok &= writeWav(embedded + "/SND_BAD" + std::to_string(i) + ".wav", bad(i));
    return ok ? 0 : 1;
}
