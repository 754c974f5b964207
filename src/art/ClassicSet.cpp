// The "Classic" figure set (ANIM_B2): glossy lacquered discs on a marquetry board of cherry and
// walnut, turning over in 3D: the disc narrows to its edge and opens again on its other face.
#include "ClassicSet.h"

#include <numbers>

#include "Noise.h"
#include "SquarePainting.h"

namespace {

constexpr int Frames = 15;
constexpr float Radius = 24.0f;
constexpr float Thickness = 5.5f;
constexpr float Pi = std::numbers::pi_v<float>;

FloatImage PaintSquare(bool light, int scale)
{
    // Marquetry: honey-toned cherry and dark walnut, the grain of neighbouring squares running
    // crosswise. Even the light wood stays deep enough for the pale hover and move outlines to
    // stand out on it.
    const std::uint32_t seed = light ? 11 : 23;
    const Rgb pale = light ? Srgb(0x9A6A40) : Srgb(0x5E3A20);
    const Rgb deep = light ? Srgb(0x845630) : Srgb(0x301A0C);
    FloatImage square = PaintSquareTexture(
        [&](float u, float v) {
            const float along = light ? u : v, across = light ? v : u;
            const float warp = Fbm(along * 0.01f, across * 0.04f, 3, seed) * 5
                + Fbm(along * 0.05f, across * 0.2f, 2, seed + 1) * 0.6f;
            const float ring = (across + warp) * 0.95f;
            const float broken = 0.5f + 0.5f * Fbm(along * 0.03f, across * 0.3f, 2, seed + 2);
            const float lines = std::pow(0.5f + 0.5f * std::sin(ring), 10.0f) * broken;
            const float figure = Fbm(along * 0.004f, across * 0.08f, 3, seed + 3);
            const float pores = Fbm(along * 0.3f, across * 3.0f, 1, seed + 4);
            const float t = Clamp01(0.45f + 0.4f * figure + 0.4f * lines + 0.06f * pores);
            // Varnish: a soft sheen from the upper left.
            return Mix(pale, deep, t) * (1.06f - 0.12f * (u + v) / float(2 * FrameSize));
        },
        scale);
    BevelSquare(square, 0.25f, 0.5f);
    return square;
}

const FloatImage& Square(bool light, int scale)
{
    static SquareCache squares(PaintSquare);
    return squares.Get(light, scale);
}

// A marigold yellow rather than a lemon one: deep enough that the white marks show on it.
Rgb Lacquer(Side side) { return side == Side::Yellow ? Srgb(0xF0B000) : Srgb(0x0B7A3A); }

} // namespace

// Glossy lacquered disc: faces of one colour each, the edge split between the two with a dark
// seam, a moulded ring on each face, a sharp highlight and a studio reflection.
Rgb ShadeClassicDisc(const DiscHit& hit, Side top, Side bottom)
{
    const bool upper = hit.OnFace ? hit.TopFace : hit.RimHeight > 0;
    Rgb albedo = Lacquer(upper ? top : bottom);
    Vec3 n = hit.Normal;
    if (hit.OnFace) {
        // A shallow moulded ring: darker in its groove, lighter on its crest.
        const float r = hit.Radial;
        const float groove = std::exp(-std::pow((r - 0.72f) / 0.028f, 2.0f));
        const float crest = std::exp(-std::pow((r - 0.77f) / 0.03f, 2.0f));
        albedo = albedo * (1 - 0.28f * groove + 0.12f * crest);
    } else {
        albedo = albedo * 0.78f;
        const float seam = Smoothstep(0.22f, 0.05f, std::fabs(hit.RimHeight));
        albedo = albedo * (1 - 0.75f * seam);
    }
    Rgb c = albedo * (0.26f + 0.82f * Diffuse(n));
    c += StudioReflection(Reflect(ViewDirection * -1, n)) * Fresnel(n, 0.035f);
    c += Rgb { 1, 1, 1 } * (Highlight(n, 90) * 0.8f);
    return c;
}

namespace {

FloatImage Compose(
    bool light, const DiscPose& pose, Side top, Side bottom, int scale, float opacity = 1)
{
    FloatImage canvas = Square(light, scale);
    PaintDiscShadow(canvas, pose, opacity);
    PaintDisc(
        canvas, pose, [&](const DiscHit& h) { return ShadeClassicDisc(h, top, bottom); }, opacity);
    return canvas;
}

FloatImage PaintRest(Side side, bool light, int scale)
{
    return Compose(light, RestingPose(Radius, Thickness, scale), side, Other(side), scale);
}

FloatImage PaintTurn(Side from, bool light, int frame, int scale)
{
    const float p = float(frame) / float(Frames - 1);
    DiscPose pose = RestingPose(Radius, Thickness, scale);
    pose.AxisAngle = Pi / 2; // a vertical axis: the disc narrows to its edge and widens again
    pose.Turn = Pi * Smoothstep(0.0f, 0.9f, p);
    const float hop = std::sin(Pi * Clamp01(p / 0.93f));
    pose.Lift = 4.0f * scale * hop;
    pose.Scale = 1 + 0.05f * hop;
    return Compose(light, pose, from, Other(from), scale);
}

FloatImage PaintAppear(Side side, bool light, int frame, int scale)
{
    const float p = float(frame) / float(Frames - 1);
    DiscPose pose = RestingPose(Radius, Thickness, scale);
    // Grows from a small disc with a little overshoot, then settles.
    const float grow = Smoothstep(0.0f, 0.6f, p);
    const float settle = Smoothstep(0.55f, 0.95f, p);
    pose.Scale = Mixf(0.3f + 0.8f * grow, 1.0f, settle);
    pose.Lift = 3.0f * scale * std::sin(Pi * Clamp01(p / 0.8f));
    return Compose(light, pose, side, Other(side), scale, Smoothstep(0.0f, 0.3f, p) * 0.9f + 0.1f);
}

} // namespace

const FigureSetArt& ClassicArt()
{
    static const FigureSetArt art { "ANIM_B2", "Classic", Frames,
        [](bool light, int scale) { return Square(light, scale); }, PaintRest, PaintTurn,
        PaintAppear };
    return art;
}
