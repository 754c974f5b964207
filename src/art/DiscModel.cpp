// Ray casting against a turned, rounded disc; shadows and reflections for its frames.
#include "DiscModel.h"

#include <algorithm>
#include <limits>

DiscCaster::DiscCaster(const DiscPose& pose)
    : Pose(pose)
    , AxisCos(std::cos(pose.AxisAngle))
    , AxisSin(std::sin(pose.AxisAngle))
{
    // Rodrigues' rotation about the in-plane unit axis k = (cos a, sin a, 0).
    const float ct = std::cos(pose.Turn), st = std::sin(pose.Turn);
    const Vec3 k { AxisCos, AxisSin, 0 };
    const auto rotate = [&](Vec3 v) {
        const Vec3 kxv { k.Y * v.Z - k.Z * v.Y, k.Z * v.X - k.X * v.Z, k.X * v.Y - k.Y * v.X };
        return v * ct + kxv * st + k * (Dot(k, v) * (1 - ct));
    };
    Ex = rotate({ 1, 0, 0 }), Ey = rotate({ 0, 1, 0 }), Ez = rotate({ 0, 0, 1 });
    // The disc turns about its own middle, Lift above its resting height. A turning disc may dip
    // below the board plane; the board is never drawn over it, so it simply turns in place as
    // players expect.
    Centre = { pose.X, pose.Y, pose.Thickness * pose.Scale / 2 + pose.Lift };
}

bool DiscCaster::Cross(Vec3 origin, Vec3 direction, Span& span) const
{
    const float s = Pose.Scale;
    const Vec3 o = ToLocal(origin - Centre) * (1 / s);
    const Vec3 d = ToLocal(direction) * (1 / s);
    const float half = Pose.Thickness / 2, r = Pose.Radius;
    const float inf = std::numeric_limits<float>::infinity();
    float s0 = -inf, s1 = inf;
    if (std::fabs(d.Z) < 1e-7f) {
        if (std::fabs(o.Z) > half)
            return false;
    } else {
        const float a = (half - o.Z) / d.Z, b = (-half - o.Z) / d.Z;
        s0 = std::min(a, b), s1 = std::max(a, b);
    }
    float c0 = -inf, c1 = inf;
    const float qa = d.X * d.X + d.Y * d.Y;
    const float qb = 2 * (o.X * d.X + o.Y * d.Y);
    const float qc = o.X * o.X + o.Y * o.Y - r * r;
    if (qa < 1e-9f) {
        if (qc > 0)
            return false;
    } else {
        const float disc = qb * qb - 4 * qa * qc;
        if (disc < 0)
            return false;
        const float root = std::sqrt(disc);
        c0 = (-qb - root) / (2 * qa), c1 = (-qb + root) / (2 * qa);
    }
    span = { std::max(s0, c0), std::min(s1, c1), s0 >= c0 };
    return span.Enter <= span.Exit;
}

DiscHit DiscCaster::Intersect(Vec3 origin, Vec3 direction) const
{
    DiscHit hit;
    Span span;
    if (!Cross(origin, direction, span))
        return hit;
    hit.Hit = true;
    hit.Point = origin + direction * span.Enter;
    const Vec3 local = ToLocal(hit.Point - Centre) * (1 / Pose.Scale);
    const float r = std::sqrt(local.X * local.X + local.Y * local.Y);
    const Vec3 radial = r > 1e-6f ? Vec3 { local.X / r, local.Y / r, 0 } : Vec3 { 1, 0, 0 };
    Vec3 n;
    if (span.FaceFirst) {
        hit.OnFace = true;
        hit.TopFace = local.Z > 0;
        float u = local.X / Pose.Radius, v = local.Y / Pose.Radius;
        hit.TangentU = Ex, hit.TangentV = Ey;
        if (!hit.TopFace) {
            // Seen after a half turn the bottom face is the mirror image across the axis.
            const float along = u * AxisCos + v * AxisSin;
            u = 2 * along * AxisCos - u;
            v = 2 * along * AxisSin - v;
            const float c2 = AxisCos * AxisCos - AxisSin * AxisSin, s2 = 2 * AxisSin * AxisCos;
            hit.TangentU = Ex * c2 + Ey * s2;
            hit.TangentV = Ex * s2 - Ey * c2;
        }
        hit.U = u, hit.V = v;
        hit.Radial = std::min(1.0f, r / Pose.Radius);
        // A quarter-round edge: the normal leans out over the last Bevel of the radius.
        const float w = Smoothstep(1 - Pose.Bevel, 1.0f, hit.Radial);
        const float lean = std::max(w * 1.35f, Pose.Dome * hit.Radial);
        n = radial * std::sin(lean) + Vec3 { 0, 0, hit.TopFace ? 1.0f : -1.0f } * std::cos(lean);
    } else {
        hit.RimHeight = std::clamp(local.Z / (Pose.Thickness / 2), -1.0f, 1.0f);
        hit.RimAngle = std::atan2(local.Y, local.X);
        const float w = Smoothstep(0.35f, 1.0f, std::fabs(hit.RimHeight));
        const float lean = w * 1.1f;
        n = radial * std::cos(lean)
            + Vec3 { 0, 0, hit.RimHeight > 0 ? 1.0f : -1.0f } * std::sin(lean);
    }
    hit.Normal = Normalize(ToWorld(n));
    return hit;
}

