// The "intro" group: builds the intro's five resources and, on request, their previews.
#include "IntroGroup.h"

#include <QPainter>

#include "IntroBackground.h"
#include "IntroFont.h"
#include "IntroGlyphs.h"
#include "IntroMesh.h"
#include "IntroPreview.h"
#include "IntroTitle.h"
#include "Previews.h"

namespace {

void PreviewBackground(const GeneratorContext& context, const std::vector<std::uint8_t>& tile)
{
    const QImage image = BackgroundTileImage(tile);
    SavePreviewImage(context, "intro-background", image);
    QImage tiled(image.width() * 2, image.height() * 2, QImage::Format_RGB32);
    QPainter p(&tiled);
    p.drawTiledPixmap(tiled.rect(), QPixmap::fromImage(image));
    p.end();
    SavePreviewImage(context, "intro-background-2x2", tiled);
}

void PreviewFontStrip(const GeneratorContext& context, const std::vector<std::uint8_t>& strip)
{
    // The strip cut into lines, enlarged, so that every glyph can be inspected.
    const QImage image = FontStripImage(strip);
    constexpr int Lines = 5, Scale = 3;
    const int lineWidth = (GlyphStripWidth + Lines - 1) / Lines;
    QImage sheet(lineWidth * Scale, Lines * (GlyphStripHeight + 4) * Scale, QImage::Format_RGB32);
    sheet.fill(QColor(200, 210, 230));
    QPainter p(&sheet);
    for (int line = 0; line < Lines; ++line)
        p.drawImage(QPoint(0, line * (GlyphStripHeight + 4) * Scale),
            Magnified(image.copy(line * lineWidth, 0, lineWidth, GlyphStripHeight), Scale));
    p.end();
    SavePreviewImage(context, "intro-font", sheet);
}

void PreviewIntro(const GeneratorContext& context, const TIntroData& data)
{
    SavePreviewImage(context, "intro-title-ink", InkImage(data.Title, IntroWidth, IntroHeight));
    SavePreviewImage(context, "intro-title", RenderIntroFrame(data, 0, false));
    // Frames spread over a turn of the mesh (683 frames), the text at different places.
    const int frames[] = { 0, 60, 130, 200, 300, 420, 560 };
    QImage sheet(IntroWidth * 2 + 10, (IntroHeight + 10) * 4 - 10, QImage::Format_RGB32);
    sheet.fill(QColor(60, 60, 60));
    QPainter p(&sheet);
    for (int i = 0; i < 7; ++i) {
        const QImage frame = RenderIntroFrame(data, frames[i]);
        SavePreviewImage(
            context, QString("intro-frame-%1").arg(frames[i], 3, 10, QChar('0')), frame);
        p.drawImage(QPoint((i % 2) * (IntroWidth + 10), (i / 2) * (IntroHeight + 10)), frame);
    }
    p.end();
    SavePreviewImage(context, "intro-frames", sheet);
    for (int angle : { 0, 256, 512, 768, 1024, 1536 })
        SavePreviewImage(context, QString("intro-mesh-%1").arg(angle, 4, 10, QChar('0')),
            RenderMeshView(data, angle, 2));
}

} // namespace

std::vector<GeneratedResource> GenerateIntro(const GeneratorContext& context)
{
    TIntroData data;
    data.Tile = MakeBackgroundTile();
    data.Strip = MakeIntroFontStrip();
    data.Title = MakeTitlePicture();
    data.Gradient = MakeIntroGradient();
    data.Mesh = MakeIntroMesh();
    if (!context.PreviewDir.empty()) {
        PreviewBackground(context, data.Tile);
        PreviewFontStrip(context, data.Strip);
        PreviewIntro(context, data);
    }
    std::vector<GeneratedResource> out;
    out.push_back({ "INTRO_BACKFON", data.Tile });
    out.push_back({ "INTRO_FONTIM", data.Strip });
    out.push_back({ "INTRO_FRONTIM", data.Title });
    out.push_back({ "INTRO_3DMESH", SerializeMesh(data.Mesh) });
    out.push_back({ "INTRO_GRAD", data.Gradient });
    return out;
}
