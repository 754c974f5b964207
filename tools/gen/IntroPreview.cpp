// Intro previews: a compact software renderer following the About window's frame recipe.
#include "IntroPreview.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "IntroGlyphs.h"
#include "IntroProjection.h"
#include "IntroText.h"
#include "IntroTitle.h"

namespace {

constexpr int W = IntroWidth, H = IntroHeight;

// Fills one projected triangle into the depth and shade buffers (memory rows bottom-up).
void FillTriangle(const float* xs, const float* ys, const float* ds, std::uint8_t shade,
    std::vector<std::int32_t>& depth, std::vector<std::uint8_t>& shades)
{
    const float x0 = xs[0], y0 = ys[0], x1 = xs[1], y1 = ys[1], x2 = xs[2], y2 = ys[2];
    const float area = (x1 - x0) * (y2 - y0) - (x2 - x0) * (y1 - y0);
    if (area == 0)
        return;
    const int left = std::max(0, int(std::floor(std::min({ x0, x1, x2 }))));
    const int right = std::min(W - 1, int(std::ceil(std::max({ x0, x1, x2 }))));
    const int top = std::max(1, int(std::floor(std::min({ y0, y1, y2 }))));
    const int bottom = std::min(H, int(std::ceil(std::max({ y0, y1, y2 }))));
    for (int y = top; y <= bottom; ++y)
        for (int x = left; x <= right; ++x) {
            const float px = x + 0.5f, py = y + 0.5f;
            const float w0 = ((x1 - px) * (y2 - py) - (x2 - px) * (y1 - py)) / area;
            const float w1 = ((x2 - px) * (y0 - py) - (x0 - px) * (y2 - py)) / area;
            const float w2 = 1 - w0 - w1;
            if (w0 < 0 || w1 < 0 || w2 < 0)
                continue;
            const std::int32_t d = std::int32_t(w0 * ds[0] + w1 * ds[1] + w2 * ds[2]);
            const std::size_t at = std::size_t(H - y) * W + std::size_t(x);
            if (depth[at] < d) {
                depth[at] = d;
                shades[at] = shade;
            }
        }
}

// Shade buffer of the mesh at one angle, with the renderer's culling and gradient lookup.
std::vector<std::uint8_t> ShadeMesh(
    const TMesh& mesh, const std::vector<std::uint8_t>& gradient, int angleZ)
{
    std::vector<std::uint8_t> ramp(256);
    for (int i = 0; i < 256; ++i)
        ramp[std::size_t(i)] = std::uint8_t(std::nearbyint(gradient[std::size_t(i)] * 0.9));
    const TIntroProjection projection(mesh);
    const TIntroView view = projection.Project(IntroAngleX, IntroAngleY, angleZ);
    std::vector<std::int32_t> depth(std::size_t(W) * H, -2147483647);
    std::vector<std::uint8_t> shades(std::size_t(W) * H, 0);
    for (const TProjectedFace& f : view.Faces) {
        if (f.M <= 0)
            continue;
        float xs[3], ys[3], ds[3];
        const int idx[3] = { f.A, f.B, f.C };
        for (int k = 0; k < 3; ++k) {
            xs[k] = float(TIntroProjection::PixelX(view.ScreenX[std::size_t(idx[k])]));
            ys[k] = float(TIntroProjection::PixelY(view.ScreenY[std::size_t(idx[k])]));
            ds[k] = std::nearbyint(view.Depth[std::size_t(idx[k])] * 65536.0f);
        }
        FillTriangle(xs, ys, ds, ramp[std::size_t(f.Brightness & 255)], depth, shades);
    }
    return shades;
}

std::uint8_t Mul(int a, int b) { return std::uint8_t((a * b) / 256); }

} // namespace

