// LZHUF decoding: the adaptive Huffman model, the bit reader and the match copy, tuned for the
// largest disc sheet, which is decoded while the user waits.
#include "Lzh32.h"

#include <algorithm>
#include <bit>
#include <cstring>
#include <memory>
#if defined(__SSE2__)
#include <emmintrin.h>
#endif

// clang-format off
const std::uint16_t LzhPositionUpper[256] = {
    0x000, 0x000, 0x000, 0x000, 0x000, 0x000, 0x000, 0x000,
    0x000, 0x000, 0x000, 0x000, 0x000, 0x000, 0x000, 0x000,
    0x000, 0x000, 0x000, 0x000, 0x000, 0x000, 0x000, 0x000,
    0x000, 0x000, 0x000, 0x000, 0x000, 0x000, 0x000, 0x000,
    0x040, 0x040, 0x040, 0x040, 0x040, 0x040, 0x040, 0x040,
    0x040, 0x040, 0x040, 0x040, 0x040, 0x040, 0x040, 0x040,
    0x080, 0x080, 0x080, 0x080, 0x080, 0x080, 0x080, 0x080,
    0x080, 0x080, 0x080, 0x080, 0x080, 0x080, 0x080, 0x080,
    0x0C0, 0x0C0, 0x0C0, 0x0C0, 0x0C0, 0x0C0, 0x0C0, 0x0C0,
    0x0C0, 0x0C0, 0x0C0, 0x0C0, 0x0C0, 0x0C0, 0x0C0, 0x0C0,
    0x100, 0x100, 0x100, 0x100, 0x100, 0x100, 0x100, 0x100,
    0x140, 0x140, 0x140, 0x140, 0x140, 0x140, 0x140, 0x140,
    0x180, 0x180, 0x180, 0x180, 0x180, 0x180, 0x180, 0x180,
    0x1C0, 0x1C0, 0x1C0, 0x1C0, 0x1C0, 0x1C0, 0x1C0, 0x1C0,
    0x200, 0x200, 0x200, 0x200, 0x200, 0x200, 0x200, 0x200,
    0x240, 0x240, 0x240, 0x240, 0x240, 0x240, 0x240, 0x240,
    0x280, 0x280, 0x280, 0x280, 0x280, 0x280, 0x280, 0x280,
    0x2C0, 0x2C0, 0x2C0, 0x2C0, 0x2C0, 0x2C0, 0x2C0, 0x2C0,
    0x300, 0x300, 0x300, 0x300, 0x340, 0x340, 0x340, 0x340,
    0x380, 0x380, 0x380, 0x380, 0x3C0, 0x3C0, 0x3C0, 0x3C0,
    0x400, 0x400, 0x400, 0x400, 0x440, 0x440, 0x440, 0x440,
    0x480, 0x480, 0x480, 0x480, 0x4C0, 0x4C0, 0x4C0, 0x4C0,
    0x500, 0x500, 0x500, 0x500, 0x540, 0x540, 0x540, 0x540,
    0x580, 0x580, 0x580, 0x580, 0x5C0, 0x5C0, 0x5C0, 0x5C0,
    0x600, 0x600, 0x640, 0x640, 0x680, 0x680, 0x6C0, 0x6C0,
    0x700, 0x700, 0x740, 0x740, 0x780, 0x780, 0x7C0, 0x7C0,
    0x800, 0x800, 0x840, 0x840, 0x880, 0x880, 0x8C0, 0x8C0,
    0x900, 0x900, 0x940, 0x940, 0x980, 0x980, 0x9C0, 0x9C0,
    0xA00, 0xA00, 0xA40, 0xA40, 0xA80, 0xA80, 0xAC0, 0xAC0,
    0xB00, 0xB00, 0xB40, 0xB40, 0xB80, 0xB80, 0xBC0, 0xBC0,
    0xC00, 0xC40, 0xC80, 0xCC0, 0xD00, 0xD40, 0xD80, 0xDC0,
    0xE00, 0xE40, 0xE80, 0xEC0, 0xF00, 0xF40, 0xF80, 0xFC0,
};

