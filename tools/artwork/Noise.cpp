#include "Noise.h"

#include <cmath>

Rng::Rng(quint64 seed)
    : state(seed * 0x9E3779B97F4A7C15ull + 0x2545F4914F6CDD1Dull)
{ }

// splitmix64: tiny, fast and well mixed.
double Rng::uniform()
{
    quint64 z = (state += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    z ^= z >> 31;
    return double(z >> 11) / double(1ull << 53);
}

double Rng::signedUnit()
{
    return uniform() * 2.0 - 1.0;
}

int Rng::below(int count)
{
    return int(uniform() * count) % count;
}

TileNoise::TileNoise(int period, quint64 seed)
    : period(period)
    , values(size_t(period) * size_t(period))
{
    Rng rng(seed);
    for (double &value : values)
        value = rng.signedUnit();
}

double TileNoise::lattice(int x, int y) const
{
    const int wx = ((x % period) + period) % period;
    const int wy = ((y % period) + period) % period;
    return values[size_t(wy) * size_t(period) + size_t(wx)];
}

double TileNoise::at(double x, double y) const
{
    const double fx = std::floor(x);
    const double fy = std::floor(y);
    const int ix = int(fx);
    const int iy = int(fy);
    auto smooth = [](double t) { return t * t * (3.0 - 2.0 * t); };
    const double tx = smooth(x - fx);
    const double ty = smooth(y - fy);
    const double top = lattice(ix, iy) + (lattice(ix + 1, iy) - lattice(ix, iy)) * tx;
    const double bottom
        = lattice(ix, iy + 1) + (lattice(ix + 1, iy + 1) - lattice(ix, iy + 1)) * tx;
    return top + (bottom - top) * ty;
}

FractalNoise::FractalNoise(int period, int octaveCount, quint64 seed)
{
    for (int i = 0; i < octaveCount; ++i) {
        octaves.emplace_back(period << i, seed + quint64(i) * 7919u);
        periods.push_back(period << i);
    }
}

double FractalNoise::at(double u, double v) const
{
    double sum = 0.0;
    double weight = 1.0;
    double total = 0.0;
    for (size_t i = 0; i < octaves.size(); ++i) {
        sum += octaves[i].at(u * periods[i], v * periods[i]) * weight;
        total += weight;
        weight *= 0.5;
    }
    return sum / total;
}
