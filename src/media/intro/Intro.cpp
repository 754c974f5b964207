// The intro's software renderer. Per-pixel work is integer only: 8.8 fixed-point texture steps,
// 16.16 edge steps and byte blends by table; floating point is used for the mesh's vertices alone.
#include "Intro.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstring>
#include <limits>
#include <numbers>

#include "IntroText.h"

// Pixels are handled as values 0x00RRGGBB, which is the byte order blue, green, red, 0 in memory
// only on a little-endian machine.
static_assert(std::endian::native == std::endian::little);

namespace {

constexpr std::array<std::uint8_t, 65536> MakeMulTable()
{
    std::array<std::uint8_t, 65536> table {};
    for (int a = 0; a < 256; ++a)
        for (int b = 0; b < 256; ++b)
            table[std::size_t(a * 256 + b)] = std::uint8_t(a * b / 256);
    return table;
}

struct TAngleTables {
    std::array<float, IntroAngleSteps> Sin {}, Cos {};
    std::array<std::int32_t, IntroAngleSteps> FixedSin {}, FixedCos {}; // × 65536
};

const TAngleTables& AngleTables()
{
    static const TAngleTables tables = [] {
        TAngleTables t;
        for (int i = 0; i < IntroAngleSteps; ++i) {
            const double a = i * std::numbers::pi / 1024;
            const std::size_t at = std::size_t(i);
            t.Sin[at] = float(std::sin(a));
            t.Cos[at] = float(std::cos(a));
            t.FixedSin[at] = std::int32_t(std::nearbyint(std::sin(a) * 65536));
            t.FixedCos[at] = std::int32_t(std::nearbyint(std::cos(a) * 65536));
        }
        return t;
    }();
    return tables;
}

constexpr int Wrap(int angle) { return angle & (IntroAngleSteps - 1); }

// v × 0.9 rounded to the nearest integer, ties to even, exactly.
std::uint8_t ScaleGradient(std::uint8_t v)
{
    const int tenths = v * 9;
    int q = tenths / 10;
    const int r = tenths % 10;
    if (r > 5 || (r == 5 && (q & 1)))
        ++q;
    return std::uint8_t(q);
}

std::uint16_t ReadU16(std::span<const std::uint8_t> bytes, std::size_t at)
{
    return std::uint16_t(bytes[at] | bytes[at + 1] << 8);
}

float ReadFloat(std::span<const std::uint8_t> bytes, std::size_t at)
{
    const std::uint32_t bits = std::uint32_t(bytes[at]) | std::uint32_t(bytes[at + 1]) << 8
        | std::uint32_t(bytes[at + 2]) << 16 | std::uint32_t(bytes[at + 3]) << 24;
    return std::bit_cast<float>(bits);
}

Error Damaged(std::string message) { return { ErrorKind::Damaged, std::move(message) }; }
Error WrongSize(std::string message) { return { ErrorKind::SizeMismatch, std::move(message) }; }

// Projected corners far outside the frame are held to this many pixels, so that the 16.16 edge
// arithmetic (in 64 bits) cannot overflow whatever the mesh.
constexpr float CornerLimit = 1 << 20;

// Rounding to nearest, ties to even (the default rounding mode, which the program never
// changes); rint rather than nearbyint, which saves and restores the floating-point state on
// every call.
float RoundEven(float v) { return std::rint(v); }

// A projected corner coordinate, rounded and held to the limits.
int CornerCoordinate(float v) { return int(std::clamp(RoundEven(v), -CornerLimit, CornerLimit)); }

std::int32_t CornerDepth(float v)
{
    constexpr double Limit = std::numeric_limits<std::int32_t>::max();
    return std::int32_t(std::clamp(double(RoundEven(v)), -Limit, Limit));
}

// One side of a triangle being filled: where it is on the current row and how far it goes.
struct TEdge {
    std::int64_t X = 0; // 16.16
    std::int64_t XStep = 0;
    std::int64_t D = 0;
    std::int64_t DStep = 0;
    std::int64_t Rows = 0; // rows left before it reaches its end corner
    int To = 0; // its end corner
};

void StartEdge(TEdge& e, const std::array<TIntroCorner, 3>& c, int from, int to)
{
    const TIntroCorner &a = c[std::size_t(from)], &b = c[std::size_t(to)];
    e.To = to;
    e.Rows = std::int64_t(b.Y) - a.Y;
    e.X = std::int64_t(a.X) * 65536;
    e.D = a.D;
    // A segment without rows is replaced before the next row, so its steps are never used.
    if (e.Rows != 0) {
        e.XStep = (std::int64_t(b.X) - a.X) * 65536 / e.Rows;
        e.DStep = (std::int64_t(b.D) - a.D) / e.Rows;
    }
}

std::uint32_t BlendPixel(std::uint32_t pixel, int keep, int r, int g, int b, int toward)
{
    // Each channel: (c × keep) div 256 + (target × toward) div 256, both looked up.
    const std::uint8_t* mul = MulTable.data();
    const std::uint32_t nb = mul[(pixel & 255) * 256 + unsigned(keep)] + mul[b * 256 + toward];
    const std::uint32_t ng = mul[(pixel >> 8 & 255) * 256 + unsigned(keep)] + mul[g * 256 + toward];
    const std::uint32_t nr
        = mul[(pixel >> 16 & 255) * 256 + unsigned(keep)] + mul[r * 256 + toward];
    return (pixel & 0xFF000000u) | nr << 16 | ng << 8 | nb;
}

std::uint32_t DarkenPixel(std::uint32_t pixel, int d)
{
    const int b = std::max(0, int(pixel & 255) - d);
    const int g = std::max(0, int(pixel >> 8 & 255) - d);
    const int r = std::max(0, int(pixel >> 16 & 255) - d);
    return (pixel & 0xFF000000u) | std::uint32_t(r) << 16 | std::uint32_t(g) << 8
        | std::uint32_t(b);
}

constexpr std::int32_t FarthestDepth = -2147483647;

} // namespace

