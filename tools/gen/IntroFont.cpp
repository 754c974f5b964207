// The intro's glyph strip. Each glyph is rendered alone, trimmed to its ink columns, and placed
// after a single blank column, which is how the renderer's scan tells glyphs apart.
#include "IntroFont.h"

#include <QPainter>
#include <algorithm>

#include "DejaVuFonts.h"
#include "GeneratorError.h"
#include "IntroGlyphs.h"
#include "IntroText.h"

namespace {

constexpr int CanvasWidth = 96;
constexpr int CanvasHeight = 64;
constexpr int CanvasBaseline = 44;
constexpr int CanvasPen = 24;

// The byte that marks a column as part of a glyph without showing anything: after the renderer
// adds 1 it is the weakest possible ink (255), which neither tints nor casts a shadow.
constexpr std::uint8_t SilentInk = 254;

// Coverage (0..255) of one character drawn on a tall canvas, baseline at CanvasBaseline.
QImage RenderCoverage(const QFont& font, char32_t c)
{
    QImage canvas(CanvasWidth, CanvasHeight, QImage::Format_ARGB32_Premultiplied);
    canvas.fill(Qt::transparent);
    QPainter p(&canvas);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.setFont(font);
    p.setPen(Qt::white);
    p.drawText(QPointF(CanvasPen, CanvasBaseline), QString::fromUcs4(&c, 1));
    p.end();
    QImage coverage(CanvasWidth, CanvasHeight, QImage::Format_Grayscale8);
    for (int y = 0; y < CanvasHeight; ++y) {
        const QRgb* src = reinterpret_cast<const QRgb*>(canvas.constScanLine(y));
        uchar* dst = coverage.scanLine(y);
        for (int x = 0; x < CanvasWidth; ++x)
            dst[x] = uchar(qAlpha(src[x]));
    }
    return coverage;
}

struct TInkBox {
    int Left = CanvasWidth, Right = -1, Top = CanvasHeight, Bottom = -1;
    void Add(int x, int y)
    {
        Left = std::min(Left, x);
        Right = std::max(Right, x);
        Top = std::min(Top, y);
        Bottom = std::max(Bottom, y);
    }
    bool Empty() const { return Right < 0; }
};

TInkBox InkBox(const QImage& coverage)
{
    TInkBox box;
    for (int y = 0; y < coverage.height(); ++y) {
        const uchar* row = coverage.constScanLine(y);
        for (int x = 0; x < coverage.width(); ++x)
            if (row[x])
                box.Add(x, y);
    }
    return box;
}

struct TGlyphPicture {
    QImage Coverage;
    TInkBox Box;
};

// All 147 glyphs at one pixel size, and the rows their ink spans together.
std::vector<TGlyphPicture> RenderAll(int pixelSize, TInkBox& together)
{
    const QFont font = HintedDejaVuFont(DejaVuFace::SansBold, int(pixelSize));
    std::vector<TGlyphPicture> glyphs;
    together = TInkBox();
    for (std::size_t g = 1; g < IntroAlphabetSize; ++g) {
        TGlyphPicture glyph;
        glyph.Coverage = RenderCoverage(font, IntroAlphabetUnicode[g]);
        glyph.Box = InkBox(glyph.Coverage);
        if (glyph.Box.Empty() || glyph.Box.Left == 0 || glyph.Box.Right == CanvasWidth - 1)
            throw TGeneratorError("glyph " + std::to_string(g) + " does not fit its canvas");
        together.Add(glyph.Box.Left, glyph.Box.Top);
        together.Add(glyph.Box.Right, glyph.Box.Bottom);
        glyphs.push_back(glyph);
    }
    return glyphs;
}

} // namespace

std::vector<std::uint8_t> MakeIntroFontStrip()
{
    // The largest size whose accents, descenders and brackets all fit the strip's rows.
    std::vector<TGlyphPicture> glyphs;
    TInkBox together;
    int pixelSize = 24;
    for (;; --pixelSize) {
        if (pixelSize < 8)
            throw TGeneratorError("no font size fits the glyph strip");
        glyphs = RenderAll(pixelSize, together);
        if (together.Bottom - together.Top + 1 <= GlyphStripHeight)
            break;
    }
    const int topRow = together.Top - (GlyphStripHeight - (together.Bottom - together.Top + 1)) / 2;

    // Laid out top row first; flipped when stored.
    std::vector<std::uint8_t> rows(
        std::size_t(GlyphStripWidth) * GlyphStripHeight, GlyphStripBlank);
    auto at = [&](int column, int row) -> std::uint8_t& {
        return rows[std::size_t(row) * GlyphStripWidth + std::size_t(column)];
    };
    // The space is drawn from columns 0..5 (the renderer's fixed blank entry), so the first
    // glyph starts after them.
    int column = 7;
    for (const TGlyphPicture& glyph : glyphs) {
        const int width = glyph.Box.Right - glyph.Box.Left + 1;
        // One silent column after the ink spaces the letters a little wider than the single
        // blank column the renderer adds.
        if (column + width + 1 >= GlyphStripWidth - 1)
            throw TGeneratorError("the glyphs do not fit the strip's width");
        for (int x = 0; x < width; ++x) {
            bool inked = false;
            for (int y = 0; y < GlyphStripHeight; ++y) {
                const int coverage = glyph.Coverage.constScanLine(topRow + y)[glyph.Box.Left + x];
                if (coverage) {
                    at(column + x, y) = std::uint8_t(255 - coverage);
                    inked = true;
                }
            }
            // A gap inside a glyph (the two strokes of '"', the halves of 'ы') would end it.
            if (!inked)
                at(column + x, GlyphStripHeight / 2) = SilentInk;
        }
        at(column + width, GlyphStripHeight / 2) = SilentInk;
        column += width + 2;
    }

    std::vector<std::uint8_t> stored(rows.size());
    for (int y = 0; y < GlyphStripHeight; ++y)
        std::copy_n(&at(0, GlyphStripHeight - 1 - y), GlyphStripWidth,
            stored.begin() + std::ptrdiff_t(y) * GlyphStripWidth);
    return stored;
}

QImage FontStripImage(const std::vector<std::uint8_t>& strip)
{
    QImage image(GlyphStripWidth, GlyphStripHeight, QImage::Format_Grayscale8);
    for (int y = 0; y < GlyphStripHeight; ++y)
        std::copy_n(strip.begin() + std::ptrdiff_t(GlyphStripHeight - 1 - y) * GlyphStripWidth,
            GlyphStripWidth, image.scanLine(y));
    return image;
}
