// Deterministic gradient noise (Perlin's construction over a hashed lattice).
#include "Noise.h"

#include <cmath>

namespace {

float Fade(float t) { return t * t * t * (t * (t * 6 - 15) + 10); }

float Grad(int x, int y, std::uint32_t seed, float dx, float dy)
{
    // Eight unit directions, chosen by the hash.
    static const float directions[8][2]
        = { { 1, 0 }, { -1, 0 }, { 0, 1 }, { 0, -1 }, { 0.7071f, 0.7071f }, { -0.7071f, 0.7071f },
              { 0.7071f, -0.7071f }, { -0.7071f, -0.7071f } };
    const float* d = directions[Hash(x, y, seed) & 7];
    return d[0] * dx + d[1] * dy;
}

// Lattice points wrap every `period` cells in both directions when period > 0.
float Noise(float x, float y, std::uint32_t seed, int period = 0)
{
    const int x0 = int(std::floor(x)), y0 = int(std::floor(y));
    const float dx = x - float(x0), dy = y - float(y0);
    const auto wrap = [period](int v) { return period > 0 ? ((v % period) + period) % period : v; };
    const int xa = wrap(x0), xb = wrap(x0 + 1), ya = wrap(y0), yb = wrap(y0 + 1);
    const float u = Fade(dx), v = Fade(dy);
    const float n00 = Grad(xa, ya, seed, dx, dy), n10 = Grad(xb, ya, seed, dx - 1, dy);
    const float n01 = Grad(xa, yb, seed, dx, dy - 1), n11 = Grad(xb, yb, seed, dx - 1, dy - 1);
    const float a = n00 + (n10 - n00) * u, b = n01 + (n11 - n01) * u;
    return (a + (b - a) * v) * 1.41f;
}

} // namespace

std::uint32_t Hash(int x, int y, std::uint32_t seed)
{
    std::uint32_t h
        = seed * 0x9E3779B9u ^ std::uint32_t(x) * 0x85EBCA6Bu ^ std::uint32_t(y) * 0xC2B2AE35u;
    h ^= h >> 16;
    h *= 0x7FEB352Du;
    h ^= h >> 15;
    h *= 0x846CA68Bu;
    h ^= h >> 16;
    return h;
}

float Hash01(int x, int y, std::uint32_t seed)
{
    return float(Hash(x, y, seed) >> 8) / 16777216.0f;
}

float GradientNoise(float x, float y, std::uint32_t seed) { return Noise(x, y, seed); }

float Fbm(float x, float y, int octaves, std::uint32_t seed)
{
    float sum = 0, amplitude = 0.5f, norm = 0;
    for (int o = 0; o < octaves; ++o) {
        sum += amplitude * Noise(x, y, seed + std::uint32_t(o) * 101);
        norm += amplitude;
        x = x * 2.03f + 17.1f;
        y = y * 2.03f - 9.7f;
        amplitude *= 0.5f;
    }
    return sum / norm;
}

float RidgedFbm(float x, float y, int octaves, std::uint32_t seed)
{
    float sum = 0, amplitude = 0.5f, norm = 0;
    for (int o = 0; o < octaves; ++o) {
        const float n = 1 - std::fabs(Noise(x, y, seed + std::uint32_t(o) * 131));
        sum += amplitude * n * n;
        norm += amplitude;
        x = x * 2.03f + 5.3f;
        y = y * 2.03f + 11.9f;
        amplitude *= 0.5f;
    }
    return sum / norm * 2 - 1;
}

float TileFbm(double u, double v, int cells, int octaves, double gain, std::uint32_t seed)
{
    double sum = 0, amplitude = 1, total = 0;
    for (int o = 0; o < octaves; ++o) {
        sum += amplitude
            * Noise(float(u * cells), float(v * cells), seed + std::uint32_t(o) * 101, cells);
        total += amplitude;
        amplitude *= gain;
        cells *= 2;
    }
    return float(sum / total);
}