const std::array<std::uint8_t, 65536> MulTable = MakeMulTable();

const std::vector<std::uint8_t>& ScrollText()
{
    static const std::vector<std::uint8_t> codes = ConvertText(IntroGreeting);
    return codes;
}

TIntro::TIntro(std::uint32_t seed)
    : FrameBuffer(IntroPixels, 0)
    , FrontMask(IntroPixels, 0)
    , ShadeBuffer(IntroPixels, 0)
    , DepthBuffer(IntroPixels, FarthestDepth)
    , Tile(std::size_t(IntroTileSize) * IntroTileSize, 0)
    , FontStrip(std::size_t(GlyphStripWidth) * GlyphStripHeight, 0)
    , Random(seed)
{
}

int TIntro::RandomLim() { return int(Random() % 5) + 10; }

Status TIntro::LoadMesh(std::span<const std::uint8_t> file)
{
    constexpr std::size_t HeaderSize = 22;
    if (file.size() < HeaderSize)
        return Damaged("mesh file has " + std::to_string(file.size())
            + " bytes, fewer than its 22-byte header");
    const unsigned groups = ReadU16(file, 4);
    const unsigned vertices = ReadU16(file, 6);
    const unsigned faces = ReadU16(file, 8);

    std::vector<float> x, y, z;
    x.reserve(vertices);
    y.reserve(vertices);
    z.reserve(vertices);
    std::vector<TFace> f;
    f.reserve(faces);
    std::size_t at = HeaderSize;
    for (unsigned g = 0; g < groups; ++g) {
        const std::string group = "mesh group " + std::to_string(g);
        if (file.size() - at < 4)
            return Damaged(group + " is cut short at byte " + std::to_string(at));
        const int nv = std::int16_t(ReadU16(file, at));
        const int nf = std::int16_t(ReadU16(file, at + 2));
        at += 4;
        if (nv < 0 || nf < 0)
            return Damaged(group + " declares " + std::to_string(nv) + " vertices and "
                + std::to_string(nf) + " faces");
        if (x.size() + std::size_t(nv) > vertices || f.size() + std::size_t(nf) > faces)
            return Damaged(group + " goes beyond the " + std::to_string(vertices) + " vertices and "
                + std::to_string(faces) + " faces the header declares");
        if (file.size() - at < std::size_t(nv) * 12 + std::size_t(nf) * 6)
            return Damaged(group + " is cut short at byte " + std::to_string(at));
        const std::size_t base = x.size();
        for (int v = 0; v < nv; ++v, at += 12) {
            x.push_back(ReadFloat(file, at));
            y.push_back(ReadFloat(file, at + 4));
            z.push_back(ReadFloat(file, at + 8));
        }
        for (int i = 0; i < nf; ++i, at += 6) {
            const unsigned a = ReadU16(file, at), b = ReadU16(file, at + 2),
                           c = ReadU16(file, at + 4);
            if (std::max({ a, b, c }) >= unsigned(nv))
                return Damaged(group + ", face " + std::to_string(i)
                    + " names a vertex outside the " + std::to_string(nv) + " of its group");
            f.push_back(
                { std::uint16_t(base + a), std::uint16_t(base + b), std::uint16_t(base + c), 0 });
        }
    }
    if (x.size() != vertices || f.size() != faces)
        return Damaged("mesh header declares " + std::to_string(vertices) + " vertices and "
            + std::to_string(faces) + " faces, its groups hold " + std::to_string(x.size())
            + " and " + std::to_string(f.size()));

    // The brightness factor comes from the stored size of each face: small faces glow brighter.
    for (TFace& face : f) {
        const float e1x = x[face.B] - x[face.A], e1y = y[face.B] - y[face.A],
                    e1z = z[face.B] - z[face.A];
        const float e2x = x[face.C] - x[face.B], e2y = y[face.C] - y[face.B],
                    e2z = z[face.C] - z[face.B];
        const float nx = e1y * e2z - e1z * e2y;
        const float ny = e1z * e2x - e1x * e2z;
        const float nz = e1x * e2y - e1y * e2x;
        const float length = std::sqrt(nx * nx + ny * ny + nz * nz);
        // A face without area gets no light rather than an infinite factor.
        face.K = length > 0 ? 12000.0f / length : 0.0f;
    }

    // Centred, mirrored through the centre and scaled so that the largest extent spans 6 units.
    if (!x.empty()) {
        const auto [minX, maxX] = std::minmax_element(x.begin(), x.end());
        const auto [minY, maxY] = std::minmax_element(y.begin(), y.end());
        const auto [minZ, maxZ] = std::minmax_element(z.begin(), z.end());
        const float cx = *maxX - (*maxX - *minX) / 2;
        const float cy = *maxY - (*maxY - *minY) / 2;
        const float cz = *maxZ - (*maxZ - *minZ) / 2;
        float s = std::max({ (*maxX - *minX) / 6, (*maxY - *minY) / 6, (*maxZ - *minZ) / 6 });
        if (s == 0)
            s = 1;
        for (std::size_t i = 0; i < x.size(); ++i) {
            x[i] = (cx - x[i]) / s;
            y[i] = (cy - y[i]) / s;
            z[i] = (cz - z[i]) / s;
        }
    }

    VertexX = std::move(x);
    VertexY = std::move(y);
    VertexZ = std::move(z);
    Faces = std::move(f);
    ScreenX.assign(VertexX.size(), 0);
    ScreenY.assign(VertexX.size(), 0);
    Depth.assign(VertexX.size(), 0);
    return {};
}

