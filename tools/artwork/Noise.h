#pragma once

#include <QtGlobal>
#include <vector>

// A small seeded generator, so every run of the tool draws exactly the same pictures and sounds
// on every platform (the standard distributions are not portable).
class Rng
{
public:
    explicit Rng(quint64 seed);

    double uniform(); // 0 .. 1
    double signedUnit(); // -1 .. 1
    int below(int count); // 0 .. count - 1

private:
    quint64 state;
};

// Smooth value noise on a square lattice that repeats every `period` cells, so a picture made
// from it tiles without seams. Values lie in -1 .. 1.
class TileNoise
{
public:
    TileNoise(int period, quint64 seed);
    double at(double x, double y) const;

private:
    double lattice(int x, int y) const;

    int period;
    std::vector<double> values;
};

// Several octaves of tiling noise: the first octave has `period` cells across the tile, each
// further one twice as many at half the strength.
class FractalNoise
{
public:
    FractalNoise(int period, int octaves, quint64 seed);
    // u, v in tile units (0 .. 1 spans one tile).
    double at(double u, double v) const;

private:
    std::vector<TileNoise> octaves;
    std::vector<int> periods;
};
