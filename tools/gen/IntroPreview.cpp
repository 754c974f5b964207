// Intro previews: the generated data loaded into the program's intro renderer.
#include "IntroPreview.h"

#include "GeneratorError.h"
#include "Intro.h"

namespace {

TIntro LoadedIntro(const TIntroData& data, bool mesh)
{
    TIntroResources r;
    // The tile's triplets are stored in the pixels' own byte order: blue, green, red.
    r.Tile.resize(data.Tile.size() / 3);
    for (std::size_t i = 0; i < r.Tile.size(); ++i)
        r.Tile[i] = std::uint32_t(data.Tile[3 * i]) | std::uint32_t(data.Tile[3 * i + 1]) << 8
            | std::uint32_t(data.Tile[3 * i + 2]) << 16;
    r.FontStrip = data.Strip;
    r.FrontImage = data.Title;
    r.Gradient = data.Gradient;
    r.Mesh = SerializeMesh(mesh ? data.Mesh : TMesh {});
    TIntro intro(1);
    if (const Status loaded = intro.LoadIntro(r); !loaded)
        throw TGeneratorError(
            "the intro renderer refuses the generated data: " + loaded.Failure().Message);
    return intro;
}

// A bottom-up buffer of the renderer as a picture, top row first.
template <typename Pixel> QImage TopDown(const std::vector<Pixel>& buffer, auto colour)
{
    QImage image(IntroWidth, IntroHeight, QImage::Format_RGB32);
    for (int y = 0; y < IntroHeight; ++y)
        for (int x = 0; x < IntroWidth; ++x)
            image.setPixel(x, y,
                colour(buffer[std::size_t(IntroHeight - 1 - y) * IntroWidth + std::size_t(x)]));
    return image;
}

} // namespace

QImage RenderIntroFrame(const TIntroData& data, int frame, bool mesh)
{
    TIntro intro = LoadedIntro(data, mesh);
    for (int i = 0; i <= frame; ++i)
        intro.IntroFrame();
    return TopDown(intro.FrameBuffer, [](std::uint32_t p) { return p | 0xFF000000u; });
}

QImage RenderMeshView(const TIntroData& data, int angleZ, int scale)
{
    TIntro intro = LoadedIntro(data, true);
    // A straight ramp instead of the intro's steep one, so that the faces can be told apart.
    for (std::size_t i = 0; i < intro.Gradient.size(); ++i)
        intro.Gradient[i] = std::uint8_t(i);
    intro.RZ = angleZ;
    intro.ClearMeshBuffers();
    intro.DrawMesh();
    const QImage image = TopDown(intro.ShadeBuffer, [](int s) {
        return s ? qRgb(40 + s * 215 / 255, 40 + s * 215 / 255, 40 + s * 200 / 255)
                 : qRgb(10, 12, 20);
    });
    return scale > 1
        ? image.scaled(image.size() * scale, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
        : image;
}
