#include "Sounds.h"

#include "Noise.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace Sounds {

namespace {

// Peak level of every effect: -6 dBFS, quiet enough beside other programs.
constexpr double PeakLevel = 0.5;
constexpr double FadeInSeconds = 0.001;
constexpr double FadeOutSeconds = 0.012;

using Samples = std::vector<double>;

size_t samplesFor(double seconds)
{
    return size_t(std::lround(seconds * SampleRate));
}

// A second-order filter after the well-known audio cookbook formulas.
class Biquad
{
public:
    static Biquad lowPass(double frequency, double q) { return make(frequency, q, LowPass); }
    static Biquad bandPass(double frequency, double q) { return make(frequency, q, BandPass); }

    double process(double x)
    {
        const double y = b0 * x + b1 * x1 + b2 * x2 - a1 * y1 - a2 * y2;
        x2 = x1;
        x1 = x;
        y2 = y1;
        y1 = y;
        return y;
    }

private:
    enum Kind { LowPass, BandPass };

    static Biquad make(double frequency, double q, Kind kind)
    {
        const double w = 2.0 * std::numbers::pi * frequency / SampleRate;
        const double alpha = std::sin(w) / (2.0 * q);
        const double a0 = 1.0 + alpha;
        Biquad f;
        if (kind == LowPass) {
            f.b0 = (1.0 - std::cos(w)) / 2.0 / a0;
            f.b1 = (1.0 - std::cos(w)) / a0;
            f.b2 = f.b0;
        } else {
            f.b0 = alpha / a0;
            f.b1 = 0.0;
            f.b2 = -alpha / a0;
        }
        f.a1 = -2.0 * std::cos(w) / a0;
        f.a2 = (1.0 - alpha) / a0;
        return f;
    }

    double b0 = 1, b1 = 0, b2 = 0, a1 = 0, a2 = 0;
    double x1 = 0, x2 = 0, y1 = 0, y2 = 0;
};

// A struck resonance: a sine dying away exponentially.
void addRing(Samples &out, double start, double frequency, double level, double decay)
{
    for (size_t i = samplesFor(start); i < out.size(); ++i) {
        const double t = double(i) / SampleRate - start;
        out[i] += level * std::exp(-t / decay) * std::sin(2.0 * std::numbers::pi * frequency * t);
    }
}

// Filtered noise under a fast-rise, exponential-fall envelope: clicks, snaps and rustles.
void addBurst(Samples &out, Rng &rng, double start, double level, double attack, double decay,
              Biquad filter)
{
    const size_t end = std::min(out.size(), samplesFor(start + attack + decay * 6));
    for (size_t i = samplesFor(start); i < end; ++i) {
        const double t = double(i) / SampleRate - start;
        const double envelope = t < attack ? t / attack : std::exp(-(t - attack) / decay);
        out[i] += level * envelope * filter.process(rng.signedUnit());
    }
}

// A slow swell and fade of filtered noise: the air moved by cards in flight.
void addSwish(Samples &out, Rng &rng, double start, double length, double level, Biquad filter)
{
    const size_t end = std::min(out.size(), samplesFor(start + length));
    for (size_t i = samplesFor(start); i < end; ++i) {
        const double share = (double(i) / SampleRate - start) / length;
        const double envelope = std::sin(std::numbers::pi * share);
        out[i] += level * envelope * envelope * filter.process(rng.signedUnit());
    }
}

// Scales to the common peak level and softens both ends, so nothing clicks or clips.
Samples finished(Samples samples)
{
    double peak = 0.0;
    for (const double s : samples)
        peak = std::max(peak, std::abs(s));
    const double gain = peak > 0.0 ? PeakLevel / peak : 0.0;
    const size_t fadeIn = samplesFor(FadeInSeconds);
    const size_t fadeOut = samplesFor(FadeOutSeconds);
    for (size_t i = 0; i < samples.size(); ++i) {
        double level = gain;
        if (i < fadeIn)
            level *= double(i) / double(fadeIn);
        const size_t left = samples.size() - 1 - i;
        if (left < fadeOut)
            level *= double(left) / double(fadeOut);
        samples[i] *= level;
    }
    return samples;
}

}

// A wooden block struck once: a few inharmonic resonances and the click of the strike.
std::vector<double> bidKnock()
{
    Samples out(samplesFor(0.19));
    Rng rng(11);
    addRing(out, 0.0, 212, 0.45, 0.045);
    addRing(out, 0.0, 538, 1.0, 0.032);
    addRing(out, 0.0, 1347, 0.42, 0.016);
    addRing(out, 0.0, 2911, 0.16, 0.007);
    addBurst(out, rng, 0.0, 0.9, 0.0004, 0.0025, Biquad::bandPass(3200, 0.8));
    return finished(std::move(out));
}

// A short riffle of card edges slipping past the thumb, ending in a light slap.
std::vector<double> stockFlip()
{
    Samples out(samplesFor(0.3));
    Rng rng(23);
    addSwish(out, rng, 0.0, 0.24, 0.5, Biquad::bandPass(1600, 0.6));
    const int flicks = 9;
    for (int i = 0; i < flicks; ++i) {
        const double start
            = 0.006 + 0.2 * std::pow(double(i) / (flicks - 1), 0.85) + 0.004 * rng.signedUnit();
        const double level = 0.55 + 0.3 * rng.uniform();
        addBurst(out, rng, start, level, 0.0005, 0.0035,
                 Biquad::bandPass(2400 + 1600 * rng.uniform(), 1.2));
    }
    addBurst(out, rng, 0.232, 1.0, 0.0008, 0.012, Biquad::lowPass(1500, 0.7));
    addRing(out, 0.232, 160, 0.35, 0.025);
    return finished(std::move(out));
}

// A card laid on cloth: a soft, low snap with a dull body.
std::vector<double> cardDown()
{
    Samples out(samplesFor(0.14));
    Rng rng(37);
    addBurst(out, rng, 0.0, 1.0, 0.001, 0.018, Biquad::lowPass(1900, 0.7));
    addBurst(out, rng, 0.0, 0.3, 0.0003, 0.0015, Biquad::bandPass(4200, 1.0));
    addRing(out, 0.0, 118, 0.5, 0.03);
    return finished(std::move(out));
}

}
