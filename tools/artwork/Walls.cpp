#include "Walls.h"

#include "Noise.h"

#include <algorithm>
#include <cmath>

namespace Walls {

namespace {

constexpr double WeaveStrength = 0.035;
constexpr double MottleStrength = 0.028;
constexpr double TrellisDepth = 0.07;
constexpr int TrellisCell = 32; // divides TextureSize, so the lattice tiles too

// Per-row and per-column thread thickness, softened so neighbouring threads differ gently.
std::vector<double> threads(Rng &rng)
{
    std::vector<double> raw(TextureSize);
    for (double &t : raw)
        t = rng.signedUnit();
    std::vector<double> soft(TextureSize);
    for (int i = 0; i < TextureSize; ++i)
        soft[size_t(i)] = 0.6 * raw[size_t(i)] + 0.2 * raw[size_t((i + 1) % TextureSize)]
            + 0.2 * raw[size_t((i + TextureSize - 1) % TextureSize)];
    return soft;
}

// 1 on the thin diagonal lines and on a small four-petal flower in each lattice cell, 0 between.
double trellis(int x, int y)
{
    auto nearLine = [](int v) {
        const int d = std::abs((v % TrellisCell + TrellisCell) % TrellisCell - TrellisCell / 2);
        const double distance = TrellisCell / 2 - d;
        return std::exp(-distance * distance / 1.2);
    };
    const double lines
        = std::max(nearLine(x + y + TrellisCell / 2), nearLine(x - y + TrellisCell / 2));
    const double cx = (x % TrellisCell) - TrellisCell / 2.0 + 0.5;
    const double cy = (y % TrellisCell) - 0.5;
    const double wy = cy < TrellisCell / 2.0 ? cy : cy - TrellisCell;
    const double r = std::hypot(cx, wy);
    const double petals = 0.5 + 0.5 * std::cos(4.0 * std::atan2(wy, cx));
    const double flower = std::exp(-std::pow(r / (2.0 + 2.5 * petals), 4.0));
    return std::max(lines * 0.8, flower);
}

}

const std::vector<Wall> &walls()
{
    static const std::vector<Wall> all = {
        {QStringLiteral("Fal - Zöld.bmp"), QColor(92, 138, 86), true},
        {QStringLiteral("Fal - Kék.bmp"), QColor(74, 106, 158), true},
        {QStringLiteral("Fal - Sárga.bmp"), QColor(212, 180, 96), true},
        {QStringLiteral("Fal - Piros.bmp"), QColor(166, 70, 62), true},
        {QStringLiteral("Fal - Fehér.bmp"), QColor(238, 234, 224), false},
    };
    return all;
}

QImage texture(const Wall &wall, quint64 seed)
{
    Rng rng(seed);
    const std::vector<double> rows = threads(rng);
    const std::vector<double> columns = threads(rng);
    const FractalNoise mottle(4, 3, seed + 1);
    QImage image(TextureSize, TextureSize, QImage::Format_RGB888);
    for (int y = 0; y < TextureSize; ++y) {
        for (int x = 0; x < TextureSize; ++x) {
            // Plain weave: warp and weft show on alternate pixels.
            const double weave = (x + y) % 2 == 0 ? rows[size_t(y)] : columns[size_t(x)];
            double light = 1.0 + WeaveStrength * weave
                + MottleStrength * mottle.at(double(x) / TextureSize, double(y) / TextureSize);
            if (wall.trellis)
                light -= TrellisDepth * trellis(x, y);
            auto channel = [&](int value) { return std::clamp(int(value * light + 0.5), 0, 255); };
            image.setPixelColor(x, y,
                                QColor(channel(wall.base.red()), channel(wall.base.green()),
                                       channel(wall.base.blue())));
        }
    }
    return image;
}

}
