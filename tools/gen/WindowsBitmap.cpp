// Windows bitmap files: writing palette pictures (with a median-cut palette) and reading them.
#include "WindowsBitmap.h"

#include <algorithm>
#include <map>

namespace {

void Put16(std::vector<std::uint8_t>& out, std::uint32_t v)
{
    out.push_back(std::uint8_t(v)), out.push_back(std::uint8_t(v >> 8));
}

void Put32(std::vector<std::uint8_t>& out, std::uint32_t v)
{
    Put16(out, v & 0xFFFF), Put16(out, v >> 16);
}

// Headers and palette of an uncompressed bottom-up bitmap.
std::vector<std::uint8_t> Header(
    int width, int height, int bits, const std::vector<std::uint32_t>& palette)
{
    const std::uint32_t stride = (std::uint32_t(width) * bits + 31) / 32 * 4;
    const std::uint32_t offset = 14 + 40 + 4 * std::uint32_t(palette.size());
    const std::uint32_t size = offset + stride * std::uint32_t(height);
    std::vector<std::uint8_t> out;
    out.reserve(size);
    out.push_back('B'), out.push_back('M');
    Put32(out, size), Put32(out, 0), Put32(out, offset);
    Put32(out, 40), Put32(out, std::uint32_t(width)), Put32(out, std::uint32_t(height));
    Put16(out, 1), Put16(out, std::uint32_t(bits));
    Put32(out, 0), Put32(out, stride * std::uint32_t(height));
    Put32(out, 2835), Put32(out, 2835); // 72 dots per inch
    Put32(out, std::uint32_t(palette.size())), Put32(out, 0);
    for (const std::uint32_t c : palette)
        Put32(out, c & 0xFFFFFF); // blue, green, red, 0
    return out;
}

int Channel(std::uint32_t c, int k) { return int((c >> (16 - 8 * k)) & 0xFF); }

// Median cut: split the box with the widest channel range at its median until there are
// `count` boxes; each box's colour is the mean of its pixels.
std::vector<std::uint32_t> MedianCut(std::vector<std::uint32_t> colours, std::size_t count)
{
    std::vector<std::vector<std::uint32_t>> boxes { std::move(colours) };
    const auto range = [](const std::vector<std::uint32_t>& box, int& channel) {
        int best = -1;
        for (int k = 0; k < 3; ++k) {
            int lo = 255, hi = 0;
            for (const std::uint32_t c : box)
                lo = std::min(lo, Channel(c, k)), hi = std::max(hi, Channel(c, k));
            if (hi - lo > best)
                best = hi - lo, channel = k;
        }
        return best;
    };
    while (boxes.size() < count) {
        std::size_t pick = boxes.size();
        int widest = 0, channel = 0;
        for (std::size_t i = 0; i < boxes.size(); ++i) {
            int k = 0;
            const int r = boxes[i].size() > 1 ? range(boxes[i], k) : 0;
            if (r > widest)
                widest = r, pick = i, channel = k;
        }
        if (pick == boxes.size())
            break;
        std::vector<std::uint32_t>& box = boxes[pick];
        std::stable_sort(box.begin(), box.end(), [&](std::uint32_t a, std::uint32_t b) {
            return Channel(a, channel) < Channel(b, channel);
        });
        std::vector<std::uint32_t> upper(box.begin() + std::ptrdiff_t(box.size() / 2), box.end());
        box.resize(box.size() / 2);
        boxes.push_back(std::move(upper));
    }
    std::vector<std::uint32_t> palette;
    for (const auto& box : boxes) {
        std::uint64_t sum[3] = { 0, 0, 0 };
        for (const std::uint32_t c : box)
            for (int k = 0; k < 3; ++k)
                sum[k] += std::uint64_t(Channel(c, k));
        const std::uint64_t n = box.size();
        palette.push_back(std::uint32_t((sum[0] + n / 2) / n) << 16
            | std::uint32_t((sum[1] + n / 2) / n) << 8 | std::uint32_t((sum[2] + n / 2) / n));
    }
    return palette;
}

std::uint32_t Read16(const std::vector<std::uint8_t>& f, std::size_t at)
{
    return f[at] | std::uint32_t(f[at + 1]) << 8;
}
std::uint32_t Read32(const std::vector<std::uint8_t>& f, std::size_t at)
{
    return Read16(f, at) | Read16(f, at + 2) << 16;
}

} // namespace

