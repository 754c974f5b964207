// The "Ancient" figure set (ANIM_B3, stored as the "bugs" set): medallions carved with a scarab,
// gold for Yellow and banded malachite for Green, on squares of lapis lazuli. A disc tips over
// with an iridescent shimmer, like a beetle's wing case catching the light.
#include "AncientSet.h"

#include <numbers>

#include "Noise.h"
#include "SquarePainting.h"

namespace {

constexpr int Frames = 20;
constexpr float Radius = 23.5f;
constexpr float Thickness = 5.0f;
constexpr float Pi = std::numbers::pi_v<float>;

// ---- The carving -------------------------------------------------------------------------

float Dome(float u, float v, float cx, float cy, float rx, float ry, float height)
{
    const float d = ((u - cx) / rx) * ((u - cx) / rx) + ((v - cy) / ry) * ((v - cy) / ry);
    return d >= 1 ? 0 : height * std::sqrt(1 - d);
}

float Limb(float u, float v, float ax, float ay, float bx, float by, float radius, float height)
{
    const float px = u - ax, py = v - ay, qx = bx - ax, qy = by - ay;
    const float t = Clamp01((px * qx + py * qy) / (qx * qx + qy * qy));
    const float dx = px - qx * t, dy = py - qy * t;
    const float d = std::sqrt(dx * dx + dy * dy) / radius;
    return d >= 1 ? 0 : height * std::sqrt(1 - d * d);
}

// Relief height over a face (u, v in −1..1, the scarab's head up): a raised, notched rim, the
// beetle with the sun disc it pushes, and a recessed field.
float Carving(float u, float v)
{
    const float r = std::sqrt(u * u + v * v);
    float h = 0.55f * Smoothstep(0.82f, 0.87f, r);
    // Notches around the rim, like the edge of an old seal.
    const float a = std::atan2(v, u) / (2 * Pi) * 16;
    const float notch = std::fabs(a - std::round(a));
    h -= 0.3f * Smoothstep(0.12f, 0.0f, notch) * Smoothstep(0.88f, 0.93f, r);

    float body = 0;
    body = std::max(body, Dome(u, v, 0, 0.17f, 0.3f, 0.38f, 0.72f)); // wing cases
    body = std::max(body, Dome(u, v, 0, -0.27f, 0.32f, 0.16f, 0.62f)); // thorax
    body = std::max(body, Dome(u, v, 0, -0.5f, 0.15f, 0.1f, 0.46f)); // head
    body = std::max(body, Dome(u, v, 0, -0.7f, 0.1f, 0.1f, 0.4f)); // the sun
    // The seam between the wing cases.
    if (v > -0.12f)
        body -= 0.28f * std::exp(-u * u / 0.0009f) * Smoothstep(0.6f, 0.45f, v);
    for (const float side : { -1.0f, 1.0f }) {
        const float legs[3][6] = { { 0.22f, -0.33f, 0.42f, -0.42f, 0.5f, -0.6f },
            { 0.26f, -0.05f, 0.5f, 0.0f, 0.58f, 0.16f },
            { 0.24f, 0.32f, 0.45f, 0.42f, 0.48f, 0.64f } };
        for (const auto& l : legs) {
            body = std::max(body, Limb(u, v, side * l[0], l[1], side * l[2], l[3], 0.055f, 0.32f));
            body = std::max(body, Limb(u, v, side * l[2], l[3], side * l[4], l[5], 0.05f, 0.3f));
        }
    }
    return std::max(h, body);
}

// The carving sampled once: heights, and how enclosed each point is (recesses beside raised
// work gather dirt and shade).
struct Relief {
    static constexpr int Size = 256;
    Mask Height, Cavity;

