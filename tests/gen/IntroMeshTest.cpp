// The intro's mesh read the way the About window reads it: file layout and counts, closed and
// consistently wound parts, and the normalised mesh inside the frame, lit within the gradient
// and culled correctly over a whole turn of the intro's rotation.
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <cstring>
#include <map>
#include <numbers>

#include "GeneratedFiles.h"
#include "Intro.h"
#include "Result.h"

namespace {

struct TFace {
    int A, B, C;
};

struct TGroup {
    int FirstVertex = 0, Vertices = 0;
    std::vector<TFace> Faces; // global indices
};

struct TMeshFile {
    std::uint16_t GroupCount = 0, VertexCount = 0, FaceCount = 0;
    std::vector<std::array<float, 3>> Vertices;
    std::vector<TGroup> Groups;
    std::vector<float> K; // brightness factor per face, in face order
};

Result<TMeshFile> ReadMesh(const std::vector<std::uint8_t>& bytes)
{
    TMeshFile mesh;
    std::size_t at = 0;
    auto need = [&](std::size_t n) { return at + n <= bytes.size(); };
    auto truncated = [&] {
        return Error { ErrorKind::Damaged, "truncated at byte " + std::to_string(at) };
    };
    auto u16 = [&] {
        const unsigned v = bytes[at] | bytes[at + 1] << 8;
        at += 2;
        return v;
    };
    auto f32 = [&] {
        float f;
        std::memcpy(&f, &bytes[at], 4);
        at += 4;
        return f;
    };
    if (!need(22))
        return truncated();
    at = 4;
    mesh.GroupCount = std::uint16_t(u16());
    mesh.VertexCount = std::uint16_t(u16());
    mesh.FaceCount = std::uint16_t(u16());
    at = 22;
    for (int g = 0; g < mesh.GroupCount; ++g) {
        if (!need(4))
            return truncated();
        TGroup group;
        group.FirstVertex = int(mesh.Vertices.size());
        group.Vertices = std::int16_t(u16());
        const int faces = std::int16_t(u16());
        if (!need(std::size_t(group.Vertices) * 12 + std::size_t(faces) * 6))
            return truncated();
        for (int v = 0; v < group.Vertices; ++v) {
            const float x = f32(), y = f32(), z = f32();
            mesh.Vertices.push_back({ x, y, z });
        }
        for (int f = 0; f < faces; ++f) {
            const int a = int(u16()), b = int(u16()), c = int(u16());
            if (a >= group.Vertices || b >= group.Vertices || c >= group.Vertices)
                return Error { ErrorKind::Damaged, "face index outside its group" };
            group.Faces.push_back(
                { group.FirstVertex + a, group.FirstVertex + b, group.FirstVertex + c });
        }
        mesh.Groups.push_back(group);
    }
    if (at != bytes.size())
        return Error { ErrorKind::Damaged, "trailing bytes" };
    // Brightness factor from the stored coordinates, then the normalisation of LoadMesh.
    auto& v = mesh.Vertices;
    for (const TGroup& g : mesh.Groups)
        for (const TFace& f : g.Faces) {
            float e1[3], e2[3];
            for (int i = 0; i < 3; ++i) {
                e1[i] = v[f.B][i] - v[f.A][i];
                e2[i] = v[f.C][i] - v[f.B][i];
            }
            const float nx = e1[1] * e2[2] - e1[2] * e2[1], ny = e1[2] * e2[0] - e1[0] * e2[2],
                        nz = e1[0] * e2[1] - e1[1] * e2[0];
            mesh.K.push_back(12000.0f / std::sqrt(nx * nx + ny * ny + nz * nz));
        }
    float lo[3] = { 1e30f, 1e30f, 1e30f }, hi[3] = { -1e30f, -1e30f, -1e30f };
    for (const auto& p : v)
        for (int i = 0; i < 3; ++i) {
            lo[i] = std::min(lo[i], p[i]);
            hi[i] = std::max(hi[i], p[i]);
        }
    float s = std::max({ (hi[0] - lo[0]) / 6, (hi[1] - lo[1]) / 6, (hi[2] - lo[2]) / 6 });
    if (s == 0)
        s = 1;
    for (auto& p : v)
        for (int i = 0; i < 3; ++i)
            p[i] = ((hi[i] - (hi[i] - lo[i]) / 2) - p[i]) / s;
    return mesh;
}

// A mesh file the reader refuses throws with its message, failing the test that asked.
const TMeshFile& Mesh()
{
    static const TMeshFile mesh = ReadMesh(Generated("INTRO_3DMESH")).Value();
    return mesh;
}

// One view of the intro: camera-space position and screen position of every vertex.
struct TView {
    std::vector<std::array<float, 3>> Camera; // x', vertical numerator, depth
    std::vector<float> Sx, Sy;
};

float TableSin(int i) { return float(std::sin(i * std::numbers::pi / 1024)); }
float TableCos(int i) { return float(std::cos(i * std::numbers::pi / 1024)); }

constexpr int RX = 1536, RY = 100;

TView Project(const TMeshFile& mesh, int rz)
{
    const float c1 = TableCos(RX), s1 = TableSin(RX), c2 = TableCos(RY), s2 = TableSin(RY);
    const float c3 = TableCos(rz), s3 = TableSin(rz);
    TView view;
    for (const auto& p : mesh.Vertices) {
        const float t0 = c2 * p[0] - s2 * p[2], t1 = s2 * p[0] + c2 * p[2];
        const float x = c3 * t0 + s3 * p[1], t2 = c3 * p[1] - s3 * t0;
        const float depth = c1 * t1 - s1 * t2 - 7.0f;
        const float vertical = s1 * t1 + c1 * t2;
        view.Camera.push_back({ x, vertical, depth });
        view.Sx.push_back(x / depth);
        view.Sy.push_back(vertical / depth);
    }
    return view;
}

float Culling(const TView& v, const TFace& f)
{
    return (v.Sy[f.B] - v.Sy[f.A]) * (v.Sx[f.C] - v.Sx[f.B])
        - (v.Sx[f.B] - v.Sx[f.A]) * (v.Sy[f.C] - v.Sy[f.B]);
}

TEST(IntroMesh, HeaderAndCountsMatchTheLayout)
{
    const TMeshFile& mesh = Mesh();
    EXPECT_EQ(mesh.GroupCount, 21);
    EXPECT_EQ(mesh.VertexCount, 998);
    EXPECT_EQ(mesh.FaceCount, 1932);
    EXPECT_EQ(mesh.Groups.size(), 21u);
    EXPECT_EQ(mesh.Vertices.size(), 998u);
    std::size_t faces = 0;
    for (const TGroup& g : mesh.Groups)
        faces += g.Faces.size();
    EXPECT_EQ(faces, 1932u);
}

TEST(IntroMesh, EveryPartIsClosedAndConsistentlyWound)
{
    const TMeshFile& mesh = Mesh();
    for (std::size_t g = 0; g < mesh.Groups.size(); ++g) {
        // Each edge is used once in each direction by the faces on its two sides.
        std::map<std::pair<int, int>, int> edges;
        for (const TFace& f : mesh.Groups[g].Faces) {
            ASSERT_TRUE(f.A != f.B && f.B != f.C && f.C != f.A);
            ++edges[{ f.A, f.B }];
            ++edges[{ f.B, f.C }];
            ++edges[{ f.C, f.A }];
        }
        for (const auto& [edge, count] : edges) {
            EXPECT_EQ(count, 1) << "group " << g << " repeats edge " << edge.first << "-"
                                << edge.second;
            EXPECT_EQ(edges.count({ edge.second, edge.first }), 1u)
                << "group " << g << " is open at edge " << edge.first << "-" << edge.second;
        }
        EXPECT_FALSE(HasFailure()) << "group " << g;
        if (HasFailure())
            return;
    }
}

TEST(IntroMesh, StaysInsideTheFrameOverAWholeTurn)
{
    const TMeshFile& mesh = Mesh();
    ASSERT_FALSE(mesh.Vertices.empty());
    for (int rz = 0; rz < 2048; ++rz) {
        const TView v = Project(mesh, rz);
        for (std::size_t i = 0; i < mesh.Vertices.size(); ++i) {
            const int x = int(std::nearbyint(v.Sx[i] * 350.0f + 190.0f));
            const int y = int(std::nearbyint(v.Sy[i] * 350.0f + 130.0f));
            // Rows are written at 260 − Y, so Y runs 1..259; spans end before column 380.
            ASSERT_TRUE(x >= 0 && x <= 379 && y >= 1 && y <= 259)
                << "vertex " << i << " at (" << x << ", " << y << ") for angle " << rz;
        }
    }
}

TEST(IntroMesh, VisibleFacesAreTheFrontFacesAndStayWithinTheGradient)
{
    const TMeshFile& mesh = Mesh();
    int drawn = 0, peak = 0;
    for (int rz = 0; rz < 2048; rz += 7) {
        const TView v = Project(mesh, rz);
        std::size_t faceIndex = 0;
        for (const TGroup& g : mesh.Groups) {
            // Orientation of the part: the sign of its enclosed volume in camera space tells
            // whether its faces' normals (by the right-hand rule) point out or in.
            double volume = 0;
            for (const TFace& f : g.Faces) {
                const auto &a = v.Camera[f.A], &b = v.Camera[f.B], &c = v.Camera[f.C];
                volume += a[0] * (b[1] * c[2] - b[2] * c[1]) - a[1] * (b[0] * c[2] - b[2] * c[0])
                    + a[2] * (b[0] * c[1] - b[1] * c[0]);
            }
            ASSERT_NE(volume, 0);
            for (const TFace& f : g.Faces) {
                const auto &a = v.Camera[f.A], &b = v.Camera[f.B], &c = v.Camera[f.C];
                double e1[3], e2[3];
                for (int i = 0; i < 3; ++i) {
                    e1[i] = b[i] - a[i];
                    e2[i] = c[i] - a[i];
                }
                const double n[3] = { e1[1] * e2[2] - e1[2] * e2[1], e1[2] * e2[0] - e1[0] * e2[2],
                    e1[0] * e2[1] - e1[1] * e2[0] };
                const double out = volume > 0 ? 1 : -1;
                // The eye is at the origin of camera space.
                const double facing = -out * (n[0] * a[0] + n[1] * a[1] + n[2] * a[2])
                    / std::sqrt(n[0] * n[0] + n[1] * n[1] + n[2] * n[2])
                    / std::sqrt(a[0] * a[0] + a[1] * a[1] + a[2] * a[2]);
                const float m = Culling(v, f);
                if (std::abs(facing) > 0.02) {
                    ASSERT_EQ(m > 0, facing > 0) << "face " << faceIndex << " at angle " << rz;
                }
                if (m > 0) {
                    ++drawn;
                    peak = std::max(peak, int(std::nearbyint(m * mesh.K[faceIndex])));
                }
                ++faceIndex;
            }
        }
    }
    EXPECT_GT(drawn, 0);
    // Above 255 the brightness would wrap round to the dark end of the gradient.
    EXPECT_LE(peak, 255);
    EXPECT_GT(peak, 200) << "the mesh should use the bright end of the gradient";
}

// A face seen edge-on gets almost no brightness, and a thin one (a wall between two surfaces)
// then shows as a dark line or a trail of dark dots across a lit surface. Drawn by the program's
// own renderer over a whole turn: a pixel much darker than both its neighbours, where the two
// neighbours are shaded alike and lie at one depth (one surface, not an outline over a part
// further back), is such a sliver.
TEST(IntroMesh, NoFaceShowsAsADarkSliverAcrossALitSurface)
{
    TIntro intro(1);
    ASSERT_TRUE(intro.LoadMesh(Generated("INTRO_3DMESH")));
    for (int i = 0; i < 256; ++i) // shades in brightness order, 0 kept for "no mesh"
        intro.Gradient[std::size_t(i)] = std::uint8_t(std::max(i, 1));
    int worst = 0, worstAngle = 0;
    for (int rz = 0; rz < IntroAngleSteps; rz += 12) {
        intro.RZ = rz;
        intro.ClearMeshBuffers();
        intro.DrawMesh();
        const auto at = [](int x, int y) { return std::size_t(y) * IntroWidth + std::size_t(x); };
        const auto shade = [&](int x, int y) { return int(intro.ShadeBuffer[at(x, y)]); };
        const auto depth = [&](int x, int y) { return std::int64_t(intro.DepthBuffer[at(x, y)]); };
        int slivers = 0;
        for (int y = 1; y + 1 < IntroHeight; ++y)
            for (int x = 1; x + 1 < IntroWidth; ++x) {
                const int s = shade(x, y);
                if (s == 0)
                    continue;
                for (const auto& [dx, dy] : { std::pair { 1, 0 }, std::pair { 0, 1 } }) {
                    const int a = shade(x - dx, y - dy), b = shade(x + dx, y + dy);
                    const std::int64_t step = depth(x - dx, y - dy) - depth(x + dx, y + dy);
                    if (a > 0 && b > 0 && std::abs(a - b) <= 16 && s + 60 < std::min(a, b)
                        && std::abs(step) < 6554) { // a tenth of a unit in 16.16
                        ++slivers;
                        break;
                    }
                }
            }
        if (slivers > worst)
            worst = slivers, worstAngle = rz;
    }
    // A disc seen exactly edge-on still shows its crest as a short dark line (the whole disc is
    // a sliver then); the walls that drew dark arcs and chevrons across lit faces gave 79.
    EXPECT_LE(worst, 16) << worst << " dark sliver pixels at angle " << worstAngle;
}

} // namespace
