// The intro's mesh and its shading ramp. Every part is a closed surface wound counter-clockwise
// seen from outside: after the renderer's normalisation and projection, that is the winding its
// back-face test keeps. Each disc is a rim (a torus: these give the mesh its five holes), faces
// level with the rim's crest and, on one side only, a raised boss, so that the row reads as one
// disc turning over.
#include "IntroMesh.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <numbers>

#include "GeneratorError.h"
#include "Intro.h"

namespace {

constexpr double Pi = std::numbers::pi;

TVec3 operator+(TVec3 a, TVec3 b) { return { a.X + b.X, a.Y + b.Y, a.Z + b.Z }; }
TVec3 operator*(double s, TVec3 a) { return { s * a.X, s * a.Y, s * a.Z }; }

// A local right-handed frame: local (x, y, z) lands at Origin + x·U + y·V + z·W.
struct TFrame {
    TVec3 Origin, U { 1, 0, 0 }, V { 0, 1, 0 }, W { 0, 0, 1 };
    TVec3 At(double x, double y, double z) const { return Origin + x * U + y * V + z * W; }
};

using TProfile = std::vector<std::pair<double, double>>; // convex, counter-clockwise

TProfile RegularProfile(int sides, double radius, double phase)
{
    TProfile profile;
    for (int i = 0; i < sides; ++i) {
        const double a = phase + 2 * Pi * i / sides;
        profile.push_back({ radius * std::cos(a), radius * std::sin(a) });
    }
    return profile;
}

void AddFace(TMeshGroup& g, int a, int b, int c)
{
    g.Faces.push_back({ std::uint16_t(a), std::uint16_t(b), std::uint16_t(c) });
}

// A prism over a convex profile from local z0 to z1, its z1 end scaled by `taper` (below 1: a
// frustum, whose walls lean back and catch the light instead of showing edge-on). With
// `centres` the caps are fans around a centre vertex (even triangles for round profiles);
// without, fans from the first corner.
TMeshGroup Prism(const TFrame& frame, const TProfile& profile, double z0, double z1, bool centres,
    double taper = 1.0)
{
    TMeshGroup g;
    const int n = int(profile.size());
    for (double z : { z0, z1 })
        for (const auto& [x, y] : profile) {
            const double k = z == z1 ? taper : 1.0;
            g.Vertices.push_back(frame.At(k * x, k * y, z));
        }
    for (int i = 0; i < n; ++i) {
        const int j = (i + 1) % n;
        AddFace(g, i, j, n + j);
        AddFace(g, i, n + j, n + i);
    }
    if (centres) {
        g.Vertices.push_back(frame.At(0, 0, z0));
        g.Vertices.push_back(frame.At(0, 0, z1));
        for (int i = 0; i < n; ++i) {
            const int j = (i + 1) % n;
            AddFace(g, 2 * n, j, i);
            AddFace(g, 2 * n + 1, n + i, n + j);
        }
    } else {
        for (int i = 1; i + 1 < n; ++i) {
            AddFace(g, 0, i + 1, i);
            AddFace(g, n, n + i, n + i + 1);
        }
    }
    return g;
}

// A ring around the local z axis: the convex cross-section `tube` ((radius, height) pairs,
// counter-clockwise) swept round in `around` steps.
TMeshGroup Ring(const TFrame& frame, int around, const TProfile& tube)
{
    TMeshGroup g;
    const int n = int(tube.size());
    for (int i = 0; i < around; ++i) {
        const double phi = 2 * Pi * i / around;
        for (const auto& [r, z] : tube)
            g.Vertices.push_back(frame.At(r * std::cos(phi), r * std::sin(phi), z));
    }
    for (int i = 0; i < around; ++i)
        for (int j = 0; j < n; ++j) {
            const int a = i * n + j, b = ((i + 1) % around) * n + j;
            const int c = ((i + 1) % around) * n + (j + 1) % n, d = i * n + (j + 1) % n;
            AddFace(g, a, b, c);
            AddFace(g, a, c, d);
        }
    return g;
}

// Sizes of the piece in model units: x along the row, y toward the back, z up.
constexpr double RimRadius = 0.74; // centre line of the rim's tube
constexpr double RimTube = 0.11; // the tube's radius, half the disc's thickness
constexpr double DiscPitch = 1.25; // distance between disc centres
constexpr double BaseTop = -0.98;
constexpr double BaseBottom = -1.14;
constexpr double BaseHalfLength = 3.3;
constexpr double BaseHalfDepth = 0.36;
constexpr double PegHalf = 0.06;

void AddDisc(TMesh& mesh, double centreX, double turn)
{
    // The disc stands upright; its face normal W turns about the vertical from facing the
    // viewer (−y) toward the right.
    TFrame frame;
    frame.Origin = { centreX, 0, 0 };
    frame.U = { std::cos(turn), std::sin(turn), 0 };
    frame.V = { 0, 0, 1 };
    frame.W = { std::sin(turn), -std::cos(turn), 0 };
    // The rim: a hexagonal section with a flat crest, an edge pointing out and a long, shallow
    // slope inwards under the face. No side of it is parallel to the disc's axis, so none is
    // seen edge-on (as a dark line) when the disc faces the viewer.
    const double crest = RimTube * std::sqrt(3.0) / 2;
    mesh.Groups.push_back(Ring(frame, 24,
        { { RimRadius + RimTube, 0 }, { RimRadius + RimTube / 2, crest },
            { RimRadius - RimTube / 2, crest }, { RimRadius - 5 * RimTube, 0 },
            { RimRadius - RimTube / 2, -crest }, { RimRadius + RimTube / 2, -crest } }));
    // The faces lie just below the crest and reach under it, so their edges (walls parallel to
    // the axis) stay buried in the rim; between face and crest only a sliver of the shallow
    // slope shows, lit much like the face.
    const double face = 0.9 * crest;
    mesh.Groups.push_back(Prism(frame, RegularProfile(12, RimRadius - 0.25 * RimTube, 0), -face,
        face, true));
    // The boss marks one side: a low frustum standing on the face, its walls sloping at 45
    // degrees so that they catch the light rather than show edge-on.
    const double bossRadius = 0.5 * RimRadius, bossHeight = 0.9 * RimTube;
    mesh.Groups.push_back(Prism(frame, RegularProfile(8, bossRadius, Pi / 8), face,
        face + bossHeight, true, (bossRadius - bossHeight) / bossRadius));
}

TMesh BuildUprightMesh()
{
    TMesh mesh;
    TFrame world;
    for (int k = 0; k < 5; ++k)
        AddDisc(mesh, (k - 2) * DiscPitch, k * Pi / 4);
    mesh.Groups.push_back(Prism(world,
        { { -BaseHalfLength, -BaseHalfDepth }, { BaseHalfLength, -BaseHalfDepth },
            { BaseHalfLength, BaseHalfDepth }, { -BaseHalfLength, BaseHalfDepth } },
        BaseBottom, BaseTop, false));
    for (int k = 0; k < 5; ++k) {
        TFrame peg;
        peg.Origin = { (k - 2) * DiscPitch, 0, 0 };
        mesh.Groups.push_back(Prism(peg,
            { { -PegHalf, -PegHalf }, { PegHalf, -PegHalf }, { PegHalf, PegHalf },
                { -PegHalf, PegHalf } },
            BaseTop - 0.02, -RimRadius, true));
    }
    return mesh;
}

// The renderer tilts the mesh about its y axis before it spins it about the screen's vertical;
// leaning the model the other way first keeps the stand level while it turns.
void Level(TMesh& mesh)
{
    const double a = 2 * Pi * IntroStartRY / IntroAngleSteps;
    for (TMeshGroup& g : mesh.Groups)
        for (TVec3& v : g.Vertices)
            v = { std::cos(a) * v.X + std::sin(a) * v.Z, v.Y,
                -std::sin(a) * v.X + std::cos(a) * v.Z };
}

void Scale(TMesh& mesh, double factor)
{
    for (TMeshGroup& g : mesh.Groups)
        for (TVec3& v : g.Vertices)
            v = factor * v;
}

// Face brightness grows with the square of the stored size; past 255 it wraps into the dark
// end of the gradient. The largest brightness over a whole turn is measured and the mesh sized
// so that it stays below that.
int PeakBrightness(const TMesh& mesh)
{
    TIntro intro(0);
    if (const Status loaded = intro.LoadMesh(SerializeMesh(mesh)); !loaded)
        throw TGeneratorError(loaded.Failure().Message);
    std::int64_t peak = 0;
    for (int angle = 0; angle < IntroAngleSteps; ++angle) {
        intro.RZ = angle;
        intro.ProjectMesh();
        for (std::size_t f = 0; f < intro.FaceCount(); ++f)
            if (const TProjectedFace p = intro.ProjectFace(f); p.Visible)
                peak = std::max(peak, p.Brightness);
    }
    return int(std::min<std::int64_t>(peak, 1 << 30));
}

constexpr int BrightnessTarget = 248;

} // namespace

