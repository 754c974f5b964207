// The "Flame" figure set (ANIM_B1): discs of glowing fire glass set in dark iron, on squares of
// volcanic stone. A turning disc bursts into flame, turns over inside the fire and comes out
// burning in its new colour; a placed disc ignites from a spark.
#include "FlameSet.h"

#include <numbers>

#include "Noise.h"
#include "SquarePainting.h"

namespace {

constexpr int Frames = 20;
constexpr float Radius = 23.5f;
constexpr float Thickness = 5.0f;
constexpr float Pi = std::numbers::pi_v<float>;
constexpr float Bezel = 0.86f; // where the glowing glass ends and the iron ring begins

// Colour of fire of each side at heat t (0 cold and dark .. 1 white hot).
Rgb Fire(Side side, float t)
{
    static const std::uint32_t yellow[]
        = { 0x000000, 0x4A1A00, 0xB05A00, 0xF0A800, 0xFFD62E, 0xFFEE90, 0xFFFCE8 };
    static const std::uint32_t green[]
        = { 0x000000, 0x052A0A, 0x0A6A1A, 0x16A830, 0x3EDA48, 0x9CF58A, 0xEEFFE6 };
    const std::uint32_t* stops = side == Side::Yellow ? yellow : green;
    const float x = Clamp01(t) * 6;
    const int i = std::min(5, int(x));
    return Mix(Srgb(stops[i]), Srgb(stops[i + 1]), x - float(i));
}

// Colours of the flames themselves at heat t: deep and saturated at the edges of the tongues,
// pale only in the hottest cores.
Rgb Flame(Side side, float t)
{
    static const std::uint32_t yellow[]
        = { 0x300800, 0x8A1C00, 0xF05A00, 0xFFA000, 0xFFD030, 0xFFF2B8 };
    static const std::uint32_t green[]
        = { 0x021A06, 0x07561A, 0x12A02A, 0x3CD83A, 0x96F470, 0xEAFFD8 };
    const std::uint32_t* stops = side == Side::Yellow ? yellow : green;
    const float x = Clamp01(t) * 5;
    const int i = std::min(4, int(x));
    return Mix(Srgb(stops[i]), Srgb(stops[i + 1]), x - float(i));
}

// Flames whose colour changes from one side's to the other's as mix goes from 0 to 1.
Rgb FlameBlend(Side from, float mix, float t)
{
    return Mix(Flame(from, t), Flame(Other(from), t), mix);
}

FloatImage PaintSquare(bool light, int scale)
{
    // Volcanic stone: warm grey basalt for the light squares, near-black lava rock with faint
    // embers still glowing in its cracks for the dark ones.
    const std::uint32_t seed = light ? 101 : 211;
    const Rgb base = light ? Srgb(0x574A43) : Srgb(0x1E1816);
    const Rgb pale = light ? Srgb(0x76665C) : Srgb(0x33291F);
    FloatImage square = PaintSquareTexture(
        [&](float u, float v) {
            const float mottle = Fbm(u * 0.05f, v * 0.05f, 4, seed);
            const float grain = Fbm(u * 0.6f, v * 0.6f, 2, seed + 1);
            const float t = Clamp01(0.45f + 0.5f * mottle + 0.25f * grain);
            Rgb c = Mix(base, pale, t);
            // Pits and mineral specks.
            const float pit = Hash01(int(u * 1.5f), int(v * 1.5f), seed + 2);
            if (pit > 0.97f)
                c = c * 0.6f;
            else if (pit < 0.01f)
                c += Rgb { 0.04f, 0.035f, 0.03f };
            // Cracks: thin creases of ridged noise.
            const float wu = u + 4 * Fbm(u * 0.08f, v * 0.08f, 2, seed + 5),
                        wv = v + 4 * Fbm(u * 0.08f + 5, v * 0.08f, 2, seed + 6);
            const float crack
                = Smoothstep(0.9f, 0.985f,
                      1 - std::fabs(GradientNoise(wu * 0.055f, wv * 0.055f, seed + 3)))
                * Smoothstep(-0.2f, 0.3f, Fbm(u * 0.04f + 3, v * 0.04f, 2, seed + 7));
            if (light)
                c = c * (1 - 0.35f * crack);
            else
                c = c * (1 - 0.3f * crack)
                    + Srgb(0x7A2606) * (0.22f * crack * (0.5f + 0.5f * mottle));
            return c;
        },
        scale);
    BevelSquare(square, 0.35f, 0.55f);
    return square;
}

const FloatImage& Square(bool light, int scale)
{
    static SquareCache squares(PaintSquare);
    return squares.Get(light, scale);
}

// The glass of a resting face at glow t (0 at the iron bezel .. 1 in the hottest middle): molten
// gold and deep emerald. Both stay well short of white, so the white marks drawn over a disc
// show, and the Yellow glass is always much the lighter of the two, also to eyes that cannot
// tell red from green.
Rgb Glass(Side side, float t)
{
    static const std::uint32_t yellow[] = { 0x582A00, 0xA06600, 0xC49200, 0xCE9E04, 0xD4A60A };
    static const std::uint32_t green[] = { 0x011A04, 0x02360A, 0x045A16, 0x067A2A, 0x0A9038 };
    const std::uint32_t* stops = side == Side::Yellow ? yellow : green;
    const float x = Clamp01(t) * 4;
    const int i = std::min(3, int(x));
    return Mix(Srgb(stops[i]), Srgb(stops[i + 1]), x - float(i));
}

// The glowing glass of one face: hot in the middle, with brighter veins like embers, darker
// towards the iron bezel.
Rgb GlassGlow(Side side, float u, float v, float heat)
{
    const float r = std::sqrt(u * u + v * v) / Bezel;
    const std::uint32_t seed = side == Side::Yellow ? 7 : 13;
    // Marbled, like molten glass stirred: noise whose coordinates are bent by more noise.
    const float bendU = 1.4f * Fbm(u * 1.3f, v * 1.3f, 2, seed + 1),
                bendV = 1.4f * Fbm(u * 1.3f + 4, v * 1.3f, 2, seed + 2);
    const float cloud = Fbm(u * 2.0f + bendU, v * 2.0f + bendV, 3, seed);
    const float t = 0.32f + 0.5f * (1 - r * r) + 0.4f * cloud;
    // A dimmed glass (mid-turn, inside the fire) sinks towards the dark end.
    return Glass(side, t) * heat;
}

// Shades the disc: glowing glass behind a clear glaze, an iron bezel and rim.
Rgb ShadeDisc(const DiscHit& hit, Side top, Side bottom, float heat)
{
    const Vec3 n = hit.Normal;
    const Rgb glaze = StudioReflection(Reflect(ViewDirection * -1, n)) * Fresnel(n, 0.04f)
        + Rgb { 1, 1, 1 } * (Highlight(n, 140) * 0.9f);
    const Rgb iron = Srgb(0x2C2724);
    if (hit.OnFace && hit.Radial < Bezel) {
        const Side side = hit.TopFace ? top : bottom;
        // The glass is emissive: light from behind, not from the lamp.
        const float rim = Smoothstep(Bezel - 0.1f, Bezel, hit.Radial);
        return GlassGlow(side, hit.U, hit.V, heat) * (1 - 0.55f * rim) + glaze;
    }
    // Iron: dark, with a warm sheen of its own fire near the glass.
    Rgb c = iron * (0.25f + 0.9f * Diffuse(n));
    c += StudioReflection(Reflect(ViewDirection * -1, n)) * Fresnel(n, 0.08f) * 0.8f;
    c += Rgb { 1, 0.95f, 0.9f } * (Highlight(n, 60) * 0.6f);
    if (hit.OnFace) {
        const Side side = hit.TopFace ? top : bottom;
        c += Fire(side, 0.6f * heat) * (0.35f * Smoothstep(Bezel + 0.06f, Bezel, hit.Radial));
    }
    return c;
}

// Soft coloured light the disc throws on the stone around it.
void AddHalo(FloatImage& canvas, const DiscPose& pose, Rgb colour, float strength)
{
    if (strength <= 0)
        return;
    const float r = pose.Radius * pose.Scale;
    for (int y = 0; y < canvas.Height; ++y)
        for (int x = 0; x < canvas.Width; ++x) {
            const float dx = float(x) + 0.5f - pose.X, dy = float(y) + 0.5f - pose.Y;
            const float d = std::sqrt(dx * dx + dy * dy);
            const float glow = std::exp(-std::max(0.0f, d - r * 0.92f) / (r * 0.1f));
            canvas.At(x, y) += colour
                * (glow * strength * EdgeWindow(float(x) + 0.5f, float(y) + 0.5f, ScaleOf(canvas)));
        }
}

// The fire itself: tongues licking upwards from around (cx, cy), strength 0 .. 1, time moving
// the turbulence upwards.
void AddFlames(FloatImage& canvas, float cx, float cy, float reach, float strength, float time,
    Side from, float colourMix)
{
    if (strength <= 0)
        return;
    const int scale = ScaleOf(canvas);
    const float unit = float(scale);
    for (int y = 0; y < canvas.Height; ++y)
        for (int x = 0; x < canvas.Width; ++x) {
            const float window = EdgeWindow(float(x) + 0.5f, float(y) + 0.5f, scale);
            if (window <= 0)
                continue;
            const float dx = (float(x) + 0.5f - cx) / unit, dy = (float(y) + 0.5f - cy) / unit;
            // A flattened teardrop: the fire reaches further up than down.
            const float sy = dy < 0 ? dy * 0.6f : dy * 1.25f;
            const float body = 1 - std::sqrt(dx * dx + sy * sy) / reach;
            if (body < -0.6f)
                continue;
            // Tongues: noise stretched upwards and scrolling up, bent by a slower warp.
            const float warp = Fbm(dx * 0.06f, dy * 0.06f + time * 0.6f, 2, 9) * 6;
            const float tongues = Fbm((dx + warp) * 0.12f, dy * 0.04f + time, 4, 3);
            const float heat = Clamp01(body * 1.35f + tongues * 1.6f - 0.25f) * strength * window;
            if (heat <= 0.01f)
                continue;
            // Mostly laid over what is below, so the colours stay deep; a little added as light.
            const Rgb flame = FlameBlend(from, colourMix, heat);
            Rgb& px = canvas.At(x, y);
            px = Mix(px, flame, Smoothstep(0.02f, 0.45f, heat) * 0.9f) + flame * (0.4f * heat);
        }
}

// Sparks thrown out of the fire: small hot dots flying out and rising, fading as they go.
void AddSparks(FloatImage& canvas, float cx, float cy, float age, float strength, Side from,
    float colourMix, std::uint32_t seed)
{
    if (strength <= 0 || age <= 0)
        return;
    const int scale = ScaleOf(canvas);
    const float unit = float(scale);
    for (int k = 0; k < 16; ++k) {
        const float angle = Hash01(k, 1, seed) * 2 * Pi;
        const float speed = 14 + 16 * Hash01(k, 2, seed);
        const float start = Hash01(k, 3, seed) * 0.3f;
        const float t = age - start;
        if (t <= 0)
            continue;
        const float px = cx + std::cos(angle) * speed * t * unit;
        const float py = cy + (std::sin(angle) * speed * t - 22 * t * t) * unit;
        const float fade = strength * Clamp01(1 - t / 0.7f) * EdgeWindow(px, py, scale);
        if (fade <= 0)
            continue;
        const float size = (0.7f + 0.5f * Hash01(k, 4, seed)) * unit;
        const Rgb colour = FlameBlend(from, colourMix, 0.9f);
        const int x0 = std::max(0, int(px - 3 * size)),
                  x1 = std::min(canvas.Width - 1, int(px + 3 * size));
        const int y0 = std::max(0, int(py - 3 * size)),
                  y1 = std::min(canvas.Height - 1, int(py + 3 * size));
        for (int y = y0; y <= y1; ++y)
            for (int x = x0; x <= x1; ++x) {
                const float ddx = (float(x) + 0.5f - px) / size,
                            ddy = (float(y) + 0.5f - py) / size;
                canvas.At(x, y) += colour * (fade * 2.5f * std::exp(-(ddx * ddx + ddy * ddy)));
            }
    }
}

struct FlameMoment {
    DiscPose Pose;
    float Opacity = 1; // of the disc
    float Heat = 1; // of the disc's glass
    float Fire = 0; // flame strength
    float FireReach = 30; // frame pixels
    float Time = 0; // turbulence phase
    float ColourMix = 0; // 0 the first side's fire, 1 the other's
    float SparkAge = 0;
    float Spark = 0; // the bright point a placed disc ignites from
};

FloatImage Compose(
    bool light, const FlameMoment& m, Side top, Side bottom, Side fireFrom, int scale)
{
    FloatImage canvas = Square(light, scale);
    PaintDiscShadow(canvas, m.Pose, 0.8f * m.Opacity);
    // The halo follows the face that is up: mid-turn it is the blend of the two.
    const float up = std::cos(m.Pose.Turn) * 0.5f + 0.5f;
    const Rgb haloColour = Mix(Fire(bottom, 0.55f), Fire(top, 0.55f), up);
    AddHalo(canvas, m.Pose, haloColour, 0.14f * m.Opacity * m.Heat);
    PaintDisc(
        canvas, m.Pose, [&](const DiscHit& h) { return ShadeDisc(h, top, bottom, m.Heat); },
        m.Opacity);
    const float cy = m.Pose.Y - ViewLean * m.Pose.Thickness;
    if (m.Spark > 0) {
        DiscPose point = m.Pose;
        point.Radius = 2.5f * scale;
        point.Y = cy;
        AddHalo(canvas, point, Fire(fireFrom, 0.95f), 1.6f * m.Spark);
    }
    AddFlames(canvas, m.Pose.X, cy, m.FireReach, m.Fire, m.Time, fireFrom, m.ColourMix);
    AddSparks(canvas, m.Pose.X, cy, m.SparkAge, m.Fire > 0 ? 1.0f : 0.0f, fireFrom, m.ColourMix,
        fireFrom == Side::Yellow ? 3 : 4);
    return canvas;
}

FloatImage PaintRest(Side side, bool light, int scale)
{
    FlameMoment m;
    m.Pose = RestingPose(Radius, Thickness, scale);
    return Compose(light, m, side, Other(side), side, scale);
}

FloatImage PaintTurn(Side from, bool light, int frame, int scale)
{
    const float p = float(frame) / float(Frames - 1);
    FlameMoment m;
    m.Pose = RestingPose(Radius, Thickness, scale);
    m.Pose.AxisAngle = -Pi / 4; // turns over along a diagonal, inside the fire
    m.Pose.Turn = Pi * Smoothstep(0.22f, 0.72f, p);
    const float hop = std::sin(Pi * Smoothstep(0.15f, 0.85f, p));
    m.Pose.Lift = 3.0f * scale * hop;
    // The fire flares fast, holds while the disc turns and dies down slowly.
    m.Fire = Smoothstep(0.0f, 0.25f, p) * (1 - Smoothstep(0.6f, 0.97f, p));
    m.FireReach = 22 + 14 * Smoothstep(0.0f, 0.4f, p);
    m.Time = p * 3.2f;
    m.ColourMix = Smoothstep(0.3f, 0.62f, p);
    m.SparkAge = p * 1.3f;
    // The glass dims while it is engulfed and flares up again in its new colour.
    m.Heat = 1 - 0.45f * std::sin(Pi * Smoothstep(0.1f, 0.9f, p));
    return Compose(light, m, from, Other(from), from, scale);
}

FloatImage PaintAppear(Side side, bool light, int frame, int scale)
{
    const float p = float(frame) / float(Frames - 1);
    FlameMoment m;
    m.Pose = RestingPose(Radius, Thickness, scale);
    // A spark catches, flares into a ball of fire, and the disc forms inside it.
    m.Fire = Smoothstep(0.0f, 0.22f, p) * (1 - Smoothstep(0.5f, 0.92f, p));
    m.FireReach = 9 + 24 * Smoothstep(0.0f, 0.4f, p);
    m.Spark = 1 - Smoothstep(0.1f, 0.35f, p);
    m.Time = p * 3.0f;
    m.ColourMix = 0;
    m.SparkAge = Smoothstep(0.1f, 1.0f, p) * 1.2f;
    const float form = Smoothstep(0.25f, 0.75f, p);
    m.Pose.Scale = 0.55f + 0.45f * form;
    m.Opacity = form;
    m.Heat = 0.6f + 0.4f * form + 0.3f * std::sin(Pi * form);
    return Compose(light, m, side, Other(side), side, scale);
}

} // namespace

const FigureSetArt& FlameArt()
{
    static const FigureSetArt art { "ANIM_B1", "Flame", Frames,
        [](bool light, int scale) { return Square(light, scale); }, PaintRest, PaintTurn,
        PaintAppear };
    return art;
}
