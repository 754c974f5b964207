// The intro's background tile, built from periodic noise so that it tiles without seams. The
// renderer samples it without filtering while it turns and zooms, so it keeps to soft, broad
// shapes: fine detail would shimmer.
#include "IntroBackground.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "Noise.h"

namespace {

struct TColour {
    double R, G, B;
};

TColour Mix(TColour a, TColour b, double t)
{
    t = std::clamp(t, 0.0, 1.0);
    return { a.R + (b.R - a.R) * t, a.G + (b.G - a.G) * t, a.B + (b.B - a.B) * t };
}

double SmoothStep(double e0, double e1, double x)
{
    const double t = std::clamp((x - e0) / (e1 - e0), 0.0, 1.0);
    return t * t * (3 - 2 * t);
}

} // namespace

std::vector<std::uint8_t> MakeBackgroundTile()
{
    constexpr std::uint32_t WarpSeed = 0x51A7E0B1, BodySeed = 0xC0BA17, CloudSeed = 0xDEE9;

    const TColour deep { 5, 10, 28 };
    const TColour teal { 12, 46, 64 };
    const TColour indigo { 26, 24, 70 };
    const TColour light { 36, 90, 108 };
    const TColour vein { 96, 136, 144 };

    std::vector<std::uint8_t> tile(std::size_t(BackgroundTileSize) * BackgroundTileSize * 3);
    for (int y = 0; y < BackgroundTileSize; ++y) {
        for (int x = 0; x < BackgroundTileSize; ++x) {
            const double u = (x + 0.5) / BackgroundTileSize, v = (y + 0.5) / BackgroundTileSize;
            const double wu = TileFbm(u, v, 2, 4, 0.5, WarpSeed);
            const double wv = TileFbm(u + 0.5, v + 0.25, 2, 4, 0.5, WarpSeed);
            const double f = TileFbm(u + 0.25 * wu, v + 0.25 * wv, 2, 3, 0.45, BodySeed);
            const double clouds = TileFbm(u, v, 2, 3, 0.5, CloudSeed);
            // Marble veins: soft bright bands where a warped periodic wave crosses zero, wide
            // enough not to break up when the tile is turned and sampled without filtering.
            const double wave = std::sin(2 * std::numbers::pi * (u + v) * 2 + 6.0 * f);
            const double veins = 1 - SmoothStep(0.0, 0.42, std::abs(wave));

            TColour c = Mix(teal, indigo, SmoothStep(-0.35, 0.35, clouds));
            c = Mix(deep, c, 0.45 + 1.1 * f);
            c = Mix(c, light, SmoothStep(0.15, 0.9, -clouds + 0.6 * f) * 0.55);
            c = Mix(c, vein, veins * veins * (0.16 + 0.12 * f));

            std::uint8_t* texel = &tile[(std::size_t(y) * BackgroundTileSize + x) * 3];
            texel[0] = std::uint8_t(std::lround(std::clamp(c.B, 0.0, 255.0)));
            texel[1] = std::uint8_t(std::lround(std::clamp(c.G, 0.0, 255.0)));
            texel[2] = std::uint8_t(std::lround(std::clamp(c.R, 0.0, 255.0)));
        }
    }
    return tile;
}

QImage BackgroundTileImage(const std::vector<std::uint8_t>& tile)
{
    QImage image(BackgroundTileSize, BackgroundTileSize, QImage::Format_RGB32);
    for (int y = 0; y < BackgroundTileSize; ++y)
        for (int x = 0; x < BackgroundTileSize; ++x) {
            const std::uint8_t* t = &tile[(std::size_t(y) * BackgroundTileSize + x) * 3];
            image.setPixel(x, y, qRgb(t[2], t[1], t[0]));
        }
    return image;
}
