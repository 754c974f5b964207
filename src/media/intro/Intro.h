// The About window's intro, drawn entirely in software: a turning and zooming tiled background, a
// flat-shaded mesh with a depth buffer, a line of text scrolling along the bottom edge and the
// ivory title with its drop shadow, composed into a 380 × 260 bottom-up 32-bit frame. Qt-free;
// used by the About window, corvana-cli intro, corvana-gen's previews, the benchmark and the tests.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <random>
#include <span>
#include <string>
#include <vector>

#include "IntroGlyphs.h"

inline constexpr int IntroWidth = 380;
inline constexpr int IntroHeight = 260;
inline constexpr int IntroPixels = IntroWidth * IntroHeight;
inline constexpr int IntroTileSize = 256; // the background tile is square
inline constexpr int IntroAngleSteps = 2048; // angles index the sine tables: 2048 steps a turn
inline constexpr int IntroStartRX = 1536; // the mesh's rotation when the window opens
inline constexpr int IntroStartRY = 100;

// (a × b) div 256 at a × 256 + b: the blends multiply bytes by looking them up.
extern const std::array<std::uint8_t, 65536> MulTable;

// The intro's greeting as glyph codes, converted once for the life of the program.
const std::vector<std::uint8_t>& ScrollText();

// The five resources of the intro as unpacked, before LoadIntro prepares them.
struct TIntroResources {
    std::vector<std::uint32_t> Tile; // INTRO_BACKFON: 256 × 256 pixels, row × 256 + column
    std::vector<std::uint8_t> FontStrip; // INTRO_FONTIM: 2820 × 20 bytes, 255 blank
    std::vector<std::uint8_t> FrontImage; // INTRO_FRONTIM: 380 × 260 bytes, 255 transparent
    std::vector<std::uint8_t> Mesh; // INTRO_3DMESH, the file as stored
    std::vector<std::uint8_t> Gradient; // INTRO_GRAD: 256 bytes
};

// A triangle corner in frame coordinates: column, row counted from the top (the buffers' memory
// row is 260 − Y), and depth in 16.16 fixed point, larger nearer.
struct TIntroCorner {
    int X = 0;
    int Y = 0;
    std::int32_t D = 0;
};

// A mesh face as the current rotation shows it.
struct TProjectedFace {
    bool Visible = false; // turned towards the viewer (and projected to finite numbers)
    float M = 0; // twice its signed screen area; only faces with M > 0 are drawn
    std::int64_t Brightness = 0; // M × the face's factor, rounded; the gradient wraps it at 256
    std::array<TIntroCorner, 3> Corners {};
};

class TIntro {
public:
    // seed: the random source of the background's speed bounds, so a run can be repeated.
    explicit TIntro(std::uint32_t seed);

    // Prepares the resources (gradient, glyph table, masks, mesh) and starts the animation afresh,
    // all but the scroll position S, which continues across showings. Refused data (pieces of
    // the wrong size: SizeMismatch, a damaged mesh) leaves the intro as it was.
    Status LoadIntro(const TIntroResources& resources);
    // Reads a mesh file, works out each face's brightness factor and centres and scales the mesh
    // so that its largest extent spans 6 units. A file that contradicts itself is Damaged.
    Status LoadMesh(std::span<const std::uint8_t> file);

    // The text that scrolls along the bottom, as glyph codes (ConvertText): the greeting until
    // another one is given (a translation of it). Call before LoadIntro, whose period follows it.
    void SetScrollText(std::vector<std::uint8_t> codes) { Text = std::move(codes); }
    const std::vector<std::uint8_t>& Scrolled() const { return Text; }

    // Advances the animation by one step and composes FrameBuffer.
    void IntroFrame();

    // The pieces of a frame, for previews and tests; IntroFrame runs them in this order.
    void DrawBackground(); // with the current A, Z, U and V
    void AdvanceAnimation();
    void ClearMeshBuffers();
    void DrawMesh(); // with the current RX, RY and RZ
    void FadeEdges();
    void ShadeMesh();
    void DrawForeground();

    // Transforms every vertex for the current rotation; ProjectFace then reads the result.
    void ProjectMesh();
    TProjectedFace ProjectFace(std::size_t face) const;
    std::size_t FaceCount() const { return Faces.size(); }
    std::size_t VertexCount() const { return VertexX.size(); }
    // Fills a triangle into DepthBuffer and ShadeBuffer, clipped to the frame.
    void FillTriangle(const std::array<TIntroCorner, 3>& corners, std::uint8_t shade);

    // Text into FrontMask; y is a memory row, x a column (either may lie outside the frame).
    int TextWidth(std::span<const std::uint8_t> codes) const;
    void DrawTextLine(int x, int y, std::span<const std::uint8_t> codes);
    int DrawGlyph(int x, int y, int g);

    // Buffers, bottom-up, IntroWidth × IntroHeight.
    std::vector<std::uint32_t> FrameBuffer;
    std::vector<std::uint8_t> FrontMask; // 0 transparent, 1..255 ink weight (1 strongest)
    std::vector<std::uint8_t> ShadeBuffer; // 0 no mesh, otherwise the nearest face's shade
    std::vector<std::int32_t> DepthBuffer; // larger is nearer

    std::vector<std::uint32_t> Tile;
    std::vector<std::uint8_t> FontStrip; // 0 transparent, as FrontMask
    std::array<std::uint8_t, 256> Gradient {};
    TGlyphTable Glyphs {};

    // Animation state.
    int A = 0; // background rotation
    int AS = 1; // its speed, index steps per frame
    int AA = 1; // the change applied to AS
    int LIM = 10; // the bound of AS
    int Z = 255; // background zoom, texels per pixel × 256
    int ZS = -1;
    int U = 0; // background position, texels × 256; only the low 16 bits matter
    int V = 0;
    int RX = IntroStartRX;
    int RY = IntroStartRY;
    int RZ = 0;
    int S = 0; // scroll position in pixels
    int P = 0; // scroll period

private:
    int RandomLim();

    struct TFace {
        std::uint16_t A, B, C;
        float K; // brightness factor
    };
    // The mesh, centred and scaled, and each vertex as the last ProjectMesh left it.
    std::vector<float> VertexX, VertexY, VertexZ;
    std::vector<float> ScreenX, ScreenY, Depth;
    std::vector<TFace> Faces;

    std::minstd_rand Random;
    std::vector<std::uint8_t> Text = ScrollText();
};
