// Periodic gradient noise.
#include "Noise.h"

#include <cmath>
#include <numbers>

#include "Random.h"

namespace {
constexpr int TableSize = 256;

double Fade(double t) { return t * t * t * (t * (t * 6 - 15) + 10); }
} // namespace

TTileNoise::TTileNoise(std::uint64_t seed)
    : GradX(TableSize)
    , GradY(TableSize)
    , Perm(TableSize)
{
    TRandom random(seed);
    for (int i = 0; i < TableSize; ++i) {
        const double angle = random.Range(0, 2 * std::numbers::pi);
        GradX[i] = std::cos(angle);
        GradY[i] = std::sin(angle);
        Perm[i] = i;
    }
    for (int i = TableSize - 1; i > 0; --i)
        std::swap(Perm[i], Perm[random.Below(std::uint32_t(i + 1))]);
}

double TTileNoise::Gradient(int ix, int iy, int cells, double dx, double dy) const
{
    // Wrapping the lattice at `cells` is what makes the noise periodic.
    ix = ((ix % cells) + cells) % cells;
    iy = ((iy % cells) + cells) % cells;
    const int h = Perm[(Perm[ix % TableSize] + iy) % TableSize];
    return GradX[h] * dx + GradY[h] * dy;
}

double TTileNoise::Noise(double u, double v, int cells) const
{
    const double x = u * cells, y = v * cells;
    const double fx = std::floor(x), fy = std::floor(y);
    const int ix = int(fx), iy = int(fy);
    const double dx = x - fx, dy = y - fy;
    const double n00 = Gradient(ix, iy, cells, dx, dy);
    const double n10 = Gradient(ix + 1, iy, cells, dx - 1, dy);
    const double n01 = Gradient(ix, iy + 1, cells, dx, dy - 1);
    const double n11 = Gradient(ix + 1, iy + 1, cells, dx - 1, dy - 1);
    const double sx = Fade(dx), sy = Fade(dy);
    const double a = n00 + sx * (n10 - n00);
    const double b = n01 + sx * (n11 - n01);
    return (a + sy * (b - a)) * std::numbers::sqrt2;
}

double TTileNoise::Fractal(double u, double v, int cells, int octaves, double gain) const
{
    double sum = 0, amplitude = 1, total = 0;
    for (int o = 0; o < octaves; ++o) {
        sum += amplitude * Noise(u, v, cells);
        total += amplitude;
        amplitude *= gain;
        cells *= 2;
    }
    return sum / total;
}
