// The intro renderer: loading of the shipped and of broken data, the text and its glyphs at the
// frame's edges, the animation's bounds, the background's centre, the mesh's culling, depth test,
// fill rule and brightness wrap, meshes that would write outside the buffers, the edge fade, the
// blends, and repeatable frames.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <limits>

#include "Intro.h"
#include "IntroResources.h"
#include "IntroText.h"

namespace {

const TIntroResources& Shipped()
{
    // A failure throws with its message when the value is asked for, failing the test that asked.
    static const TIntroResources read = ReadIntroResources().Value();
    return read;
}

TIntro LoadedIntro(std::uint32_t seed = 1)
{
    TIntro intro(seed);
    const Status r = intro.LoadIntro(Shipped());
    EXPECT_TRUE(r) << r.Failure().Message;
    return intro;
}

struct TTestVertex {
    float X, Y, Z;
};
struct TTestGroup {
    std::vector<TTestVertex> Vertices;
    std::vector<std::array<std::uint16_t, 3>> Faces;
};

// A mesh file; the header's counts are those of the groups unless given.
std::vector<std::uint8_t> MeshFile(
    const std::vector<TTestGroup>& groups, int vertices = -1, int faces = -1, int groupCount = -1)
{
    std::vector<std::uint8_t> out(22, 0);
    auto u16 = [&](std::size_t at, unsigned v) {
        out[at] = std::uint8_t(v);
        out[at + 1] = std::uint8_t(v >> 8);
    };
    auto push16 = [&](unsigned v) {
        out.push_back(std::uint8_t(v));
        out.push_back(std::uint8_t(v >> 8));
    };
    std::size_t nv = 0, nf = 0;
    for (const TTestGroup& g : groups) {
        push16(unsigned(g.Vertices.size()));
        push16(unsigned(g.Faces.size()));
        for (const TTestVertex& v : g.Vertices)
            for (float c : { v.X, v.Y, v.Z }) {
                std::uint32_t bits;
                std::memcpy(&bits, &c, 4);
                push16(bits & 0xFFFF);
                push16(bits >> 16);
            }
        for (const auto& f : g.Faces)
            for (std::uint16_t i : f)
                push16(i);
        nv += g.Vertices.size();
        nf += g.Faces.size();
    }
    u16(4, groupCount < 0 ? unsigned(groups.size()) : unsigned(groupCount));
    u16(6, vertices < 0 ? unsigned(nv) : unsigned(vertices));
    u16(8, faces < 0 ? unsigned(nf) : unsigned(faces));
    return out;
}

// One triangle in the plane z = 0, spanning 12 × 6 stored units, both windings as two faces.
TTestGroup Triangle(float scale = 1)
{
    return { { { 0, 0, 0 }, { 12 * scale, 0, 0 }, { 0, 6 * scale, 0 } }, { { 0, 2, 1 } } };
}

// An intro without pictures, every face shaded 200.
TIntro BareIntro()
{
    TIntro intro(1);
    intro.Gradient.fill(200);
    return intro;
}

int CountNonZero(const std::vector<std::uint8_t>& bytes)
{
    return int(std::count_if(bytes.begin(), bytes.end(), [](std::uint8_t b) { return b != 0; }));
}

std::size_t At(int memoryRow, int column) { return std::size_t(memoryRow) * IntroWidth + column; }

TEST(IntroLoad, PreparesTheShippedResources)
{
    TIntro intro = LoadedIntro();
    // The stored ramp rises from 8 to 255; scaled by 0.9 it runs from 7 to 230 (229.5 to even).
    EXPECT_EQ(intro.Gradient[0], 7);
    EXPECT_EQ(intro.Gradient[255], 230);
    EXPECT_TRUE(std::is_sorted(intro.Gradient.begin(), intro.Gradient.end()));
    // The font strip holds 147 glyphs after the fixed blank; each is drawn with its blank column.
    EXPECT_EQ(intro.Glyphs[0].First, 0);
    EXPECT_EQ(intro.Glyphs[0].Width, 6);
    for (std::size_t g = 1; g <= 147; ++g) {
        const TGlyphEntry& e = intro.Glyphs[g];
        EXPECT_GT(e.First, intro.Glyphs[g - 1].First) << g;
        EXPECT_EQ(e.Width, e.End - e.First + 1) << g;
        for (int r = 0; r < GlyphStripHeight; ++r)
            EXPECT_EQ(intro.FontStrip[std::size_t(r) * GlyphStripWidth + std::size_t(e.End)], 0)
                << "glyph " << g << " ends in ink";
    }
    EXPECT_EQ(intro.VertexCount(), 998u);
    EXPECT_EQ(intro.FaceCount(), 1932u);
    // Blank and transparent bytes are 0 after loading; the scroll band is left free.
    EXPECT_EQ(CountNonZero(std::vector<std::uint8_t>(
                  intro.FrontMask.begin(), intro.FrontMask.begin() + 35 * IntroWidth)),
        0);
    EXPECT_GT(CountNonZero(intro.FrontMask), 1000);
    EXPECT_EQ(intro.P, intro.TextWidth(ScrollText()) + 440);
    EXPECT_GT(intro.P, 440 + 288 * 6);
    EXPECT_TRUE(intro.LIM >= 10 && intro.LIM <= 14);
}

TEST(IntroLoad, RefusesBrokenDataAndKeepsWhatItHad)
{
    TIntro intro = LoadedIntro();
    const int period = intro.P;
    const std::vector<std::uint8_t> mask = intro.FrontMask;
    auto broken = [&](ErrorKind expected, auto&& change) {
        TIntroResources r = Shipped();
        change(r);
        const Status result = intro.LoadIntro(r);
        ASSERT_FALSE(result);
        EXPECT_EQ(result.Failure().Kind, expected) << result.Failure().Message;
        EXPECT_EQ(intro.P, period);
        EXPECT_EQ(intro.FrontMask, mask);
        EXPECT_EQ(intro.FaceCount(), 1932u);
    };
    broken(ErrorKind::SizeMismatch, [](TIntroResources& r) { r.Tile.pop_back(); });
    broken(ErrorKind::SizeMismatch, [](TIntroResources& r) { r.FontStrip.resize(100); });
    broken(ErrorKind::SizeMismatch, [](TIntroResources& r) { r.FrontImage.clear(); });
    broken(ErrorKind::SizeMismatch, [](TIntroResources& r) { r.Gradient.resize(255); });
    broken(ErrorKind::Damaged, [](TIntroResources& r) { r.Mesh.resize(r.Mesh.size() - 1); });
}

TEST(IntroMeshFile, RefusesMalformedFilesAndKeepsTheMeshItHad)
{
    TIntro intro = BareIntro();
    ASSERT_TRUE(intro.LoadMesh(MeshFile({ Triangle() })));
    const std::vector<std::vector<std::uint8_t>> files = {
        {}, std::vector<std::uint8_t>(21, 0),
        MeshFile({ Triangle() }, -1, -1, 2), // a group more than the file holds
        MeshFile({ Triangle() }, 4), // more vertices declared than the groups hold
        MeshFile({ Triangle() }, 2), // fewer
        MeshFile({ Triangle() }, -1, 0),
        MeshFile({ { { { 0, 0, 0 }, { 1, 0, 0 }, { 0, 1, 0 } }, { { 0, 1, 3 } } } }),
        MeshFile({ Triangle(), { { { 0, 0, 0 } }, { { 0, 0, 1 } } } }), // index into another group
    };
    for (std::size_t i = 0; i < files.size(); ++i) {
        const Status r = intro.LoadMesh(files[i]);
        ASSERT_FALSE(r) << "file " << i;
        EXPECT_EQ(r.Failure().Kind, ErrorKind::Damaged) << "file " << i;
        EXPECT_FALSE(r.Failure().Message.empty());
    }
    std::vector<std::uint8_t> truncated = MeshFile({ Triangle() });
    truncated.pop_back();
    EXPECT_FALSE(intro.LoadMesh(truncated));
    std::vector<std::uint8_t> negative = MeshFile({ Triangle() });
    negative[22] = 0xFF, negative[23] = 0xFF; // nv = -1
    EXPECT_FALSE(intro.LoadMesh(negative));
    EXPECT_EQ(intro.VertexCount(), 3u);
    EXPECT_EQ(intro.FaceCount(), 1u);
    // An empty mesh is allowed: the stage stays empty.
    EXPECT_TRUE(intro.LoadMesh(MeshFile({})));
    intro.DrawMesh();
    EXPECT_EQ(CountNonZero(intro.ShadeBuffer), 0);
}

TEST(IntroMesh, IsCentredMirroredScaledAndCulledFromBehind)
{
    // Stored (0,0,0), (12,0,0), (0,6,0): centre (6,3,0), scale 12 / 6 = 2, so the corners become
    // (3,1.5,0), (-3,1.5,0), (3,-1.5,0); unrotated they lie at depth -7 and project to
    // x = 190 - 350·x/7, y = 130 - 350·y/7.
    TIntro intro = BareIntro();
    TTestGroup both = Triangle();
    both.Faces.push_back({ 0, 1, 2 });
    ASSERT_TRUE(intro.LoadMesh(MeshFile({ both })));
    intro.RX = intro.RY = intro.RZ = 0;
    intro.ProjectMesh();
    const TProjectedFace front = intro.ProjectFace(0);
    const TProjectedFace back = intro.ProjectFace(1);
    ASSERT_TRUE(front.Visible);
    EXPECT_FALSE(back.Visible);
    EXPECT_LE(back.M, 0);
    const std::array<std::pair<int, int>, 3> expected
        = { { { 40, 55 }, { 40, 205 }, { 340, 55 } } };
    for (std::size_t k = 0; k < 3; ++k) {
        EXPECT_EQ(front.Corners[k].X, expected[k].first) << k;
        EXPECT_EQ(front.Corners[k].Y, expected[k].second) << k;
        EXPECT_EQ(front.Corners[k].D, -7 * 65536) << k;
    }

    // The face seen from behind leaves nothing in either buffer.
    ASSERT_TRUE(intro.LoadMesh(MeshFile({ { both.Vertices, { { 0, 1, 2 } } } })));
    intro.ClearMeshBuffers();
    intro.DrawMesh();
    EXPECT_EQ(CountNonZero(intro.ShadeBuffer), 0);
    EXPECT_TRUE(std::all_of(intro.DepthBuffer.begin(), intro.DepthBuffer.end(),
        [](std::int32_t d) { return d == -2147483647; }));
}

TEST(IntroMesh, BrightnessWrapsAroundTheGradient)
{
    // The factor 12000 / |e1 × e2| grows as the stored face shrinks; this one is far past 255.
    TIntro intro(1);
    ASSERT_TRUE(intro.LoadMesh(MeshFile({ Triangle(0.1f) })));
    intro.RX = intro.RY = intro.RZ = 0;
    for (std::size_t i = 0; i < 256; ++i)
        intro.Gradient[i] = std::uint8_t(i ^ 0xA5);
    intro.ProjectMesh();
    const TProjectedFace face = intro.ProjectFace(0);
    ASSERT_TRUE(face.Visible);
    ASSERT_GT(face.Brightness, 255);
    intro.ClearMeshBuffers();
    intro.DrawMesh();
    const std::uint8_t shade = intro.Gradient[std::size_t(face.Brightness % 256)];
    EXPECT_GT(CountNonZero(intro.ShadeBuffer), 10000);
    for (std::uint8_t s : intro.ShadeBuffer)
        ASSERT_TRUE(s == 0 || s == shade);
}

TEST(IntroMesh, FillRuleAndDepthTest)
{
    TIntro intro(1);
    // Rows from the top corner down to the last before the lowest corner; a flat bottom edge is
    // drawn as well. Spans run from the left edge up to, not including, the right one.
    intro.FillTriangle({ { { 10, 10, 0 }, { 10, 20, 0 }, { 20, 20, 0 } } }, 9);
    EXPECT_EQ(CountNonZero(intro.ShadeBuffer), 55);
    for (int y = 10; y <= 20; ++y)
        for (int x = 0; x < IntroWidth; ++x) {
            const bool inside = x >= 10 && x < 10 + (y - 10);
            ASSERT_EQ(intro.ShadeBuffer[At(260 - y, x)] != 0, inside) << x << ", " << y;
        }

    // Larger depth is nearer and wins, whichever triangle comes first.
    const std::array<TIntroCorner, 3> far
        = { { { 0, 50, -900000 }, { 0, 150, -900000 }, { 200, 150, -900000 } } };
    const std::array<TIntroCorner, 3> near
        = { { { 0, 50, -400000 }, { 0, 150, -400000 }, { 200, 150, -400000 } } };
    for (bool nearFirst : { false, true }) {
        intro.ClearMeshBuffers();
        intro.FillTriangle(nearFirst ? near : far, nearFirst ? 200 : 100);
        intro.FillTriangle(nearFirst ? far : near, nearFirst ? 100 : 200);
        EXPECT_EQ(intro.ShadeBuffer[At(260 - 140, 50)], 200);
        EXPECT_EQ(intro.DepthBuffer[At(260 - 140, 50)], -400000);
    }
}

TEST(IntroMesh, WildTrianglesAndMeshesStayInsideTheBuffers)
{
    TIntro intro = BareIntro();
    // Two triangles reaching far outside the frame cover every pixel of it exactly.
    const int far = 1 << 24;
    intro.FillTriangle({ { { -far, -far, 0 }, { -far, far, 0 }, { far, far, 0 } } }, 1);
    intro.FillTriangle({ { { -far, -far, 0 }, { far, far, 0 }, { far, -far, 0 } } }, 1);
    EXPECT_EQ(CountNonZero(intro.ShadeBuffer), IntroPixels);
    intro.ClearMeshBuffers();
    intro.FillTriangle(
        { { { -5000, 100, std::numeric_limits<std::int32_t>::min() },
            { 3000, 9000, std::numeric_limits<std::int32_t>::max() }, { 400, -7000, 0 } } },
        1);
    EXPECT_GT(CountNonZero(intro.ShadeBuffer), 0);

    // A cube whose corners come close to the camera projects far past the frame's edges; its
    // spans are cut at the edges, not dropped.
    const float big = 1e30f, inf = std::numeric_limits<float>::infinity();
    const float nan = std::numeric_limits<float>::quiet_NaN();
    TTestGroup cube;
    for (int i = 0; i < 8; ++i)
        cube.Vertices.push_back({ i & 1 ? big : -big, i & 2 ? big : -big, i & 4 ? big : -big });
    const std::uint16_t quads[6][4] = { { 0, 1, 3, 2 }, { 4, 6, 7, 5 }, { 0, 4, 5, 1 },
        { 2, 3, 7, 6 }, { 0, 2, 6, 4 }, { 1, 5, 7, 3 } };
    for (const auto& q : quads) {
        cube.Faces.push_back({ q[0], q[1], q[2] });
        cube.Faces.push_back({ q[0], q[2], q[3] });
        cube.Faces.push_back({ q[0], q[2], q[1] }); // and from the other side
    }
    ASSERT_TRUE(intro.LoadMesh(MeshFile({ cube })));
    bool edges = false;
    for (int angle = 0; angle < IntroAngleSteps; angle += 37) {
        intro.RX = angle;
        intro.RY = (angle * 7) % IntroAngleSteps;
        intro.RZ = (angle * 3) % IntroAngleSteps;
        intro.ClearMeshBuffers();
        intro.DrawMesh();
        edges = edges || (intro.ShadeBuffer[At(130, 0)] && intro.ShadeBuffer[At(130, 379)]);
    }
    EXPECT_TRUE(edges);

    // Coordinates that overflow the bounding box, infinities, NaN and faces without area.
    const std::vector<TTestGroup> hostile = {
        { { { -3e38f, 0, 0 }, { 3e38f, 1, 0 }, { 0, 3e38f, -3e38f } },
            { { 0, 1, 2 }, { 0, 2, 1 } } },
        { { { inf, 0, 0 }, { 0, -inf, 0 }, { 0, 0, nan } }, { { 0, 1, 2 }, { 0, 2, 1 } } },
        { { { 1, 1, 1 }, { 1, 1, 1 }, { 1, 1, 1 } }, { { 0, 1, 2 }, { 2, 1, 0 } } },
        { { { 0, 0, 0 }, { 1e-40f, 0, 0 }, { 0, 1e-40f, 0 } }, { { 0, 1, 2 }, { 0, 2, 1 } } },
    };
    for (const TTestGroup& g : hostile) {
        ASSERT_TRUE(intro.LoadMesh(MeshFile({ g })));
        for (int angle = 0; angle < IntroAngleSteps; angle += 101) {
            intro.RX = intro.RY = intro.RZ = angle;
            intro.ClearMeshBuffers();
            intro.DrawMesh();
        }
    }
    EXPECT_EQ(intro.ShadeBuffer.size(), std::size_t(IntroPixels));
}

TEST(IntroText, ACharacterOutsideTheAlphabetIsTheBlankGlyph)
{
    TIntro intro = LoadedIntro();
    const std::vector<std::uint8_t> codes = ConvertText("A\x01"
                                                        "B");
    ASSERT_EQ(codes[1], 1);
    const int a = intro.Glyphs[codes[0] - 1u].Width, b = intro.Glyphs[codes[2] - 1u].Width;
    EXPECT_EQ(intro.TextWidth(codes), a + 6 + b);
    std::fill(intro.FrontMask.begin(), intro.FrontMask.end(), 77);
    intro.DrawTextLine(100, 10, codes);
    // The blank's columns are copied too: they clear whatever was there.
    for (int r = 10; r < 30; ++r)
        for (int x = 100 + a; x < 100 + a + 6; ++x)
            ASSERT_EQ(intro.FrontMask[At(r, x)], 0) << x << ", " << r;
    EXPECT_EQ(intro.FrontMask[At(9, 100 + a)], 77);
    EXPECT_EQ(intro.FrontMask[At(30, 100 + a)], 77);
}

TEST(IntroText, GlyphsAtTheFrameEdges)
{
    TIntro intro = LoadedIntro();
    const int g = int(IntroAlphabet.find('W'));
    const TGlyphEntry glyph = intro.Glyphs[std::size_t(g)];
    const int w = glyph.Width;
    auto strip = [&](int r, int column) {
        return intro.FontStrip[std::size_t(r) * GlyphStripWidth + std::size_t(column)];
    };
    auto reset = [&] { std::fill(intro.FrontMask.begin(), intro.FrontMask.end(), 77); };

    // Partly left of the frame: drawn from its first visible column.
    reset();
    EXPECT_EQ(intro.DrawGlyph(-3, 10, g), w);
    for (int r = 0; r < GlyphStripHeight; ++r) {
        for (int x = 0; x < w - 3; ++x)
            ASSERT_EQ(intro.FrontMask[At(10 + r, x)], strip(r, glyph.First + 3 + x));
        ASSERT_EQ(intro.FrontMask[At(10 + r, w - 3)], 77);
    }
    // Wholly outside: nothing drawn, the pen still advances.
    reset();
    EXPECT_EQ(intro.DrawGlyph(-w, 10, g), w);
    EXPECT_EQ(intro.DrawGlyph(IntroWidth, 10, g), w);
    intro.DrawTextLine(-intro.TextWidth(ScrollText()), 10, ScrollText());
    EXPECT_TRUE(std::all_of(
        intro.FrontMask.begin(), intro.FrontMask.end(), [](std::uint8_t m) { return m == 77; }));
    // Partly right of the frame: cut at its edge, nothing spills into the next row.
    EXPECT_EQ(intro.DrawGlyph(IntroWidth - 2, 10, g), w);
    EXPECT_EQ(intro.FrontMask[At(10, 378)], strip(0, glyph.First));
    EXPECT_EQ(intro.FrontMask[At(11, 0)], 77);
    // Rows above the frame are cut off; unknown glyphs draw nothing and do not advance.
    EXPECT_EQ(intro.DrawGlyph(10, IntroHeight - 5, g), w);
    EXPECT_EQ(intro.FrontMask[At(IntroHeight - 1, 10)], strip(4, glyph.First));
    EXPECT_EQ(intro.DrawGlyph(10, 10, 256), 0);
    EXPECT_EQ(intro.DrawGlyph(10, 10, -1), 0);
}

TEST(IntroAnimation, ZoomTurnsAtTheFirstValueOutsideItsRange)
{
    TIntro intro = LoadedIntro();
    int low = intro.Z, high = intro.Z;
    for (int i = 0; i < 2000; ++i) {
        const int before = intro.ZS;
        intro.AdvanceAnimation();
        low = std::min(low, intro.Z);
        high = std::max(high, intro.Z);
        const bool outside = intro.Z < 140 || intro.Z > 300;
        ASSERT_EQ(intro.ZS != before, outside) << "Z " << intro.Z;
    }
    EXPECT_EQ(low, 139);
    EXPECT_EQ(high, 301);
}

TEST(IntroAnimation, ScrollRestartsOnTheFirstFrameItPassesThePeriod)
{
    TIntro intro = LoadedIntro();
    intro.S = intro.P - 2;
    intro.AdvanceAnimation();
    EXPECT_EQ(intro.S, intro.P);
    intro.AdvanceAnimation();
    EXPECT_EQ(intro.S, 0);
    intro.S = intro.P - 1;
    intro.AdvanceAnimation();
    EXPECT_EQ(intro.S, 0);
}

TEST(IntroAnimation, BackgroundSpeedTurnsAtRandomBounds)
{
    std::vector<int> bounds(15, 0);
    for (std::uint32_t seed = 1; seed <= 20; ++seed) {
        TIntro intro = LoadedIntro(seed);
        int reversals = 0;
        for (int i = 0; i < 3000; ++i) {
            const int aa = intro.AA, lim = intro.LIM;
            intro.AdvanceAnimation();
            ASSERT_TRUE(intro.A >= 0 && intro.A < IntroAngleSteps);
            ASSERT_TRUE(intro.LIM >= 10 && intro.LIM <= 14);
            // The speed turns on the first step it passes its bound, and only then.
            const bool passed = intro.AS > lim || intro.AS < -lim;
            ASSERT_EQ(intro.AA == -aa, passed);
            ASSERT_EQ(intro.LIM != lim, passed && intro.LIM != lim);
            ASSERT_LT(std::abs(intro.AS), 20); // it may overshoot a freshly lowered bound a little
            reversals += passed;
            ++bounds[std::size_t(intro.LIM)];
        }
        EXPECT_GT(reversals, 3) << "seed " << seed;
    }
    // Every bound from 10 to 14 is drawn.
    EXPECT_EQ(std::count_if(bounds.begin(), bounds.end(), [](int n) { return n > 0; }), 5);
}

TEST(IntroBackground, TheFrameCentreShowsTheTileAtUV)
{
    TIntro intro(1);
    for (std::size_t i = 0; i < intro.Tile.size(); ++i)
        intro.Tile[i] = std::uint32_t(i);
    intro.U = 0x12F0;
    intro.V = 0xFE10;
    // At one texel per pixel and no turn, rows step through v and columns through u.
    intro.A = 0;
    intro.Z = 256;
    intro.DrawBackground();
    for (const auto& [row, column] :
        { std::pair { 130, 189 }, { 0, 0 }, { 259, 379 }, { 7, 300 } }) {
        const int u = (0x12 + column - 189) & 255, v = (0xFE + row - 130) & 255;
        EXPECT_EQ(intro.FrameBuffer[At(row, column)], std::uint32_t(u * 256 + v))
            << row << ", " << column;
    }
    for (int a : { 300, 512, 1024, 1536, 2047 })
        for (int z : { 139, 255, 301 }) {
            intro.A = a;
            intro.Z = z;
            intro.DrawBackground();
            EXPECT_EQ(intro.FrameBuffer[At(130, 189)], 0x12FEu) << a << ", " << z;
        }
}

TEST(IntroCompose, EdgeFadeTurnsOverflowingBytesTransparent)
{
    TIntro intro(1);
    std::fill(intro.FrontMask.begin(), intro.FrontMask.end(), 0);
    intro.FrontMask[At(8, 1)] = 15; // fade 240
    intro.FrontMask[At(8, 2)] = 31; // fade 225
    intro.FrontMask[At(20, 0)] = 1; // fade 255
    intro.FrontMask[At(32, 364)] = 200; // fade 0
    intro.FrontMask[At(32, 379)] = 30; // fade 225
    intro.FrontMask[At(32, 378)] = 46; // fade 210
    intro.FrontMask[At(33, 1)] = 100; // outside the faded rows
    intro.FadeEdges();
    EXPECT_EQ(intro.FrontMask[At(8, 1)], 255);
    EXPECT_EQ(intro.FrontMask[At(8, 2)], 0);
    EXPECT_EQ(intro.FrontMask[At(20, 0)], 0);
    EXPECT_EQ(intro.FrontMask[At(32, 364)], 200);
    EXPECT_EQ(intro.FrontMask[At(32, 379)], 255);
    EXPECT_EQ(intro.FrontMask[At(32, 378)], 0);
    EXPECT_EQ(intro.FrontMask[At(33, 1)], 100);
    EXPECT_EQ(CountNonZero(intro.FrontMask), 4); // transparent bytes stay transparent
}

TEST(IntroCompose, InkTurnsIvoryWithAShadowAndTheMeshGlows)
{
    TIntro intro(1);
    const std::uint32_t grey = 0x646464; // 100, 100, 100
    std::fill(intro.FrameBuffer.begin(), intro.FrameBuffer.end(), grey);
    std::fill(intro.FrontMask.begin(), intro.FrontMask.end(), 0);
    intro.ClearMeshBuffers();
    intro.FrontMask[At(100, 100)] = 1; // strongest ink
    intro.FrontMask[At(100, 200)] = 255; // faintest
    intro.FrontMask[At(2, 50)] = 1; // in the bottom rows, which are left alone
    intro.ShadeBuffer[At(150, 150)] = 255;
    intro.ShadeMesh();
    intro.DrawForeground();
    // Ivory is red 255, green 250, blue 224; (c × m + target × (255 - m)) div 256 per channel.
    EXPECT_EQ(intro.FrameBuffer[At(100, 100)], 0xFDF8DEu);
    EXPECT_EQ(intro.FrameBuffer[At(98, 102)], 0x252525u); // darkened by (255 - 1) div 4
    EXPECT_EQ(intro.FrameBuffer[At(100, 200)], 0x636363u);
    EXPECT_EQ(intro.FrameBuffer[At(98, 202)], grey);
    EXPECT_EQ(intro.FrameBuffer[At(2, 50)], grey);
    EXPECT_EQ(intro.FrameBuffer[At(0, 52)], grey);
    // The mesh colour is red 250, green 238, blue 208.
    EXPECT_EQ(intro.FrameBuffer[At(150, 150)], 0xF9EDCFu);
    const int changed = int(std::count_if(intro.FrameBuffer.begin(), intro.FrameBuffer.end(),
        [&](std::uint32_t p) { return p != grey; }));
    EXPECT_EQ(changed, 4);
}

TEST(IntroFrame, AFixedSeedRepeatsEveryFrame)
{
    TIntro first = LoadedIntro(5), second = LoadedIntro(5), other = LoadedIntro(6);
    bool differs = false;
    for (int f = 0; f < 1500; ++f) {
        first.IntroFrame();
        second.IntroFrame();
        other.IntroFrame();
        if (f % 50 == 0) {
            ASSERT_EQ(first.FrameBuffer, second.FrameBuffer) << "frame " << f;
        }
        differs = differs || other.A != first.A;
    }
    EXPECT_EQ(first.FrameBuffer, second.FrameBuffer);
    EXPECT_TRUE(differs);
    // A frame shows the mesh on a good part of the stage and the title in ivory.
    const int mesh = CountNonZero(first.ShadeBuffer);
    EXPECT_GT(mesh, IntroPixels / 20);
    EXPECT_LT(mesh, IntroPixels / 2);
    const int ivory
        = int(std::count(first.FrameBuffer.begin(), first.FrameBuffer.end(), 0xFDF8DEu));
    EXPECT_GT(ivory, 1000);
}

} // namespace
