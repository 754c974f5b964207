// Pictures as corvana-gen paints them: colour conversion, reduction, blur and the planes layout.
#include "Raster.h"

#include <array>

namespace {

float SrgbToLinear(float c)
{
    return c <= 0.04045f ? c / 12.92f : std::pow((c + 0.055f) / 1.055f, 2.4f);
}

float LinearToSrgb(float c)
{
    return c <= 0.0031308f ? c * 12.92f : 1.055f * std::pow(c, 1 / 2.4f) - 0.055f;
}

// One box pass along rows (horizontal) or columns, with the edges extended.
void BoxPass(Mask& mask, int radius, bool horizontal)
{
    const int n = horizontal ? mask.Width : mask.Height;
    const int lines = horizontal ? mask.Height : mask.Width;
    std::vector<float> line(n), out(n);
    for (int l = 0; l < lines; ++l) {
        for (int i = 0; i < n; ++i)
            line[i] = horizontal ? mask.At(i, l) : mask.At(l, i);
        float sum = 0;
        for (int i = -radius - 1; i < radius; ++i)
            sum += line[std::clamp(i, 0, n - 1)];
        for (int i = 0; i < n; ++i) {
            sum += line[std::min(i + radius, n - 1)] - line[std::max(i - radius - 1, 0)];
            out[i] = sum / float(2 * radius + 1);
        }
        for (int i = 0; i < n; ++i)
            (horizontal ? mask.At(i, l) : mask.At(l, i)) = out[i];
    }
}

} // namespace

Rgb Srgb(std::uint32_t hex)
{
    // Shaders call this per pixel; a table keeps it cheap.
    static const auto table = [] {
        std::array<float, 256> t {};
        for (int i = 0; i < 256; ++i)
            t[i] = SrgbToLinear(float(i) / 255);
        return t;
    }();
    return { table[(hex >> 16) & 0xFF], table[(hex >> 8) & 0xFF], table[hex & 0xFF] };
}

std::uint8_t ToSrgbByte(float linear)
{
    return std::uint8_t(std::lround(LinearToSrgb(Clamp01(linear)) * 255));
}

float Mask::Sample(float x, float y) const
{
    const float fx = x - 0.5f, fy = y - 0.5f;
    const int x0 = int(std::floor(fx)), y0 = int(std::floor(fy));
    const float tx = fx - float(x0), ty = fy - float(y0);
    const auto at = [&](int xx, int yy) {
        return At(std::clamp(xx, 0, Width - 1), std::clamp(yy, 0, Height - 1));
    };
    return Mixf(
        Mixf(at(x0, y0), at(x0 + 1, y0), tx), Mixf(at(x0, y0 + 1), at(x0 + 1, y0 + 1), tx), ty);
}

FloatImage Reduce(const FloatImage& image, int factor)
{
    FloatImage out(image.Width / factor, image.Height / factor);
    const float k = 1.0f / float(factor * factor);
    for (int y = 0; y < out.Height; ++y)
        for (int x = 0; x < out.Width; ++x) {
            Rgb sum;
            for (int j = 0; j < factor; ++j)
                for (int i = 0; i < factor; ++i)
                    sum += image.At(x * factor + i, y * factor + j);
            out.At(x, y) = sum * k;
        }
    return out;
}

Mask Reduce(const Mask& mask, int factor)
{
    Mask out(mask.Width / factor, mask.Height / factor);
    const float k = 1.0f / float(factor * factor);
    for (int y = 0; y < out.Height; ++y)
        for (int x = 0; x < out.Width; ++x) {
            float sum = 0;
            for (int j = 0; j < factor; ++j)
                for (int i = 0; i < factor; ++i)
                    sum += mask.At(x * factor + i, y * factor + j);
            out.At(x, y) = sum * k;
        }
    return out;
}

void Blur(Mask& mask, float radius)
{
    // Three passes of width w have the variance of a Gaussian with sigma² = (w² − 1) / 4.
    const int r = std::max(0, int(std::lround(radius / 1.73f)));
    if (r == 0)
        return;
    for (int pass = 0; pass < 3; ++pass) {
        BoxPass(mask, r, true);
        BoxPass(mask, r, false);
    }
}

PixelImage ToPixels(const FloatImage& image)
{
    PixelImage out(image.Width, image.Height);
    for (std::size_t i = 0; i < image.Pixels.size(); ++i) {
        const Rgb& c = image.Pixels[i];
        out.Pixels[i] = std::uint32_t(ToSrgbByte(c.R)) << 16 | std::uint32_t(ToSrgbByte(c.G)) << 8
            | ToSrgbByte(c.B);
    }
    return out;
}

void Paste(PixelImage& dst, const PixelImage& src, int x, int y)
{
    for (int j = 0; j < src.Height; ++j)
        for (int i = 0; i < src.Width; ++i)
            if (x + i >= 0 && x + i < dst.Width && y + j >= 0 && y + j < dst.Height)
                dst.At(x + i, y + j) = src.At(i, j);
}

PixelImage Crop(const PixelImage& src, int x, int y, int w, int h)
{
    PixelImage out(w, h);
    for (int j = 0; j < h; ++j)
        for (int i = 0; i < w; ++i)
            out.At(i, j)
                = src.At(std::clamp(x + i, 0, src.Width - 1), std::clamp(y + j, 0, src.Height - 1));
    return out;
}

std::vector<std::uint8_t> ToPlanes(const PixelImage& image)
{
    const std::size_t n = image.Pixels.size();
    std::vector<std::uint8_t> planes(n * 3);
    for (std::size_t i = 0; i < n; ++i) {
        const std::uint32_t p = image.Pixels[i];
        planes[i] = std::uint8_t(p >> 16);
        planes[n + i] = std::uint8_t(p >> 8);
        planes[2 * n + i] = std::uint8_t(p);
    }
    return planes;
}

PixelImage FromPlanes(const std::vector<std::uint8_t>& planes, int width, int height)
{
    PixelImage out(width, height);
    const std::size_t n = out.Pixels.size();
    if (planes.size() < n * 3)
        return out;
    for (std::size_t i = 0; i < n; ++i)
        out.Pixels[i] = std::uint32_t(planes[i]) << 16 | std::uint32_t(planes[n + i]) << 8
            | planes[2 * n + i];
    return out;
}