const std::uint8_t LzhPositionLength[256] = {
    3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3,
    3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3,
    4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4,
    4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4,
    4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4,
    5, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5,
    5, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5,
    5, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5,
    5, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5,
    6, 6, 6, 6, 6, 6, 6, 6, 6, 6, 6, 6, 6, 6, 6, 6,
    6, 6, 6, 6, 6, 6, 6, 6, 6, 6, 6, 6, 6, 6, 6, 6,
    6, 6, 6, 6, 6, 6, 6, 6, 6, 6, 6, 6, 6, 6, 6, 6,
    7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7,
    7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7,
    7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7,
    8, 8, 8, 8, 8, 8, 8, 8, 8, 8, 8, 8, 8, 8, 8, 8,
};
// clang-format on

namespace {

// The adaptive Huffman tree as published: nodes sorted by ascending count, siblings adjacent, a
// leaf marked by a child value of LzhT + symbol. One per decode call.
//
// What differs from the published program is how the same tree is kept, not what it holds:
// 32-bit entries (fewer instructions than 16-bit ones on the hot path), a table for the top of
// the tree, the update run along the path the decoder just walked, a vector search for the node
// to exchange with and a one-pass rebuild. The decoded bytes are the published decoder's, which
// the benchmark checks on every run.
struct HuffmanModel {
    // Counts of the nodes, then sentinels above every real count (LzhT and the vector search's
    // overrun), so the search for a node to exchange with always stops inside the table.
    static constexpr unsigned SentinelCount = 9;
    std::uint32_t Freq[LzhT + SentinelCount];
    std::uint32_t Son[LzhT];
    // Parent of each node, and of each leaf at LzhT + symbol; one spare slot takes the writes
    // meant for "the second child" of a leaf, which has none, so the exchange needs no branch.
    std::uint32_t Parent[LzhT + LzhNChar + 1];
    static constexpr unsigned SpareParent = LzhT + LzhNChar;

    // The decoder keeps the last MaxPath nodes of a walk: more than any code is long. A longer
    // walk is updated the published way.
    static constexpr unsigned MaxPath = 64;

    // The first TopBits levels of the tree as a table indexed by the next TopBits bits of the
    // stream: the first part of every symbol's walk is one lookup, which also gives the nodes
    // passed for the update. The top of the tree changes seldom (for under 1 % of the symbols of
    // a picture), and the table is rebuilt only then.
    static constexpr unsigned TopBits = 6;
    struct TopEntry {
        std::uint16_t Node; // a leaf (LzhT + symbol) or, after TopBits bits, a pair of children
        std::uint16_t Bits; // bits the entry consumes
        std::uint16_t Path[TopBits]; // the nodes passed, from below the root down
    };
    TopEntry Top[1u << TopBits];
    bool TopStale = true;
    // Every node within the table's levels counts at least this much. Counts only grow between
    // rebuilds, so an exchange of two nodes that count less cannot touch the table.
    unsigned TopMinFreq = 0;

    void Start()
    {
        for (unsigned i = 0; i < LzhNChar; ++i) {
            Freq[i] = 1;
            Son[i] = i + LzhT;
            Parent[i + LzhT] = i;
        }
        for (unsigned i = 0, j = LzhNChar; j <= LzhR; i += 2, ++j) {
            Freq[j] = Freq[i] + Freq[i + 1];
            Son[j] = i;
            Parent[i] = Parent[i + 1] = j;
        }
        for (unsigned i = LzhT; i < LzhT + SentinelCount; ++i)
            Freq[i] = 0xFFFF;
        Parent[LzhR] = 0;
        TopStale = true;
    }

    void BuildTop()
    {
        TopMinFreq = 0xFFFF;
        TopEntry e {};
        FillTop(Son[LzhR], 0, 0, e);
        TopStale = false;
    }

