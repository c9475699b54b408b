// The game's sound effects, synthesised from noise, oscillators and envelopes.
#include "Sounds.h"

#include "ArtKit.h"

#include <algorithm>
#include <cmath>

namespace Synth {

namespace {

constexpr double Rate = SampleRate;

class Track
{
public:
    explicit Track(double seconds) : Data(static_cast<std::size_t>(seconds * Rate), 0.0) {}

    std::size_t Size() const { return Data.size(); }
    double& operator[](std::size_t i) { return Data[i]; }

    // Adds f(t) for t in [start, start + length) seconds, t measured from start.
    template <class F> void Add(double start, double length, F f)
    {
        const auto a = static_cast<std::size_t>(std::max(0.0, start) * Rate);
        const auto b = std::min(Data.size(), static_cast<std::size_t>((start + length) * Rate));
        for (std::size_t i = a; i < b; ++i) {
            Data[i] += f(static_cast<double>(i) / Rate - start);
        }
    }

    // Scales to the common peak, fades both ends and converts to 16-bit samples.
    std::vector<std::int16_t> Finish(double fadeIn = 0.004, double fadeOut = 0.02) const
    {
        std::vector<double> d = Data;
        const std::size_t in = static_cast<std::size_t>(fadeIn * Rate);
        const std::size_t out = static_cast<std::size_t>(fadeOut * Rate);
        for (std::size_t i = 0; i < in && i < d.size(); ++i) {
            d[i] *= static_cast<double>(i) / static_cast<double>(in);
        }
        for (std::size_t i = 0; i < out && i < d.size(); ++i) {
            d[d.size() - 1 - i] *= static_cast<double>(i) / static_cast<double>(out);
        }
        double peak = 0;
        for (const double v : d) {
            peak = std::max(peak, std::fabs(v));
        }
        std::vector<std::int16_t> s(d.size());
        const double scale = peak > 0 ? PeakSample / peak : 0;
        for (std::size_t i = 0; i < d.size(); ++i) {
            const long v = std::lround(d[i] * scale);
            s[i] = static_cast<std::int16_t>(std::clamp(v, -static_cast<long>(PeakSample), static_cast<long>(PeakSample)));
        }
        return s;
    }

private:
    std::vector<double> Data;
};

// Biquad band-pass / low-pass / high-pass filter.
class Filter
{
public:
    enum Kind
    {
        LowPass,
        HighPass,
        BandPass
    };
    Filter(Kind kind, double freq, double q)
    {
        const double w = 2 * M_PI * freq / Rate;
        const double alpha = std::sin(w) / (2 * q);
        const double cw = std::cos(w);
        double b0 = 0;
        double b1 = 0;
        double b2 = 0;
        switch (kind) {
        case LowPass:
            b0 = (1 - cw) / 2, b1 = 1 - cw, b2 = (1 - cw) / 2;
            break;
        case HighPass:
            b0 = (1 + cw) / 2, b1 = -(1 + cw), b2 = (1 + cw) / 2;
            break;
        case BandPass:
            b0 = alpha, b1 = 0, b2 = -alpha;
            break;
        }
        const double a0 = 1 + alpha;
        B0 = b0 / a0, B1 = b1 / a0, B2 = b2 / a0, A1 = -2 * cw / a0, A2 = (1 - alpha) / a0;
    }
    double operator()(double x)
    {
        const double y = B0 * x + B1 * X1 + B2 * X2 - A1 * Y1 - A2 * Y2;
        X2 = X1, X1 = x, Y2 = Y1, Y1 = y;
        return y;
    }

private:
    double B0, B1, B2, A1, A2;
    double X1 = 0, X2 = 0, Y1 = 0, Y2 = 0;
};

double Note(int semitonesFromA4)
{
    return 440.0 * std::pow(2.0, semitonesFromA4 / 12.0);
}

// A short filtered noise burst with a resonant body: one die or coin hitting something.
void Click(Track& t, Art::Random& r, double at, double amp, double bright, double body)
{
    Filter bp(Filter::BandPass, bright, 1.4);
    const double len = 0.012 + r.Range(0, 0.01);
    const double ph = r.Range(0, 2 * M_PI);
    t.Add(at, len + 0.05, [&](double x) {
        const double noise = x < len ? (r.Uniform() * 2 - 1) * std::exp(-x * 260) : 0.0;
        return amp * (bp(noise) * 2.2 + 0.35 * std::sin(2 * M_PI * body * x + ph) * std::exp(-x * 90));
    });
}

// An inharmonic struck bell or bar.
void Bell(Track& t, double at, double length, double freq, double amp, const std::vector<double>& partials,
          double decay)
{
    t.Add(at, length, [&](double x) {
        double v = 0;
        for (std::size_t k = 0; k < partials.size(); ++k) {
            v += std::sin(2 * M_PI * freq * partials[k] * x) * std::exp(-x * decay * (1 + k * 0.7)) / (1 + k);
        }
        const double attack = std::min(1.0, x / 0.002);
        return amp * attack * v;
    });
}

// A brassy note: a band-limited sawtooth through a swelling low-pass.
void Brass(Track& t, double at, double length, double freq, double amp)
{
    t.Add(at, length, [&](double x) {
        double v = 0;
        const int harmonics = std::min(12, static_cast<int>(9000 / freq));
        const double open = 0.35 + 0.65 * std::min(1.0, x / 0.06);
        for (int k = 1; k <= harmonics; ++k) {
            v += std::sin(2 * M_PI * freq * k * x * (1 + 0.002 * std::sin(2 * M_PI * 5 * x))) / k *
                 std::exp(-(k - 1) * (1.2 - open) * 0.9);
        }
        const double env = std::min(1.0, x / 0.025) * (x > length - 0.08 ? (length - x) / 0.08 : 1.0);
        return amp * env * v;
    });
}

// A soft organ-like tone.
void Soft(Track& t, double at, double length, double freq, double amp)
{
    t.Add(at, length, [&](double x) {
        const double v = std::sin(2 * M_PI * freq * x) + 0.3 * std::sin(4 * M_PI * freq * x) +
                         0.12 * std::sin(6 * M_PI * freq * x);
        const double env = std::min(1.0, x / 0.05) * std::exp(-x * 1.2) * std::min(1.0, (length - x) / 0.12);
        return amp * env * v;
    });
}

std::vector<std::int16_t> DiceBox()
{
    Track t(0.6);
    Art::Random r(1001);
    // Three shakes of the cup, each with a dull thump and a rattle of dice against its wall.
    for (int shake = 0; shake < 3; ++shake) {
        const double s = 0.02 + shake * 0.19;
        Filter lp(Filter::LowPass, 180, 0.8);
        t.Add(s, 0.09, [&](double x) { return 0.9 * lp((r.Uniform() * 2 - 1)) * std::exp(-x * 30); });
        const int clicks = 5 + static_cast<int>(r.Range(0, 3));
        for (int k = 0; k < clicks; ++k) {
            Click(t, r, s + r.Range(0, 0.15), r.Range(0.3, 0.6), r.Range(2500, 4200), r.Range(1100, 1700));
        }
    }
    return t.Finish();
}

std::vector<std::int16_t> DiceRoll()
{
    Track t(0.6);
    Art::Random r(1002);
    // Clatter that thins out and settles: gaps grow, hits soften.
    double at = 0.01;
    double gap = 0.018;
    double amp = 1.0;
    while (at < 0.5) {
        Click(t, r, at, amp * r.Range(0.6, 1.0), r.Range(1800, 3200), r.Range(650, 950));
        at += gap * r.Range(0.6, 1.4);
        gap *= 1.13;
        amp *= 0.93;
    }
    return t.Finish();
}

std::vector<std::int16_t> Money()
{
    Track t(1.2);
    Art::Random r(1003);
    // Coins dropping into a tray, then the register's bell.
    for (int k = 0; k < 7; ++k) {
        const double at = 0.01 + k * 0.045 + r.Range(0, 0.02);
        Bell(t, at, 0.25, r.Range(2600, 3600), 0.25, {1.0, 1.48, 2.1}, 22);
        Click(t, r, at, 0.25, 5000, 2000);
    }
    Bell(t, 0.38, 0.8, 1318.5, 0.9, {1.0, 2.0, 2.76, 5.4}, 4.5);
    return t.Finish();
}

std::vector<std::int16_t> Ask()
{
    Track t(0.9);
    // A rising pair: a question.
    Bell(t, 0.0, 0.5, Note(7), 0.6, {1.0, 2.0, 3.0}, 5);
    Bell(t, 0.22, 0.68, Note(12), 0.7, {1.0, 2.0, 3.0}, 4.5);
    return t.Finish();
}

std::vector<std::int16_t> Info()
{
    Track t(0.6);
    Bell(t, 0.0, 0.6, Note(15), 0.7, {1.0, 2.0, 4.1}, 6);
    return t.Finish();
}

std::vector<std::int16_t> Police()
{
    Track t(1.25);
    // Two up-and-down sweeps of a wailing siren.
    double phase = 0;
    t.Add(0, 1.25, [&](double x) {
        const double cycle = std::fmod(x, 0.6) / 0.6;
        const double sweep = 0.5 - 0.5 * std::cos(2 * M_PI * cycle);
        const double f = 620 + 640 * sweep;
        phase += 2 * M_PI * f / Rate;
        const double v = std::sin(phase) + 0.3 * std::sin(3 * phase) + 0.12 * std::sin(5 * phase);
        const double env = std::min(1.0, x / 0.05);
        return env * v;
    });
    return t.Finish(0.004, 0.08);
}

std::vector<std::int16_t> PrisonDoor()
{
    Track t(1.3);
    Art::Random r(1005);
    // The heavy door's clang, then the bolt.
    Filter lp(Filter::LowPass, 900, 0.7);
    t.Add(0, 0.08, [&](double x) { return 1.2 * lp(r.Uniform() * 2 - 1) * std::exp(-x * 50); });
    Bell(t, 0, 1.3, 98, 1.0, {1.0, 1.59, 2.14, 2.83, 3.91, 5.2}, 3.2);
    Click(t, r, 0.32, 0.7, 1800, 420);
    Click(t, r, 0.36, 0.5, 2200, 380);
    return t.Finish();
}

std::vector<std::int16_t> Ambulance()
{
    Track t(1.0);
    // Hi-lo two-tone, two pairs.
    double phase = 0;
    t.Add(0, 1.0, [&](double x) {
        const int step = static_cast<int>(x / 0.25);
        const double f = step % 2 == 0 ? 960 : 770;
        phase += 2 * M_PI * f / Rate;
        const double v = std::sin(phase) + 0.33 * std::sin(3 * phase) + 0.2 * std::sin(5 * phase);
        return v;
    });
    return t.Finish(0.004, 0.05);
}

std::vector<std::int16_t> Gavel()
{
    Track t(0.8);
    Art::Random r(1007);
    for (const double at : {0.0, 0.34}) {
        Filter lp(Filter::LowPass, 1600, 0.9);
        t.Add(at, 0.03, [&](double x) { return 0.8 * lp(r.Uniform() * 2 - 1) * std::exp(-x * 120); });
        Bell(t, at, 0.25, 340, 1.0, {1.0, 2.65, 4.4}, 28);
    }
    return t.Finish();
}

std::vector<std::int16_t> Seizure()
{
    Track t(1.3);
    // Three falling notes: bad news.
    Brass(t, 0.0, 0.3, Note(-2), 0.6);
    Brass(t, 0.3, 0.3, Note(-6), 0.6);
    Brass(t, 0.6, 0.65, Note(-9), 0.7);
    return t.Finish();
}

std::vector<std::int16_t> GameOver()
{
    Track t(1.95);
    const int notes[] = {-5, -7, -9, -12};
    for (int k = 0; k < 4; ++k) {
        const double at = k * 0.42;
        Soft(t, at, k == 3 ? 0.7 : 0.46, Note(notes[k]), 0.7);
        Soft(t, at, k == 3 ? 0.7 : 0.46, Note(notes[k] - 12), 0.3);
    }
    return t.Finish();
}

std::vector<std::int16_t> Winner()
{
    Track t(1.9);
    // Rising arpeggio, then the held major chord.
    const int notes[] = {3, 7, 10};
    for (int k = 0; k < 3; ++k) {
        Brass(t, k * 0.14, 0.16, Note(notes[k]), 0.55);
    }
    for (const int n : {3, 7, 10, 15}) {
        Brass(t, 0.44, 1.4, Note(n), 0.35);
    }
    Bell(t, 0.44, 1.2, Note(27), 0.15, {1.0, 2.0}, 3);
    return t.Finish();
}

void Put32(std::vector<std::uint8_t>& out, std::uint32_t v)
{
    for (int k = 0; k < 4; ++k) {
        out.push_back(static_cast<std::uint8_t>(v >> (8 * k)));
    }
}

void PutTag(std::vector<std::uint8_t>& out, const char* tag)
{
    for (int k = 0; k < 4; ++k) {
        out.push_back(static_cast<std::uint8_t>(tag[k]));
    }
}

void Put16(std::vector<std::uint8_t>& out, std::uint32_t v)
{
    out.push_back(static_cast<std::uint8_t>(v));
    out.push_back(static_cast<std::uint8_t>(v >> 8));
}

} // namespace

std::vector<Sound> MakeAllSounds()
{
    return {
        {"dicebox", DiceBox()}, {"dice", DiceRoll()},   {"money", Money()},    {"dask", Ask()},
        {"dinfo", Info()},      {"police", Police()},   {"prison", PrisonDoor()}, {"hospital", Ambulance()},
        {"justice", Gavel()},   {"seizure", Seizure()}, {"gameover", GameOver()}, {"winner", Winner()},
    };
}

std::vector<std::uint8_t> EncodeWave(const std::vector<std::int16_t>& samples)
{
    const auto dataBytes = static_cast<std::uint32_t>(samples.size() * 2);
    std::vector<std::uint8_t> out;
    out.reserve(44 + dataBytes);
    PutTag(out, "RIFF");
    Put32(out, 36 + dataBytes);
    PutTag(out, "WAVE");
    PutTag(out, "fmt ");
    Put32(out, 16);
    Put16(out, 1); // PCM
    Put16(out, 1); // mono
    Put32(out, SampleRate);
    Put32(out, SampleRate * 2);
    Put16(out, 2);
    Put16(out, 16);
    PutTag(out, "data");
    Put32(out, dataBytes);
    for (const std::int16_t s : samples) {
        Put16(out, static_cast<std::uint16_t>(s));
    }
    return out;
}

} // namespace Synth
