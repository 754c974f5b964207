// Helpers shared by the figure sets for their board squares and disc placement.
#include "SquarePainting.h"

#include "DiscFrames.h"

FloatImage PaintSquareTexture(const std::function<Rgb(float u, float v)>& colour, int scale)
{
    const int size = FrameSize * scale;
    FloatImage img(size, size);
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x)
            img.At(x, y) = colour((float(x) + 0.5f) / scale, (float(y) + 0.5f) / scale);
    return img;
}

void BevelSquare(FloatImage& square, float highlight, float shade)
{
    const int scale = ScaleOf(square);
    for (int y = 0; y < square.Height; ++y)
        for (int x = 0; x < square.Width; ++x) {
            const float u = (float(x) + 0.5f) / scale, v = (float(y) + 0.5f) / scale;
            const float lit = std::max(Smoothstep(1.3f, 0.2f, u), Smoothstep(1.3f, 0.2f, v));
            const float far = float(FrameSize);
            const float dark = std::max(
                Smoothstep(far - 1.3f, far - 0.2f, u), Smoothstep(far - 1.3f, far - 0.2f, v));
            // A broad, faint fall-off inside the edges keeps the tile from looking flat.
            const float inner
                = Smoothstep(0, 6, std::min(std::min(u, v), std::min(far - u, far - v)));
            Rgb& px = square.At(x, y);
            px = px * (1 + highlight * lit) * (1 - shade * dark) * (0.93f + 0.07f * inner);
        }
}

DiscPose RestingPose(float radius, float thickness, int scale)
{
    DiscPose p;
    p.Radius = radius * scale;
    p.Thickness = thickness * scale;
    p.X = (FrameSize * scale) / 2.0f;
    // Centre what the viewer sees, the face and the rim below it, in the square.
    p.Y = (FrameSize * scale) / 2.0f + ViewLean * p.Thickness / 2;
    return p;
}

float EdgeWindow(float x, float y, int scale)
{
    const float half = FrameSize / 2.0f;
    const float e = std::max(std::fabs(x / scale - half), std::fabs(y / scale - half));
    return Smoothstep(half - 0.5f, half - 7, e);
}

void AddGlint(FloatImage& canvas, float x, float y, float size, Rgb colour, int scale)
{
    const float s = size * scale;
    const int x0 = std::max(0, int(x - 2 * s)), x1 = std::min(canvas.Width - 1, int(x + 2 * s));
    const int y0 = std::max(0, int(y - 2 * s)), y1 = std::min(canvas.Height - 1, int(y + 2 * s));
    const float thin = 0.045f * s + 0.5f;
    for (int j = y0; j <= y1; ++j)
        for (int i = x0; i <= x1; ++i) {
            const float dx = float(i) + 0.5f - x, dy = float(j) + 0.5f - y;
            const float core = std::exp(-(dx * dx + dy * dy) / (0.02f * s * s));
            const float arms
                = std::exp(-std::fabs(dx) / (0.3f * s)) * std::exp(-dy * dy / (thin * thin))
                + std::exp(-std::fabs(dy) / (0.3f * s)) * std::exp(-dx * dx / (thin * thin));
            canvas.At(i, j) += colour
                * ((core + 0.8f * arms) * EdgeWindow(float(i) + 0.5f, float(j) + 0.5f, scale));
        }
}

const FloatImage& SquareCache::Get(bool light, int scale)
{
    const std::lock_guard<std::mutex> hold(Lock);
    auto& pair = Squares[scale];
    if (!pair[0]) {
        // Dark first, as the squares have always been painted.
        pair[0] = std::make_unique<const FloatImage>(Paint(false, scale));
        pair[1] = std::make_unique<const FloatImage>(Paint(true, scale));
    }
    return *pair[light ? 1 : 0];
}