std::size_t TMesh::VertexCount() const
{
    std::size_t n = 0;
    for (const TMeshGroup& g : Groups)
        n += g.Vertices.size();
    return n;
}

std::size_t TMesh::FaceCount() const
{
    std::size_t n = 0;
    for (const TMeshGroup& g : Groups)
        n += g.Faces.size();
    return n;
}

TMesh MakeIntroMesh()
{
    TMesh mesh = BuildUprightMesh();
    Level(mesh);
    const int peak = PeakBrightness(mesh);
    Scale(mesh, std::sqrt(double(peak) / BrightnessTarget));
    if (PeakBrightness(mesh) > 255)
        throw TGeneratorError("mesh brightness does not fit the gradient");
    return mesh;
}

std::vector<std::uint8_t> SerializeMesh(const TMesh& mesh)
{
    std::vector<std::uint8_t> out;
    auto u16 = [&](unsigned v) {
        out.push_back(std::uint8_t(v));
        out.push_back(std::uint8_t(v >> 8));
    };
    auto u32 = [&](std::uint32_t v) {
        for (int i = 0; i < 4; ++i)
            out.push_back(std::uint8_t(v >> (8 * i)));
    };
    auto f32 = [&](double v) {
        const float f = float(v);
        std::uint32_t bits;
        static_assert(sizeof bits == sizeof f);
        std::memcpy(&bits, &f, sizeof bits);
        u32(bits);
    };
    if (mesh.Groups.size() > 0xFFFF || mesh.VertexCount() > 0xFFFF || mesh.FaceCount() > 0xFFFF)
        throw TGeneratorError("mesh too large for its file format");
    u32(82995); // the format's customary first word; readers skip it
    u16(unsigned(mesh.Groups.size()));
    u16(unsigned(mesh.VertexCount()));
    u16(unsigned(mesh.FaceCount()));
    for (int i = 0; i < 3; ++i)
        f32(0.3); // unused by readers
    for (const TMeshGroup& g : mesh.Groups) {
        if (g.Vertices.size() > 0x7FFF || g.Faces.size() > 0x7FFF)
            throw TGeneratorError("mesh group too large for its file format");
        u16(unsigned(g.Vertices.size()));
        u16(unsigned(g.Faces.size()));
        for (const TVec3& v : g.Vertices) {
            f32(v.X);
            f32(v.Y);
            f32(v.Z);
        }
        for (const auto& f : g.Faces)
            for (std::uint16_t i : f)
                u16(i);
    }
    return out;
}

std::vector<std::uint8_t> MakeIntroGradient()
{
    // Most faces land in the lower half of the index range (only the nearest faces, head-on,
    // reach the top), so the ramp climbs steeply at first and eases out: faces seen at an angle
    // or from further away still glow instead of sinking into the background.
    std::vector<std::uint8_t> ramp(256);
    for (int i = 0; i < 256; ++i)
        ramp[std::size_t(i)]
            = std::uint8_t(std::lround(8 + 247 * (1 - std::pow(1 - i / 255.0, 3))));
    return ramp;
}