    // Fills the entries whose first depth bits are prefix, below the pair of children at pair; e
    // holds the nodes passed above it.
    void FillTop(unsigned pair, unsigned depth, unsigned prefix, TopEntry& e)
    {
        for (unsigned bit = 0; bit < 2; ++bit) {
            const unsigned node = pair + bit;
            TopMinFreq = std::min(TopMinFreq, Freq[node]);
            e.Path[depth] = std::uint16_t(node);
            const unsigned next = Son[node];
            const unsigned code = prefix << 1 | bit;
            if (next < LzhT && depth + 1 < TopBits) {
                FillTop(next, depth + 1, code, e);
                continue;
            }
            e.Node = std::uint16_t(next);
            e.Bits = std::uint16_t(depth + 1);
            const unsigned free = TopBits - (depth + 1);
            for (unsigned i = 0; i < (1u << free); ++i)
                Top[code << free | i] = e;
        }
    }

    // Halves every leaf count and rebuilds the internal nodes in sorted order, as the published
    // program does when the root's count reaches LzhMaxFreq. The published program inserts each
    // new sum after every node that counts no more; since the sums come out in ascending order,
    // that is a merge of the halved leaves with the sums, a leaf first on equal counts, done here
    // in one pass instead of shifting the table for every sum.
    void Rebuild()
    {
        std::uint32_t leafFreq[LzhNChar];
        std::uint32_t leafSon[LzhNChar];
        unsigned leaves = 0;
        for (unsigned i = 0; i < LzhT; ++i) {
            if (Son[i] >= LzhT) {
                leafFreq[leaves] = (Freq[i] + 1) / 2;
                leafSon[leaves] = Son[i];
                ++leaves;
            }
        }
        std::uint32_t sumFreq[LzhNChar];
        std::uint32_t sumSon[LzhNChar];
        unsigned sumsMade = 0, sumsUsed = 0, leavesUsed = 0;
        for (unsigned x = 0; x < LzhT; ++x) {
            const bool takeLeaf = leavesUsed < leaves
                && (sumsUsed == sumsMade || leafFreq[leavesUsed] <= sumFreq[sumsUsed]);
            if (takeLeaf) {
                Freq[x] = leafFreq[leavesUsed];
                Son[x] = leafSon[leavesUsed];
                ++leavesUsed;
            } else {
                Freq[x] = sumFreq[sumsUsed];
                Son[x] = sumSon[sumsUsed];
                ++sumsUsed;
            }
            // Nodes x - 1 and x are final: they become the children of the next sum.
            if (x % 2 == 1 && sumsMade < LzhT - LzhNChar) {
                sumFreq[sumsMade] = Freq[x - 1] + Freq[x];
                sumSon[sumsMade] = x - 1;
                ++sumsMade;
            }
        }
        for (unsigned i = 0; i < LzhT; ++i) {
            const unsigned k = Son[i];
            Parent[k] = i;
            if (k < LzhT)
                Parent[k + 1] = i;
        }
        TopStale = true;
    }

    // The last node after c that still counts k - 1. Counts are sorted, so those nodes follow c
    // directly; the sentinels end the search.
    unsigned LastEqual(unsigned c, unsigned k) const
    {
        unsigned l = c + 1;
#if defined(__SSE2__)
        const __m128i old = _mm_set1_epi32(int(k - 1));
        for (;;) {
            const __m128i next = _mm_loadu_si128(reinterpret_cast<const __m128i*>(&Freq[l + 1]));
            const unsigned equal = unsigned(_mm_movemask_epi8(_mm_cmpeq_epi32(next, old)));
            if (equal != 0xFFFF)
                return l + unsigned(std::countr_one(equal)) / 4;
            l += 4;
        }
#else
        while (k > Freq[l + 1])
            ++l;
        return l;
#endif
    }