Status TIntro::LoadIntro(const TIntroResources& r)
{
    const std::size_t tilePixels = std::size_t(IntroTileSize) * IntroTileSize;
    if (r.Tile.size() != tilePixels)
        return WrongSize("background tile has " + std::to_string(r.Tile.size())
            + " pixels, expected " + std::to_string(tilePixels));
    if (r.FrontImage.size() != std::size_t(IntroPixels))
        return WrongSize("title picture has " + std::to_string(r.FrontImage.size())
            + " bytes, expected " + std::to_string(IntroPixels));
    if (r.Gradient.size() != Gradient.size())
        return WrongSize(
            "gradient has " + std::to_string(r.Gradient.size()) + " bytes, expected 256");
    const Result<TGlyphScan> scan = ScanGlyphs(r.FontStrip);
    if (!scan)
        return scan.Failure();
    if (const Status mesh = LoadMesh(r.Mesh); !mesh)
        return mesh;

    RX = IntroStartRX;
    RY = IntroStartRY;
    RZ = 0;
    for (std::size_t i = 0; i < Gradient.size(); ++i)
        Gradient[i] = ScaleGradient(r.Gradient[i]);
    Glyphs = scan.Value().Table;
    // One more on every byte: the stored blank 255 becomes 0, transparent, and ink v becomes
    // v + 1, so that a mask byte is 0 exactly where nothing is drawn.
    std::transform(r.FontStrip.begin(), r.FontStrip.end(), FontStrip.begin(),
        [](std::uint8_t b) { return std::uint8_t(b + 1); });
    std::transform(r.FrontImage.begin(), r.FrontImage.end(), FrontMask.begin(),
        [](std::uint8_t b) { return std::uint8_t(b + 1); });
    Tile = r.Tile;
    // S is left alone: the text goes on from where the last showing stopped.
    U = V = 0;
    A = 0;
    AS = 1;
    AA = 1;
    LIM = RandomLim();
    Z = 255;
    ZS = -1;
    P = TextWidth(Text) + 440;
    return {};
}