QImage RenderIntroFrame(const TIntroData& data, int frame, bool mesh)
{
    // Background state after `frame` steps (the bound of the angular speed held at 12).
    int a = 0, as = 1, aa = 1, z = 255, zs = -1, u = 0, v = 0;
    for (int i = 0; i < frame; ++i) {
        a = ((a + as) % 2048 + 2048) % 2048;
        if (a % 2 == 0)
            as += aa;
        if (as > 12 || as < -12)
            aa = -aa;
        z += zs;
        if (z < 140 || z > 300)
            zs = -zs;
        u += 512;
        v += 512;
    }
    auto fixedSin
        = [](int i) { return int(std::lround(std::sin(i * std::numbers::pi / 1024) * 65536)); };
    auto fixedCos
        = [](int i) { return int(std::lround(std::cos(i * std::numbers::pi / 1024) * 65536)); };
    const int dudx = (fixedCos(a) * z) >> 16, dvdx = (fixedSin(a) * z) >> 16;
    const int dudy = (fixedCos((a + 512) % 2048) * z) >> 16,
              dvdy = (fixedSin((a + 512) % 2048) * z) >> 16;
    int su = u - dudx * 190 - dudy * 130, sv = v - dvdx * 190 - dvdy * 130;

    std::vector<std::uint8_t> frameBgr(std::size_t(W) * H * 3);
    for (int row = 0; row < H; ++row) {
        int pu = su, pv = sv;
        for (int x = 0; x < W; ++x) {
            pu += dudx;
            pv += dvdx;
            const int tu = (pu >> 8) & 255, tv = (pv >> 8) & 255;
            const std::uint8_t* t = &data.Tile[(std::size_t(tu) * 256 + std::size_t(tv)) * 3];
            std::copy_n(t, 3, &frameBgr[(std::size_t(row) * W + std::size_t(x)) * 3]);
        }
        su += dudy;
        sv += dvdy;
    }

    const std::vector<std::uint8_t> shades = mesh
        ? ShadeMesh(data.Mesh, data.Gradient, (3 * frame) % 2048)
        : std::vector<std::uint8_t>(std::size_t(W) * H, 0);

    // Foreground mask with the scroll text.
    std::vector<std::uint8_t> mask(data.Title);
    for (std::uint8_t& m : mask)
        m = std::uint8_t(m + 1);
    std::vector<std::uint8_t> strip(data.Strip);
    for (std::uint8_t& s : strip)
        s = std::uint8_t(s + 1);
    const TGlyphScan scan = ScanGlyphs(data.Strip);
    const std::vector<std::uint8_t> codes = ConvertText(IntroGreeting);
    int textWidth = 0;
    for (std::uint8_t c : codes)
        textWidth += scan.Table[c - 1].Width;
    const int scroll = (2 * frame) % (textWidth + 440);
    int pen = 380 - scroll;
    for (std::uint8_t c : codes) {
        const TGlyphEntry& g = scan.Table[c - 1];
        for (int col = 0; col < g.Width; ++col) {
            const int x = pen + col;
            if (x < 0 || x >= W)
                continue;
            for (int r = 0; r < GlyphStripHeight; ++r)
                mask[std::size_t(10 + r) * W + std::size_t(x)]
                    = strip[std::size_t(r) * GlyphStripWidth + std::size_t(g.First + col)];
        }
        pen += g.Width;
    }
    for (int row = 8; row <= 32; ++row)
        for (int i = 0; i < 16; ++i) {
            for (const auto& [x, f] :
                { std::pair { i, 255 - 15 * i }, std::pair { 364 + i, 15 * i } }) {
                std::uint8_t& m = mask[std::size_t(row) * W + std::size_t(x)];
                if (m)
                    m = m + f <= 255 ? std::uint8_t(m + f) : 0;
            }
        }

    // Mesh glow, then the ivory foreground with its shadow, high addresses first.
    const int meshTarget[3] = { 208, 238, 250 }, ivory[3] = { 224, 250, 255 };
    for (std::size_t i = 0; i < shades.size(); ++i)
        if (shades[i])
            for (int ch = 0; ch < 3; ++ch) {
                std::uint8_t& c = frameBgr[i * 3 + std::size_t(ch)];
                c = std::uint8_t(Mul(c, 255 - shades[i]) + Mul(meshTarget[ch], shades[i]));
            }
    for (std::ptrdiff_t i = std::ptrdiff_t(W) * H - 1; i >= std::ptrdiff_t(W) * 3; --i) {
        const int m = mask[std::size_t(i)];
        if (!m)
            continue;
        for (int ch = 0; ch < 3; ++ch) {
            std::uint8_t& s = frameBgr[std::size_t(i - 758) * 3 + std::size_t(ch)];
            s = std::uint8_t(std::max(0, s - (255 - m) / 4));
            std::uint8_t& c = frameBgr[std::size_t(i) * 3 + std::size_t(ch)];
            c = std::uint8_t(Mul(c, m) + Mul(ivory[ch], 255 - m));
        }
    }

    QImage image(W, H, QImage::Format_RGB32);
    for (int y = 0; y < H; ++y)
        for (int x = 0; x < W; ++x) {
            const std::uint8_t* p = &frameBgr[(std::size_t(H - 1 - y) * W + std::size_t(x)) * 3];
            image.setPixel(x, y, qRgb(p[2], p[1], p[0]));
        }
    return image;
}

QImage RenderMeshView(const TMesh& mesh, int angleZ, int scale)
{
    std::vector<std::uint8_t> linear(256);
    for (int i = 0; i < 256; ++i)
        linear[std::size_t(i)] = std::uint8_t(i);
    const std::vector<std::uint8_t> shades = ShadeMesh(mesh, linear, angleZ);
    QImage image(W, H, QImage::Format_RGB32);
    for (int y = 0; y < H; ++y)
        for (int x = 0; x < W; ++x) {
            const int s = shades[std::size_t(H - 1 - y) * W + std::size_t(x)];
            image.setPixel(x, y,
                s ? qRgb(40 + s * 215 / 255, 40 + s * 215 / 255, 40 + s * 200 / 255)
                  : qRgb(10, 12, 20));
        }
    return scale > 1
        ? image.scaled(image.size() * scale, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
        : image;
}
