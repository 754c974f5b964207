// The disc as a small 3D object: a short cylinder with rounded edges that can rise, grow and
// turn over, seen from above and slightly from the front so its edge shows as a rim. The three
// figure sets paint their frames by casting rays at it and shading what the rays hit.
#pragma once

#include <cmath>
#include <functional>

#include "Raster.h"

struct Vec3 {
    float X = 0, Y = 0, Z = 0;

    friend Vec3 operator+(Vec3 a, Vec3 b) { return { a.X + b.X, a.Y + b.Y, a.Z + b.Z }; }
    friend Vec3 operator-(Vec3 a, Vec3 b) { return { a.X - b.X, a.Y - b.Y, a.Z - b.Z }; }
    friend Vec3 operator*(Vec3 a, float k) { return { a.X * k, a.Y * k, a.Z * k }; }
    friend Vec3 operator*(float k, Vec3 a) { return a * k; }
};

inline float Dot(Vec3 a, Vec3 b) { return a.X * b.X + a.Y * b.Y + a.Z * b.Z; }
inline Vec3 Normalize(Vec3 v)
{
    const float l = std::sqrt(Dot(v, v));
    return l > 0 ? v * (1 / l) : v;
}
inline Vec3 Reflect(Vec3 v, Vec3 n) { return v - n * (2 * Dot(v, n)); }

// World axes of a frame: x to the right, y down the screen, z up out of the board; units are
// pixels of the frame being painted. The viewer looks down with a slight lean from the front:
// a point at height z appears ViewLean × z pixels higher on the screen than the board point
// below it, which is what makes a disc's rim visible below its face.
constexpr float ViewLean = 0.42f;
// Towards the viewer, and towards the light (upper left, in front of the board).
const Vec3 ViewDirection = Normalize({ 0, ViewLean, 1 });
const Vec3 LightDirection = Normalize({ -0.5f, -0.62f, 0.78f });

struct DiscPose {
    float X = 0, Y = 0; // the board point under the disc's centre
    float Radius = 1;
    float Thickness = 0.2f;
    float Bevel = 0.16f; // width of the rounded edge of each face, as a part of the radius
    float Lift = 0; // height of the disc's bottom above the board, before the turn
    float AxisAngle = 0; // direction of the turning axis in the board plane; 0 is the x axis
    float Turn = 0; // radians about that axis; π shows the bottom face
    float Scale = 1;
    float Dome = 0.34f; // how far the face normals lean out towards the edge: gently domed
                        // faces catch the light in a moving spot rather than all at once
};

// What a ray met on the disc.
struct DiscHit {
    bool Hit = false;
    bool OnFace = false; // one of the two faces, else the rim
    bool TopFace = false; // the face that is up when Turn is 0
    float U = 0, V = 0; // on a face: position across it, −1..1, upright as the face is seen
                        // lying up (the bottom face as it lies after a half turn)
    float Radial = 0; // on a face: distance from its centre, 0..1
    float RimHeight = 0; // on the rim: −1 at the bottom face's edge .. 1 at the top face's
    float RimAngle = 0; // on the rim: angle around the axis
    Vec3 Normal; // world normal, with the rounded edges
    Vec3 Point; // world position
    Vec3 TangentU, TangentV; // on a face: world directions in which U and V grow (for relief)
};

// A pose made ready for casting many rays.
class DiscCaster {
public:
    explicit DiscCaster(const DiscPose& pose);
    DiscHit Intersect(Vec3 origin, Vec3 direction) const;
    // The ray through the screen point (x, y) of a frame.
    DiscHit View(float x, float y) const;
    // True when the board point (x, y) does not see the light past the disc.
    bool Shadows(float x, float y) const;

private:
    struct Span {
        float Enter, Exit;
        bool FaceFirst;
    };
    bool Cross(Vec3 origin, Vec3 direction, Span& span) const;
    Vec3 ToLocal(Vec3 v) const { return { Dot(Ex, v), Dot(Ey, v), Dot(Ez, v) }; }
    Vec3 ToWorld(Vec3 v) const { return Ex * v.X + Ey * v.Y + Ez * v.Z; }

    DiscPose Pose;
    Vec3 Ex, Ey, Ez; // the disc's axes in world space
    Vec3 Centre;
    float AxisCos, AxisSin;
};

// Blinn-Phong highlight.
inline float Highlight(Vec3 n, float shininess)
{
    const Vec3 h = Normalize(LightDirection + ViewDirection);
    return std::pow(std::max(0.0f, Dot(n, h)), shininess);
}
inline float Diffuse(Vec3 n) { return std::max(0.0f, Dot(n, LightDirection)); }

// A studio surrounding for glossy reflections: a bright soft box at the light, a pale ceiling
// fading to a dark floor. r is the reflected view direction.
Rgb StudioReflection(Vec3 r);

// Fresnel-like weight of reflections: stronger where the surface turns away from the viewer.
inline float Fresnel(Vec3 n, float base)
{
    const float c = 1 - std::max(0.0f, Dot(n, ViewDirection));
    return base + (1 - base) * c * c * c * c * c;
}

// Casts view rays at every pixel of canvas and paints what hits with shade(hit), mixed over the
// canvas by opacity.
void PaintDisc(FloatImage& canvas, const DiscPose& pose,
    const std::function<Rgb(const DiscHit&)>& shade, float opacity = 1);

// Darkens canvas with the disc's soft shadow: the light's shadow, blurred more the higher the
// disc is, and a tight contact shade where it touches the board.
void PaintDiscShadow(FloatImage& canvas, const DiscPose& pose, float strength = 1);