void TIntro::IntroFrame()
{
    // The background is stepped with the state from before this frame's update, the mesh and
    // the text with the state after it.
    DrawBackground();
    AdvanceAnimation();
    ClearMeshBuffers();
    DrawMesh();
    DrawTextLine(IntroWidth - S, 10, Text);
    FadeEdges();
    ShadeMesh();
    DrawForeground();
}

void TIntro::DrawBackground()
{
    const TAngleTables& t = AngleTables();
    const std::int64_t z = Z;
    // Only the low 16 bits of the steps matter: texel coordinates are 8.8 and wrap at 256
    // texels, so all of this is done modulo 2^32.
    const auto step = [z](std::int32_t f) { return std::uint32_t(std::int64_t(f) * z >> 16); };
    const std::uint32_t dudx = step(t.FixedCos[std::size_t(Wrap(A))]);
    const std::uint32_t dvdx = step(t.FixedSin[std::size_t(Wrap(A))]);
    const std::uint32_t dudy = step(t.FixedCos[std::size_t(Wrap(A + 512))]);
    const std::uint32_t dvdy = step(t.FixedSin[std::size_t(Wrap(A + 512))]);
    // The frame's centre (190, 130) shows the tile at (U, V).
    std::uint32_t su = std::uint32_t(U) - dudx * 190 - dudy * 130;
    std::uint32_t sv = std::uint32_t(V) - dvdx * 190 - dvdy * 130;
    const std::uint32_t* tile = Tile.data();
    std::uint32_t* out = FrameBuffer.data();
    for (int row = 0; row < IntroHeight; ++row) {
        std::uint32_t pu = su, pv = sv;
        for (int x = 0; x < IntroWidth; ++x) {
            pu += dudx;
            pv += dvdx;
            *out++ = tile[(pu & 0xFF00) | (pv >> 8 & 0xFF)];
        }
        su += dudy;
        sv += dvdy;
    }
}

void TIntro::AdvanceAnimation()
{
    A = (A + AS) % IntroAngleSteps;
    if (A < 0)
        A += IntroAngleSteps;
    if (A % 2 == 0)
        AS += AA;
    if (AS > LIM || AS < -LIM) {
        AA = -AA;
        LIM = RandomLim();
    }
    Z += ZS;
    if (Z < 140 || Z > 300)
        ZS = -ZS;
    U = (U + 512) & 0xFFFF;
    V = (V + 512) & 0xFFFF;
    RX = Wrap(RX);
    RY = Wrap(RY);
    RZ = Wrap(RZ + 3);
    S += 2;
    if (S > P)
        S = 0;
}

void TIntro::ClearMeshBuffers()
{
    std::fill(ShadeBuffer.begin(), ShadeBuffer.end(), std::uint8_t(0));
    std::fill(DepthBuffer.begin(), DepthBuffer.end(), FarthestDepth);
}

void TIntro::ProjectMesh()
{
    const TAngleTables& t = AngleTables();
    const float c1 = t.Cos[std::size_t(Wrap(RX))], s1 = t.Sin[std::size_t(Wrap(RX))];
    const float c2 = t.Cos[std::size_t(Wrap(RY))], s2 = t.Sin[std::size_t(Wrap(RY))];
    const float c3 = t.Cos[std::size_t(Wrap(RZ))], s3 = t.Sin[std::size_t(Wrap(RZ))];
    for (std::size_t i = 0; i < VertexX.size(); ++i) {
        const float x = VertexX[i], y = VertexY[i], z = VertexZ[i];
        const float t0 = c2 * x - s2 * z;
        const float t1 = s2 * x + c2 * z;
        const float xp = c3 * t0 + s3 * y;
        const float t2 = c3 * y - s3 * t0;
        const float depth = c1 * t1 - s1 * t2 - 7.0f;
        Depth[i] = depth;
        ScreenX[i] = xp / depth;
        ScreenY[i] = (s1 * t1 + c1 * t2) / depth;
    }
}

