// Glyph table scan of the intro's font strip.
#include "IntroGlyphs.h"

#include "IntroText.h"

namespace {

bool ColumnBlank(std::span<const std::uint8_t> strip, int column)
{
    for (int row = 0; row < GlyphStripHeight; ++row)
        if (strip[std::size_t(row) * GlyphStripWidth + std::size_t(column)] != GlyphStripBlank)
            return false;
    return true;
}

// First column at or after `from` whose blankness equals `blank`, or 0 when there is none.
int FindColumn(std::span<const std::uint8_t> strip, int from, bool blank)
{
    for (int c = from; c < GlyphStripWidth; ++c)
        if (ColumnBlank(strip, c) == blank)
            return c;
    return 0;
}

} // namespace

Result<TGlyphScan> ScanGlyphs(std::span<const std::uint8_t> strip)
{
    const std::size_t expected = std::size_t(GlyphStripWidth) * GlyphStripHeight;
    if (strip.size() != expected)
        return Error { ErrorKind::SizeMismatch,
            "glyph strip has " + std::to_string(strip.size()) + " bytes, expected "
                + std::to_string(expected) };
    TGlyphScan scan;
    scan.Table[0] = { 0, 6, 6 };
    int end = 0;
    bool searching = true;
    for (std::size_t g = 1; g <= IntroAlphabetSize; ++g) {
        const int first = FindColumn(strip, end + 1, false);
        end = FindColumn(strip, first + 1, true);
        scan.Table[g] = { first, end, end - first + 1 };
        // After a failed search the scan starts again near the left edge and meets the first
        // glyphs a second time; those repeats are not counted.
        searching = searching && first != 0 && end != 0;
        if (searching)
            ++scan.Found;
    }
    return scan;
}