    Relief()
        : Height(Size, Size)
    {
        for (int y = 0; y < Size; ++y)
            for (int x = 0; x < Size; ++x)
                Height.At(x, y)
                    = Carving((float(x) + 0.5f) / Size * 2 - 1, (float(y) + 0.5f) / Size * 2 - 1);
        Cavity = Height;
        Blur(Cavity, 6);
        for (std::size_t i = 0; i < Cavity.Values.size(); ++i)
            Cavity.Values[i] = Clamp01((Cavity.Values[i] - Height.Values[i]) * 2.5f);
    }
    float HeightAt(float u, float v) const
    {
        return Height.Sample((u + 1) / 2 * Size, (v + 1) / 2 * Size);
    }
    float CavityAt(float u, float v) const
    {
        return Cavity.Sample((u + 1) / 2 * Size, (v + 1) / 2 * Size);
    }
};

const Relief& TheRelief()
{
    static const Relief relief;
    return relief;
}

// ---- The board ---------------------------------------------------------------------------

FloatImage PaintSquare(bool light, int scale)
{
    // Lapis lazuli: mottled blue, pale calcite veins and specks of golden pyrite.
    const std::uint32_t seed = light ? 31 : 47;
    const Rgb deep = light ? Srgb(0x2C4A90) : Srgb(0x14234F);
    const Rgb mid = light ? Srgb(0x4466AE) : Srgb(0x223A7C);
    const Rgb calcite = light ? Srgb(0xAEBCD8) : Srgb(0x5B6C92);
    FloatImage square = PaintSquareTexture(
        [&](float u, float v) {
            const float mottle = Fbm(u * 0.06f, v * 0.06f, 4, seed);
            Rgb c = Mix(deep, mid, Clamp01(0.5f + 0.7f * mottle));
            const float vein
                = Smoothstep(0.55f, 0.9f, RidgedFbm(u * 0.035f + 2, v * 0.05f, 4, seed + 1));
            c = Mix(c, calcite, 0.4f * vein);
            // Pyrite gathers in a few clusters rather than sprinkling evenly.
            const float cluster
                = Smoothstep(0.25f, 0.6f, Fbm(u * 0.08f + 9, v * 0.08f, 2, seed + 4));
            const float fleck = Hash01(int(u * 2), int(v * 2), seed + 2);
            if (fleck > 1 - 0.025f * cluster)
                c = Mix(c, Srgb(0xF0CC6A), 0.8f * Hash01(int(u * 2), int(v * 2), seed + 3));
            return c;
        },
        scale);
    BevelSquare(square, 0.3f, 0.5f);
    return square;
}

const FloatImage& Square(bool light, int scale)
{
    static SquareCache squares(PaintSquare);
    return squares.Get(light, scale);
}

// ---- The medallions ----------------------------------------------------------------------

// A rainbow for the shimmer, h in turns.
Rgb Rainbow(float h)
{
    const auto channel
        = [&](float offset) { return 0.5f + 0.5f * std::cos(2 * Pi * (h + offset)); };
    return { channel(0), channel(-0.33f), channel(-0.67f) };
}

struct Shimmer {
    float Strength = 0; // 0 .. 1
    float Phase = 0; // moves the colours and the sweeping band
};

Rgb ShadeMedallion(const DiscHit& hit, Side top, Side bottom, const Shimmer& shimmer)
{
    const bool upper = hit.OnFace ? hit.TopFace : hit.RimHeight > 0;
    const Side side = upper ? top : bottom;
    const Relief& relief = TheRelief();
    Vec3 n = hit.Normal;
    float cavity = 0, height = 0.55f;
    if (hit.OnFace) {
        const float e = 1.5f / Relief::Size;
        height = relief.HeightAt(hit.U, hit.V);
        const float du
            = (relief.HeightAt(hit.U + e, hit.V) - relief.HeightAt(hit.U - e, hit.V)) / (2 * e);
        const float dv
            = (relief.HeightAt(hit.U, hit.V + e) - relief.HeightAt(hit.U, hit.V - e)) / (2 * e);
        n = Normalize(
            n - (hit.TangentU * du + hit.TangentV * dv) * (side == Side::Yellow ? 0.1f : 0.14f));
        cavity = relief.CavityAt(hit.U, hit.V);
    }
    const Vec3 reflected = Reflect(ViewDirection * -1, n);
    Rgb c;
    if (side == Side::Yellow) {
        // Gold: a metal, so its reflections carry its colour. The recessed field is matt. An
        // old, warm gold: bright enough to read as Yellow, deep enough for white marks on it.
        const Rgb gold = Srgb(0xDCA42E);
        const float polish = hit.OnFace ? Smoothstep(0.05f, 0.3f, height) : 1.0f;
        c = gold * (0.1f + 0.45f * Diffuse(n));
        c += gold * StudioReflection(reflected) * (0.2f + 0.22f * polish);
        c += Srgb(0xFFE8B0) * (Highlight(n, 40 + 80 * polish) * (0.18f + 0.25f * polish));
    } else {
        // Polished green stone: clouded jade with faint malachite banding, quiet enough for
        // the carving to read.
        const float cloud = Fbm(hit.U * 1.6f, hit.V * 1.6f, 3, 71);
        const float ring = std::sqrt(hit.U * hit.U + hit.V * hit.V) + 0.15f * cloud;
        const float band = 0.5f + 0.5f * std::sin(ring * 30);
        Rgb stone
            = Mix(Srgb(0x003A12), Srgb(0x00782C), Clamp01(0.55f + 0.45f * cloud + 0.12f * band));
        if (!hit.OnFace)
            stone = Srgb(0x004416);
        c = stone * (0.2f + 0.85f * Diffuse(n));
        c += StudioReflection(reflected) * Fresnel(n, 0.03f);
        c += Rgb { 1, 1, 1 } * (Highlight(n, 110) * 0.55f);
    }
    c = c * (1 - 0.6f * cavity);
    if (shimmer.Strength > 0) {
        // Thin-film colours that shift with the viewing angle, and a bright band sweeping across.
        const float facing = Dot(n, ViewDirection);
        const Rgb film = Rainbow(facing * 1.6f + shimmer.Phase + 0.25f * (hit.U - hit.V));
        const float sweep = std::exp(
            -std::pow((hit.U - hit.V) * 0.7f - (shimmer.Phase * 3 - 1.5f), 2.0f) / 0.06f);
        c += film * (0.12f * shimmer.Strength)
            + Srgb(0xFFF4D0) * (0.45f * sweep * shimmer.Strength);
    }
    return c;
}

struct AncientMoment {
    DiscPose Pose;
    float Opacity = 1;
    Shimmer Shine;
    float Glints = 0; // how strongly the glints around the disc show
    float GlintPhase = 0;
    float Dust = 0; // gold dust gathering into a placed disc, 0 .. 1 of its way
};

FloatImage Compose(
    bool light, const AncientMoment& m, Side top, Side bottom, std::uint32_t seed, int scale)
{
    FloatImage canvas = Square(light, scale);
    PaintDiscShadow(canvas, m.Pose, m.Opacity);
    PaintDisc(
        canvas, m.Pose, [&](const DiscHit& h) { return ShadeMedallion(h, top, bottom, m.Shine); },
        m.Opacity);
    const Rgb glintColour = top == Side::Yellow ? Srgb(0xFFE9A8) : Srgb(0xD8FFE4);
    if (m.Dust > 0 && m.Dust < 1) {
        // Motes spiral in from the corners of the square and vanish into the disc.
        for (int k = 0; k < 14; ++k) {
            const float angle = Hash01(k, 0, seed) * 2 * Pi + m.Dust * 2.5f;
            const float dist = (0.25f + 0.75f * Hash01(k, 1, seed)) * (1 - m.Dust) * 26 * scale;
            const float size = 2.0f + 2.0f * Hash01(k, 2, seed);
            const float px = m.Pose.X + std::cos(angle) * dist,
                        py = m.Pose.Y + std::sin(angle) * dist;
            const float shine
                = Smoothstep(0.0f, 0.02f, m.Dust) * (1 - Smoothstep(0.75f, 1.0f, m.Dust));
            AddGlint(canvas, px, py, size, glintColour * (0.9f * shine), scale);
        }
    }
    if (m.Glints > 0) {
        for (int k = 0; k < 4; ++k) {
            // Each glint flares and fades in its own part of the turn.
            const float at = Hash01(k, 5, seed);
            const float life = std::max(0.0f, 1 - std::fabs(m.GlintPhase - at) * 5);
            if (life <= 0)
                continue;
            const float angle = Hash01(k, 6, seed) * 2 * Pi;
            const float dist = (0.55f + 0.4f * Hash01(k, 7, seed)) * m.Pose.Radius;
            AddGlint(canvas, m.Pose.X + std::cos(angle) * dist,
                m.Pose.Y - ViewLean * m.Pose.Thickness + std::sin(angle) * dist,
                3.5f + 2 * Hash01(k, 8, seed), glintColour * (1.6f * life * m.Glints), scale);
        }
    }
    return canvas;
}

FloatImage PaintRest(Side side, bool light, int scale)
{
    AncientMoment m;
    m.Pose = RestingPose(Radius, Thickness, scale);
    m.Pose.Dome = 0.2f;
    return Compose(light, m, side, Other(side), 0, scale);
}

FloatImage PaintTurn(Side from, bool light, int frame, int scale)
{
    const float p = float(frame) / float(Frames - 1);
    AncientMoment m;
    m.Pose = RestingPose(Radius, Thickness, scale);
    m.Pose.Dome = 0.2f;
    m.Pose.AxisAngle = 0; // tips over towards the viewer: the medallion's height shrinks
    m.Pose.Turn = Pi * Smoothstep(0.08f, 0.85f, p);
    const float hop = std::sin(Pi * Smoothstep(0.0f, 0.9f, p));
    m.Pose.Lift = 3.5f * scale * hop;
    m.Shine = { std::sin(Pi * Smoothstep(0.0f, 0.95f, p)), p };
    m.Glints = 1;
    m.GlintPhase = p;
    return Compose(light, m, from, Other(from), from == Side::Yellow ? 5 : 6, scale);
}

FloatImage PaintAppear(Side side, bool light, int frame, int scale)
{
    const float p = float(frame) / float(Frames - 1);
    AncientMoment m;
    m.Pose = RestingPose(Radius, Thickness, scale);
    m.Pose.Dome = 0.2f;
    m.Dust = Smoothstep(0.0f, 0.55f, p);
    const float form = Smoothstep(0.25f, 0.7f, p);
    m.Opacity = form;
    m.Pose.Scale = 0.75f + 0.25f * Smoothstep(0.25f, 0.8f, p);
    m.Pose.Lift = 5.0f * scale * (1 - Smoothstep(0.3f, 0.85f, p));
    m.Shine = { std::sin(Pi * Smoothstep(0.3f, 0.98f, p)), Smoothstep(0.3f, 0.98f, p) };
    m.Glints = Smoothstep(0.5f, 0.8f, p);
    m.GlintPhase = 0.5f + 0.5f * p;
    return Compose(light, m, side, Other(side), side == Side::Yellow ? 7 : 8, scale);
}

} // namespace

const FigureSetArt& AncientArt()
{
    static const FigureSetArt art { "ANIM_B3", "Ancient", Frames,
        [](bool light, int scale) { return Square(light, scale); }, PaintRest, PaintTurn,
        PaintAppear };
    return art;
}