    // Moves node c, whose count has just become k and now exceeds the next node's, past the
    // nodes that still count k - 1; returns where it ends up.
    unsigned Exchange(unsigned c, unsigned k)
    {
        if (k - 1 >= TopMinFreq)
            TopStale = true;
        const unsigned l = LastEqual(c, k);
        Freq[c] = Freq[l];
        Freq[l] = k;
        const unsigned i = Son[c];
        const unsigned j = Son[l];
        Parent[i] = l;
        Parent[i < LzhT ? i + 1 : SpareParent] = l;
        Parent[j] = c;
        Parent[j < LzhT ? j + 1 : SpareParent] = c;
        Son[l] = i;
        Son[c] = j;
        return l;
    }

    // The published update: count one more for every node from c up to the root, exchanging
    // nodes on the way so that the counts stay sorted.
    void UpdateFrom(unsigned c)
    {
        do {
            std::uint32_t* f = Freq + c;
            const unsigned k = *f + 1;
            *f = k;
            if (k > f[1]) [[unlikely]]
                c = Exchange(c, k);
            c = Parent[c];
        } while (c != 0);
    }

    // The same update for a symbol just decoded along path (the nodes from below the root down
    // to its leaf). Until something moves, the parents are the walked path itself, known without
    // following the parent links one load after the other.
    void Update(unsigned symbol, const std::uint16_t* path, unsigned depth)
    {
        if (Freq[LzhR] == LzhMaxFreq || depth > MaxPath) [[unlikely]] {
            if (Freq[LzhR] == LzhMaxFreq)
                Rebuild();
            UpdateFrom(Parent[symbol + LzhT]);
            return;
        }
        for (const std::uint16_t* p = path + depth; p != path;) {
            const unsigned c = *--p;
            std::uint32_t* f = Freq + c;
            const unsigned k = *f + 1;
            *f = k;
            if (k > f[1]) [[unlikely]] {
                UpdateFrom(Parent[Exchange(c, k)]);
                return;
            }
        }
        ++Freq[LzhR];
    }
};

// Reads the stream most significant bit first, with zero bits past its end. Position counts bits
// from the start of the input and may run past its end on a truncated stream.
class BitReader {
public:
    explicit BitReader(std::span<const std::uint8_t> input)
        : Data(input.data())
        , Size(input.size())
    {
    }

    // The next bits, most significant first; at least 57 of them are valid.
    std::uint64_t Peek() const
    {
        const std::uint64_t byte = Position >> 3;
        std::uint64_t word;
        if (byte + 8 <= Size) {
            std::memcpy(&word, Data + byte, 8);
            if constexpr (std::endian::native == std::endian::little)
                word = ByteSwap(word);
        } else {
            word = 0;
            for (std::uint64_t i = byte; i < byte + 8; ++i)
                word = (word << 8) | (i < Size ? Data[i] : 0u);
        }
        return word << (Position & 7);
    }

    void Skip(unsigned bits) { Position += bits; }
    std::uint64_t BitsRead() const { return Position; }

private:
    static std::uint64_t ByteSwap(std::uint64_t v) { return __builtin_bswap64(v); }

    const std::uint8_t* Data;
    std::uint64_t Size;
    std::uint64_t Position = 0;
};

// A symbol of the tree takes at most about 22 bits (the root's count stays below 2^15, and a leaf
// that deep needs a Fibonacci-sized count), and a position at most 14: one look at the stream
// usually serves both. Deeper codes cannot occur, but a window that runs short is refilled rather
// than trusted.
constexpr unsigned WindowBits = 57;
constexpr unsigned PositionBits = 14;

// The byte at offset back from the start of the output (1 .. LzhN), as the ring held it before
// anything was decoded: spaces, and zeros in the last LzhF ring positions.
std::uint8_t InitialRingByte(std::size_t back) { return back <= LzhN - LzhF ? LzhRingFill : 0; }

} // namespace