TProjectedFace TIntro::ProjectFace(std::size_t face) const
{
    TProjectedFace p;
    const TFace& f = Faces[face];
    const float* sx = ScreenX.data();
    const float* sy = ScreenY.data();
    const float m
        = (sy[f.B] - sy[f.A]) * (sx[f.C] - sx[f.B]) - (sx[f.B] - sx[f.A]) * (sy[f.C] - sy[f.B]);
    p.M = m;
    if (!(m > 0)) // seen from behind, edge-on, or not a number
        return p;
    const std::uint16_t corners[3] = { f.A, f.B, f.C };
    for (std::size_t k = 0; k < 3; ++k) {
        const float x = sx[corners[k]] * 350.0f + 190.0f;
        const float y = sy[corners[k]] * 350.0f + 130.0f;
        const float d = Depth[corners[k]] * 65536.0f;
        if (!std::isfinite(x) || !std::isfinite(y) || !std::isfinite(d))
            return p;
        p.Corners[k] = { CornerCoordinate(x), CornerCoordinate(y), CornerDepth(d) };
    }
    const float brightness = RoundEven(m * f.K);
    // Only the brightness modulo 256 is used; a value too large to say that of is taken as 0.
    if (std::isfinite(brightness) && std::abs(brightness) < 0x1p62f)
        p.Brightness = std::int64_t(brightness);
    p.Visible = true;
    return p;
}

void TIntro::DrawMesh()
{
    ProjectMesh();
    for (std::size_t i = 0; i < Faces.size(); ++i) {
        const TProjectedFace p = ProjectFace(i);
        if (p.Visible)
            FillTriangle(p.Corners, Gradient[std::size_t(p.Brightness & 255)]);
    }
}

void TIntro::FillTriangle(const std::array<TIntroCorner, 3>& c, std::uint8_t shade)
{
    int top = 0;
    if (c[1].Y < c[top].Y)
        top = 1;
    if (c[2].Y < c[top].Y)
        top = 2;
    const auto previous = [](int i) { return i == 0 ? 2 : i - 1; };
    const auto next = [](int i) { return i == 2 ? 0 : i + 1; };
    // Edge A runs towards the previous corner, edge B towards the next; each goes on around the
    // triangle from the corner it reaches. The third time a segment runs out, the triangle is done.
    TEdge ea, eb;
    StartEdge(ea, c, top, previous(top));
    StartEdge(eb, c, top, next(top));
    int replacements = 0;
    std::int64_t y = c[std::size_t(top)].Y;
    for (;;) {
        if (ea.Rows <= 0) {
            if (++replacements > 2)
                return;
            StartEdge(ea, c, ea.To, previous(ea.To));
        }
        if (eb.Rows <= 0) {
            if (++replacements > 2)
                return;
            StartEdge(eb, c, eb.To, next(eb.To));
        }
        // Memory row 260 − Y: rows below 1 lie above the frame, rows past 260 below it.
        if (y > IntroHeight)
            return;
        std::int64_t rows = 1;
        if (y < 1) {
            // Straight on to the first row in the frame, or to where a segment runs out.
            rows = std::max<std::int64_t>(1, std::min({ 1 - y, ea.Rows, eb.Rows }));
        } else {
            const std::int64_t left = eb.X >> 16, right = ea.X >> 16;
            const std::int64_t width = right - left;
            const std::int64_t from = std::max<std::int64_t>(left, 0);
            const std::int64_t to = std::min<std::int64_t>(right, IntroWidth);
            if (width > 0 && from < to) {
                const std::int64_t dstep = (ea.D - eb.D) / width;
                std::int64_t d = eb.D + dstep * (from - left);
                const std::size_t row = std::size_t(IntroHeight - y) * IntroWidth;
                std::int32_t* depth = DepthBuffer.data() + row;
                std::uint8_t* shades = ShadeBuffer.data() + row;
                for (std::int64_t x = from; x < to; ++x, d += dstep)
                    if (depth[x] < d) {
                        depth[x] = std::int32_t(d);
                        shades[x] = shade;
                    }
            }
        }
        ea.X += ea.XStep * rows;
        ea.D += ea.DStep * rows;
        eb.X += eb.XStep * rows;
        eb.D += eb.DStep * rows;
        ea.Rows -= rows;
        eb.Rows -= rows;
        y += rows;
    }
}