DiscHit DiscCaster::View(float x, float y) const
{
    // Start the ray at the disc's height so the numbers stay small; the line is what matters.
    const float z = Centre.Z;
    return Intersect({ x, y + ViewLean * z, z }, { 0, -ViewLean, -1 });
}

bool DiscCaster::Shadows(float x, float y) const
{
    Span span;
    return Cross({ x, y, 0 }, LightDirection, span) && span.Exit > 0;
}

Rgb StudioReflection(Vec3 r)
{
    // Ceiling to floor.
    const float up = r.Z;
    Rgb c = Mix(Srgb(0x2A2622), Srgb(0xC9CCD2), Smoothstep(-0.2f, 0.9f, up));
    // The soft box: a broad bright patch around the light, with a sharper core.
    const float toLight = Dot(Normalize(r), LightDirection);
    c += Rgb { 1.0f, 0.98f, 0.94f } * (Smoothstep(0.80f, 0.97f, toLight) * 2.2f);
    // A dim fill panel on the opposite side gives round shapes a second, softer edge light.
    const Vec3 fill = Normalize({ 0.7f, 0.2f, 0.55f });
    c += Rgb { 0.55f, 0.6f, 0.7f } * (Smoothstep(0.85f, 0.98f, Dot(Normalize(r), fill)) * 0.5f);
    return c;
}

void PaintDisc(FloatImage& canvas, const DiscPose& pose,
    const std::function<Rgb(const DiscHit&)>& shade, float opacity)
{
    if (opacity <= 0)
        return;
    // Only the pixels near the disc can be hit: a bounding box saves most of the rays.
    const DiscCaster caster(pose);
    const float reach = (pose.Radius + pose.Thickness) * pose.Scale + 2;
    const float top = pose.Y - reach - ViewLean * (pose.Lift + 2 * reach);
    const int x0 = std::max(0, int(pose.X - reach)),
              x1 = std::min(canvas.Width - 1, int(pose.X + reach) + 1);
    const int y0 = std::max(0, int(top)), y1 = std::min(canvas.Height - 1, int(pose.Y + reach) + 1);
    for (int y = y0; y <= y1; ++y)
        for (int x = x0; x <= x1; ++x) {
            const DiscHit hit = caster.View(float(x) + 0.5f, float(y) + 0.5f);
            if (!hit.Hit)
                continue;
            Rgb& px = canvas.At(x, y);
            px = opacity >= 1 ? shade(hit) : Mix(px, shade(hit), opacity);
        }
}

void PaintDiscShadow(FloatImage& canvas, const DiscPose& pose, float strength)
{
    if (strength <= 0)
        return;
    const float height = pose.Lift;
    const float r = pose.Radius * pose.Scale;
    const DiscCaster caster(pose);
    Mask cast(canvas.Width, canvas.Height), contact(canvas.Width, canvas.Height);
    // The shadow falls away from the light: only rays from below and right of the disc can meet
    // it. The shadow is worked out at half resolution; it is blurred anyway.
    const float reach = (pose.Radius + pose.Thickness) * pose.Scale + 2;
    const int x0 = std::max(0, int(pose.X - reach)), y0 = std::max(0, int(pose.Y - reach));
    for (int y = y0; y < canvas.Height; y += 2)
        for (int x = x0; x < canvas.Width; x += 2) {
            const float v = caster.Shadows(float(x) + 1, float(y) + 1) ? 1.0f : 0.0f;
            cast.At(x, y) = v;
            if (x + 1 < canvas.Width)
                cast.At(x + 1, y) = v;
            if (y + 1 < canvas.Height) {
                cast.At(x, y + 1) = v;
                if (x + 1 < canvas.Width)
                    cast.At(x + 1, y + 1) = v;
            }
        }
    for (int y = 0; y < canvas.Height; ++y)
        for (int x = 0; x < canvas.Width; ++x) {
            const float fx = float(x) + 0.5f, fy = float(y) + 0.5f;
            const float dx = fx - pose.X, dy = fy - pose.Y;
            contact.At(x, y) = dx * dx + dy * dy <= r * r ? 1.0f : 0.0f;
        }
    Blur(cast, r * 0.1f + height * 0.35f);
    Blur(contact, r * 0.08f);
    const float castStrength = 0.62f * strength / (1 + height / (r * 0.9f));
    const float contactStrength = 0.5f * strength * std::max(0.0f, 1 - height / (r * 0.25f));
    for (std::size_t i = 0; i < canvas.Pixels.size(); ++i) {
        const float dark
            = std::max(cast.Values[i] * castStrength, contact.Values[i] * contactStrength);
        canvas.Pixels[i] = canvas.Pixels[i] * (1 - dark);
    }
}