Result<LzhDecoded> LzhDecode(
    std::span<const std::uint8_t> input, std::uint32_t declaredSize, std::span<std::uint8_t> output)
{
    if (declaredSize > LzhMaxDeclaredSize)
        return Error { ErrorKind::TooLarge,
            "declared size " + std::to_string(declaredSize) + " is above the limit of "
                + std::to_string(LzhMaxDeclaredSize) + " bytes" };
    if (output.size() < declaredSize)
        return Error { ErrorKind::SizeMismatch,
            "declared size " + std::to_string(declaredSize) + " does not fit an output of "
                + std::to_string(output.size()) + " bytes" };

    const auto owned = std::make_unique<HuffmanModel>();
    HuffmanModel& model = *owned;
    model.Start();
    std::uint16_t path[HuffmanModel::MaxPath];
    BitReader in(input);
    std::uint8_t* const out = output.data();
    const std::size_t size = declaredSize;
    std::size_t count = 0;

    while (count < size) {
        if (model.TopStale) [[unlikely]]
            model.BuildTop();
        std::uint64_t window = in.Peek();
        const HuffmanModel::TopEntry& top = model.Top[window >> (64 - HuffmanModel::TopBits)];
        std::memcpy(path, top.Path, sizeof top.Path);
        unsigned node = top.Node;
        unsigned used = top.Bits;
        unsigned depth = used;
        window <<= used;
        while (node < LzhT) {
            if (used == WindowBits - 1) [[unlikely]] {
                in.Skip(used);
                window = in.Peek();
                used = 0;
            }
            const unsigned child = node + unsigned(window >> 63);
            path[depth & (HuffmanModel::MaxPath - 1)] = std::uint16_t(child);
            ++depth;
            node = model.Son[child];
            window <<= 1;
            ++used;
        }
        const unsigned symbol = node - LzhT;
        model.Update(symbol, path, depth);

        if (symbol < 256) {
            in.Skip(used);
            out[count++] = std::uint8_t(symbol);
            continue;
        }

        if (used > WindowBits - PositionBits) [[unlikely]] {
            in.Skip(used);
            window = in.Peek();
            used = 0;
        }
        const unsigned first = unsigned(window >> 56);
        const unsigned extra = LzhPositionLength[first] - 2u;
        const unsigned low = unsigned(window >> (56 - extra)) & ((1u << extra) - 1);
        const unsigned position = LzhPositionUpper[first] | (((first << extra) | low) & 0x3F);
        in.Skip(used + 8 + extra);

        const std::size_t distance = position + 1;
        const std::size_t length = std::min<std::size_t>(symbol - 255 + LzhThreshold, size - count);
        std::uint8_t* dst = out + count;
        if (distance > count) [[unlikely]] {
            // The match starts in what the ring held before the first byte was decoded.
            for (std::size_t k = 0; k < length; ++k) {
                const std::size_t from = count + k;
                dst[k] = from >= distance ? out[from - distance] : InitialRingByte(distance - from);
            }
        } else if (distance >= 16 && size - count >= LzhF + 16) {
            // Whole 16-byte blocks, each read before anything it covers is written (distance is
            // at least 16); the last block may run past the match into bytes still to come.
            const std::uint8_t* src = dst - distance;
            for (std::size_t k = 0; k < length; k += 16)
                std::memcpy(dst + k, src + k, 16);
        } else if (distance >= length) {
            std::memcpy(dst, dst - distance, length);
        } else {
            // The match repeats the bytes it is producing, one at a time.
            const std::uint8_t* src = dst - distance;
            for (std::size_t k = 0; k < length; ++k)
                dst[k] = src[k];
        }
        count += length;
    }

    return LzhDecoded { count, (in.BitsRead() + 7) / 8 };
}

Result<LzhContainer> ParseLzhContainer(std::span<const std::uint8_t> stored)
{
    if (stored.size() < 4)
        return Error { ErrorKind::Damaged,
            "packed resource of " + std::to_string(stored.size()) + " bytes has no declared size" };
    LzhContainer c;
    c.DeclaredSize = std::uint32_t(stored[0]) | std::uint32_t(stored[1]) << 8
        | std::uint32_t(stored[2]) << 16 | std::uint32_t(stored[3]) << 24;
    c.Stream = stored.subspan(4);
    return c;
}