int TIntro::DrawGlyph(int x, int y, int g)
{
    if (g > 255 || g < 0)
        return 0;
    const TGlyphEntry& glyph = Glyphs[std::size_t(g)];
    std::int64_t c0 = glyph.First;
    const int w = glyph.Width;
    if (w <= 0)
        return 0;
    std::int64_t left = x, n = w;
    if (left < 0) {
        if (w + left <= 0)
            return w;
        n = w + left;
        c0 -= left;
        left = 0;
    }
    if (left >= IntroWidth)
        return w;
    n = std::min<std::int64_t>(n, IntroWidth - left);
    // Never read past the strip, whatever the table says.
    if (c0 < 0)
        return w;
    n = std::min<std::int64_t>(n, GlyphStripWidth - c0);
    if (n <= 0)
        return w;
    for (int r = 0; r < GlyphStripHeight; ++r) {
        const std::int64_t row = std::int64_t(y) + r;
        if (row < 0 || row >= IntroHeight)
            continue;
        std::memcpy(&FrontMask[std::size_t(row * IntroWidth + left)],
            &FontStrip[std::size_t(r * GlyphStripWidth + c0)], std::size_t(n));
    }
    return w;
}

int TIntro::TextWidth(std::span<const std::uint8_t> codes) const
{
    int width = 0;
    for (const std::uint8_t code : codes) {
        const int g = code - 1;
        if (g >= 0 && Glyphs[std::size_t(g)].Width > 0)
            width += Glyphs[std::size_t(g)].Width;
    }
    return width;
}

void TIntro::DrawTextLine(int x, int y, std::span<const std::uint8_t> codes)
{
    // The pen is kept in 64 bits and held far outside the frame, so that no text, however long,
    // overflows it; where it stands out there nothing is drawn anyway.
    std::int64_t pen = x;
    for (const std::uint8_t code : codes) {
        const int clamped = int(std::clamp<std::int64_t>(pen, -(1 << 30), 1 << 30));
        pen += DrawGlyph(clamped, y, code - 1);
    }
}

void TIntro::FadeEdges()
{
    // The text and the title dissolve into the frame's edges over 16 columns on either side.
    const auto fade = [](std::uint8_t& m, int f) {
        if (m != 0)
            m = m + f <= 255 ? std::uint8_t(m + f) : 0;
    };
    for (int row = 8; row <= 32; ++row) {
        std::uint8_t* line = &FrontMask[std::size_t(row) * IntroWidth];
        for (int i = 0; i < 16; ++i) {
            fade(line[i], 255 - 15 * i);
            fade(line[IntroWidth - 16 + i], 15 * i);
        }
    }
}

void TIntro::ShadeMesh()
{
    // Most of the frame has no mesh: eight shade bytes are tested at a time.
    const std::uint8_t* shades = ShadeBuffer.data();
    std::uint32_t* pixels = FrameBuffer.data();
    for (int i = 0; i < IntroPixels; i += 8) {
        std::uint64_t group;
        std::memcpy(&group, shades + i, sizeof group);
        if (group == 0)
            continue;
        for (int j = i; j < i + 8; ++j)
            if (const int s = shades[j])
                pixels[j] = BlendPixel(pixels[j], 255 - s, 250, 238, 208, s);
    }
}

void TIntro::DrawForeground()
{
    // High addresses first: each ink pixel darkens the one two rows lower and two columns to
    // the right before that one is itself drawn. The lowest three rows cast no shadow.
    constexpr int ShadowOffset = 2 * IntroWidth - 2;
    constexpr int Lowest = 3 * IntroWidth;
    static_assert(IntroPixels % 4 == 0 && Lowest % 4 == 0);
    const std::uint8_t* mask = FrontMask.data();
    std::uint32_t* pixels = FrameBuffer.data();
    for (int i = IntroPixels - 4; i >= Lowest; i -= 4) {
        std::uint32_t group;
        std::memcpy(&group, mask + i, sizeof group);
        if (group == 0)
            continue;
        for (int j = i + 3; j >= i; --j) {
            const int m = mask[j];
            if (m == 0)
                continue;
            pixels[j - ShadowOffset] = DarkenPixel(pixels[j - ShadowOffset], (255 - m) / 4);
            pixels[j] = BlendPixel(pixels[j], m, 255, 250, 224, 255 - m);
        }
    }
}
