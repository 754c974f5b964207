// Pictures as corvana-gen paints them: linear-light float colour images, float masks, and the
// 8-bit 0x00RRGGBB pixel pictures the game reads. Shared by every picture generator.
#pragma once

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

// A colour in linear light (0 black, 1 full intensity; glow may exceed 1 before it is clipped).
struct Rgb {
    float R = 0, G = 0, B = 0;

    Rgb& operator+=(Rgb o)
    {
        R += o.R, G += o.G, B += o.B;
        return *this;
    }
    friend Rgb operator+(Rgb a, Rgb b) { return { a.R + b.R, a.G + b.G, a.B + b.B }; }
    friend Rgb operator-(Rgb a, Rgb b) { return { a.R - b.R, a.G - b.G, a.B - b.B }; }
    friend Rgb operator*(Rgb a, Rgb b) { return { a.R * b.R, a.G * b.G, a.B * b.B }; }
    friend Rgb operator*(Rgb a, float k) { return { a.R * k, a.G * k, a.B * k }; }
    friend Rgb operator*(float k, Rgb a) { return a * k; }
};

inline float Clamp01(float v) { return std::clamp(v, 0.0f, 1.0f); }
inline float Mixf(float a, float b, float t) { return a + (b - a) * t; }
inline Rgb Mix(Rgb a, Rgb b, float t) { return a + (b - a) * t; }
inline float Smoothstep(float e0, float e1, float x)
{
    const float t = Clamp01((x - e0) / (e1 - e0));
    return t * t * (3 - 2 * t);
}

// The linear colour of an sRGB hex value 0xRRGGBB, so palettes can be written as designers
// write them.
Rgb Srgb(std::uint32_t hex);
// sRGB 0..255 of a linear channel, clipped.
std::uint8_t ToSrgbByte(float linear);

// A colour picture in linear light, top row first.
struct FloatImage {
    int Width = 0, Height = 0;
    std::vector<Rgb> Pixels;

    FloatImage() = default;
    FloatImage(int w, int h, Rgb fill = {})
        : Width(w)
        , Height(h)
        , Pixels(std::size_t(w) * h, fill)
    {
    }
    Rgb& At(int x, int y) { return Pixels[std::size_t(y) * Width + x]; }
    const Rgb& At(int x, int y) const { return Pixels[std::size_t(y) * Width + x]; }
};

// One float per pixel (coverage, height, intensity), top row first.
struct Mask {
    int Width = 0, Height = 0;
    std::vector<float> Values;

    Mask() = default;
    Mask(int w, int h, float fill = 0)
        : Width(w)
        , Height(h)
        , Values(std::size_t(w) * h, fill)
    {
    }
    float& At(int x, int y) { return Values[std::size_t(y) * Width + x]; }
    float At(int x, int y) const { return Values[std::size_t(y) * Width + x]; }
    // Bilinear sample with the edges extended; x and y in pixel units, pixel centres at +0.5.
    float Sample(float x, float y) const;
};

// An 8-bit picture as the game holds it: each pixel the word 0x00RRGGBB, top row first.
struct PixelImage {
    int Width = 0, Height = 0;
    std::vector<std::uint32_t> Pixels;

    PixelImage() = default;
    PixelImage(int w, int h, std::uint32_t fill = 0)
        : Width(w)
        , Height(h)
        , Pixels(std::size_t(w) * h, fill)
    {
    }
    std::uint32_t& At(int x, int y) { return Pixels[std::size_t(y) * Width + x]; }
    std::uint32_t At(int x, int y) const { return Pixels[std::size_t(y) * Width + x]; }
};

// Averages factor × factor blocks (in linear light, which is what makes the edges look right).
FloatImage Reduce(const FloatImage& image, int factor);
Mask Reduce(const Mask& mask, int factor);

// Three box blurs of the given radius: close to a Gaussian, and cheap at any radius.
void Blur(Mask& mask, float radius);

// Clips and encodes to sRGB, rounding to the nearest step.
PixelImage ToPixels(const FloatImage& image);

// Copies src into dst with its top-left corner at (x, y); the parts outside dst are dropped.
void Paste(PixelImage& dst, const PixelImage& src, int x, int y);
PixelImage Crop(const PixelImage& src, int x, int y, int w, int h);

// The planes layout of the game's sheets and borders: the red plane, then the green plane,
// then the blue plane, each width × height bytes, top row first.
std::vector<std::uint8_t> ToPlanes(const PixelImage& image);
PixelImage FromPlanes(const std::vector<std::uint8_t>& planes, int width, int height);