std::vector<std::uint8_t> EncodeBitmap8(const PixelImage& picture, std::uint32_t key)
{
    // Index 0 is the transparent colour; the others are the picture's own colours, or a
    // median-cut palette of them when there are too many.
    std::vector<std::uint32_t> colours;
    for (const std::uint32_t p : picture.Pixels)
        if (p != key)
            colours.push_back(p);
    std::vector<std::uint32_t> distinct = colours;
    std::sort(distinct.begin(), distinct.end());
    distinct.erase(std::unique(distinct.begin(), distinct.end()), distinct.end());
    std::vector<std::uint32_t> palette { key };
    const std::vector<std::uint32_t> own
        = distinct.size() <= 255 ? distinct : MedianCut(colours, 255);
    palette.insert(palette.end(), own.begin(), own.end());

    std::map<std::uint32_t, std::uint8_t> index;
    const auto nearest = [&](std::uint32_t c) {
        if (c == key)
            return std::uint8_t(0);
        auto it = index.find(c);
        if (it != index.end())
            return it->second;
        int best = 1, bestDistance = 1 << 30;
        for (int i = 1; i < int(palette.size()); ++i) {
            int d = 0;
            for (int k = 0; k < 3; ++k) {
                const int e = Channel(c, k) - Channel(palette[std::size_t(i)], k);
                d += e * e;
            }
            if (d < bestDistance)
                bestDistance = d, best = i;
        }
        return index[c] = std::uint8_t(best);
    };
    std::vector<std::uint8_t> out = Header(picture.Width, picture.Height, 8, palette);
    const int stride = (picture.Width + 3) / 4 * 4;
    for (int y = picture.Height - 1; y >= 0; --y)
        for (int x = 0; x < stride; ++x)
            out.push_back(x < picture.Width ? nearest(picture.At(x, y)) : 0);
    return out;
}

std::vector<std::uint8_t> EncodeBitmap1(int width, int height, const std::vector<bool>& ink)
{
    std::vector<std::uint8_t> out = Header(width, height, 1, { 0x000000, 0xFFFFFF });
    const int stride = (width + 31) / 32 * 4;
    for (int y = height - 1; y >= 0; --y)
        for (int b = 0; b < stride; ++b) {
            std::uint8_t byte = 0;
            for (int bit = 0; bit < 8; ++bit) {
                const int x = b * 8 + bit;
                // Index 1 (white) for paper and for the padding.
                const bool black = x < width && ink[std::size_t(y) * width + x];
                if (!black)
                    byte |= std::uint8_t(0x80 >> bit);
            }
            out.push_back(byte);
        }
    return out;
}

Result<DecodedBitmap> DecodeBitmap(const std::vector<std::uint8_t>& f)
{
    const auto unsupported = [](const char* why) { return Error { ErrorKind::Unsupported, why }; };
    const auto damaged = [](const char* why) { return Error { ErrorKind::Damaged, why }; };
    DecodedBitmap d;
    if (f.size() < 54 || f[0] != 'B' || f[1] != 'M')
        return Error { ErrorKind::NotOurs, "not a bitmap file" };
    d.FileSize = Read32(f, 2);
    const std::uint32_t offset = Read32(f, 10);
    if (Read32(f, 14) != 40)
        return unsupported("unsupported header");
    const std::int32_t width = std::int32_t(Read32(f, 18)), height = std::int32_t(Read32(f, 22));
    d.BitsPerPixel = int(Read16(f, 28));
    if (Read16(f, 26) != 1 || Read32(f, 30) != 0)
        return unsupported("compressed or multi-plane bitmaps are not supported");
    if (width <= 0 || height <= 0 || width > 4096 || height > 4096)
        return unsupported("unsupported dimensions");
    if (d.BitsPerPixel != 1 && d.BitsPerPixel != 4 && d.BitsPerPixel != 8)
        return unsupported("unsupported bit depth");
    d.Width = width, d.Height = height;
    const std::uint32_t used = Read32(f, 46);
    d.PaletteSize = int(used ? used : 1u << d.BitsPerPixel);
    if (d.PaletteSize > (1 << d.BitsPerPixel) || 54 + 4 * std::size_t(d.PaletteSize) > offset)
        return damaged("palette does not fit");
    const std::size_t stride = (std::size_t(width) * std::size_t(d.BitsPerPixel) + 31) / 32 * 4;
    if (offset + stride * std::size_t(height) > f.size())
        return damaged("pixel data truncated");
    d.Picture = PixelImage(width, height);
    for (int y = 0; y < height; ++y) {
        const std::size_t row = offset + stride * std::size_t(height - 1 - y);
        for (int x = 0; x < width; ++x) {
            const std::size_t bit = std::size_t(x) * std::size_t(d.BitsPerPixel);
            const int shift = 8 - d.BitsPerPixel - int(bit % 8);
            const int index = (f[row + bit / 8] >> shift) & ((1 << d.BitsPerPixel) - 1);
            if (index >= d.PaletteSize)
                return damaged("pixel outside the palette");
            d.Picture.At(x, y) = Read32(f, 54 + 4 * std::size_t(index)) & 0xFFFFFF;
        }
    }
    return d;
}
