// The LZHUF encoder: the published program's match finder and adaptive Huffman coder, reading
// from and writing to memory.
#include "LzhEncoder.h"

#include <cstring>
#include <memory>

#include "Lzh32.h"

namespace {

constexpr unsigned N = LzhN;
constexpr unsigned F = LzhF;
constexpr unsigned T = LzhT;
constexpr unsigned R = LzhR;
constexpr unsigned Nil = N; // "no node" in the search trees

// Code length and code (in the top bits of the byte) of a position's upper six bits: the
// encoding side of LzhPositionUpper / LzhPositionLength.
// clang-format off
const std::uint8_t PositionCodeLength[64] = {
    3, 4, 4, 4, 5, 5, 5, 5, 5, 5, 5, 5, 6, 6, 6, 6,
    6, 6, 6, 6, 6, 6, 6, 6, 7, 7, 7, 7, 7, 7, 7, 7,
    7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7,
    8, 8, 8, 8, 8, 8, 8, 8, 8, 8, 8, 8, 8, 8, 8, 8,
};
const std::uint8_t PositionCode[64] = {
    0x00, 0x20, 0x30, 0x40, 0x50, 0x58, 0x60, 0x68, 0x70, 0x78, 0x80, 0x88, 0x90, 0x94, 0x98, 0x9C,
    0xA0, 0xA4, 0xA8, 0xAC, 0xB0, 0xB4, 0xB8, 0xBC, 0xC0, 0xC2, 0xC4, 0xC6, 0xC8, 0xCA, 0xCC, 0xCE,
    0xD0, 0xD2, 0xD4, 0xD6, 0xD8, 0xDA, 0xDC, 0xDE, 0xE0, 0xE2, 0xE4, 0xE6, 0xE8, 0xEA, 0xEC, 0xEE,
    0xF0, 0xF1, 0xF2, 0xF3, 0xF4, 0xF5, 0xF6, 0xF7, 0xF8, 0xF9, 0xFA, 0xFB, 0xFC, 0xFD, 0xFE, 0xFF,
};
// clang-format on

class BitWriter {
public:
    explicit BitWriter(std::vector<std::uint8_t>& out)
        : Out(out)
    {
    }

    // Appends the low count bits of code, most significant first.
    void Put(unsigned count, std::uint32_t code)
    {
        for (unsigned i = count; i-- > 0;) {
            Buffer = std::uint8_t(Buffer << 1 | ((code >> i) & 1));
            if (++Used == 8) {
                Out.push_back(Buffer);
                Buffer = 0;
                Used = 0;
            }
        }
    }

    // Pads the last byte with zero bits.
    void Flush()
    {
        if (Used > 0)
            Out.push_back(std::uint8_t(Buffer << (8 - Used)));
        Buffer = 0;
        Used = 0;
    }

private:
    std::vector<std::uint8_t>& Out;
    std::uint8_t Buffer = 0;
    unsigned Used = 0;
};

// The adaptive Huffman model, written as plainly as the published program: the decoder has its
// own, tuned copy, and the tests hold the two to the same streams.
struct HuffmanCoder {
    std::uint16_t Freq[T + 1];
    std::uint16_t Son[T];
    std::uint16_t Parent[T + LzhNChar];

    HuffmanCoder()
    {
        for (unsigned i = 0; i < LzhNChar; ++i) {
            Freq[i] = 1;
            Son[i] = std::uint16_t(i + T);
            Parent[i + T] = std::uint16_t(i);
        }
        for (unsigned i = 0, j = LzhNChar; j <= R; i += 2, ++j) {
            Freq[j] = std::uint16_t(Freq[i] + Freq[i + 1]);
            Son[j] = std::uint16_t(i);
            Parent[i] = Parent[i + 1] = std::uint16_t(j);
        }
        Freq[T] = 0xFFFF;
        Parent[R] = 0;
    }

    void Rebuild()
    {
        unsigned j = 0;
        for (unsigned i = 0; i < T; ++i) {
            if (Son[i] >= T) {
                Freq[j] = std::uint16_t((Freq[i] + 1) / 2);
                Son[j] = Son[i];
                ++j;
            }
        }
        for (unsigned i = 0, n = LzhNChar; n < T; i += 2, ++n) {
            const unsigned f = unsigned(Freq[i]) + Freq[i + 1];
            Freq[n] = std::uint16_t(f);
            unsigned k = n - 1;
            while (f < Freq[k])
                --k;
            ++k;
            std::memmove(&Freq[k + 1], &Freq[k], (n - k) * sizeof Freq[0]);
            Freq[k] = std::uint16_t(f);
            std::memmove(&Son[k + 1], &Son[k], (n - k) * sizeof Son[0]);
            Son[k] = std::uint16_t(i);
        }
        for (unsigned i = 0; i < T; ++i) {
            const unsigned k = Son[i];
            Parent[k] = std::uint16_t(i);
            if (k < T)
                Parent[k + 1] = std::uint16_t(i);
        }
    }

    void Update(unsigned symbol)
    {
        if (Freq[R] == LzhMaxFreq)
            Rebuild();
        unsigned c = Parent[symbol + T];
        do {
            const unsigned k = ++Freq[c];
            unsigned l = c + 1;
            if (k > Freq[l]) {
                while (k > Freq[++l]) { }
                --l;
                Freq[c] = Freq[l];
                Freq[l] = std::uint16_t(k);

                const unsigned i = Son[c];
                Parent[i] = std::uint16_t(l);
                if (i < T)
                    Parent[i + 1] = std::uint16_t(l);

                const unsigned j = Son[l];
                Son[l] = std::uint16_t(i);
                Parent[j] = std::uint16_t(c);
                if (j < T)
                    Parent[j + 1] = std::uint16_t(c);
                Son[c] = std::uint16_t(j);

                c = l;
            }
            c = Parent[c];
        } while (c != 0);
    }

    // Writes the code of symbol: the path from the root to its leaf. The published program
    // gathers it in a 16-bit word, which loses the top bits of a longer code; the path is kept
    // whole here.
    void Encode(BitWriter& out, unsigned symbol)
    {
        std::uint8_t path[T];
        unsigned depth = 0;
        unsigned node = Parent[symbol + T];
        do {
            // node is the first or the second child of its parent.
            path[depth++] = std::uint8_t(node - Son[Parent[node]]);
            node = Parent[node];
        } while (node != R);
        while (depth > 0)
            out.Put(1, path[--depth]);
        Update(symbol);
    }
};

void EncodePosition(BitWriter& out, unsigned position)
{
    const unsigned upper = position >> 6;
    const unsigned length = PositionCodeLength[upper];
    out.Put(length, PositionCode[upper] >> (8 - length));
    out.Put(6, position & 0x3F);
}

// The published match finder: one binary search tree of ring positions per first byte, ordered by
// the F bytes that start there.
class MatchFinder {
public:
    MatchFinder()
    {
        for (unsigned i = N + 1; i <= N + 256; ++i)
            RightSon[i] = Nil;
        for (unsigned i = 0; i < N; ++i)
            Dad[i] = Nil;
    }

    // Ring, plus a copy of its first F - 1 bytes after its end so comparisons need no wrap.
    std::uint8_t Text[N + F - 1] = {};
    unsigned MatchLength = 0;
    unsigned MatchPosition = 0; // distance back from the insertion point, less one

    void Insert(unsigned r)
    {
        int cmp = 1;
        const std::uint8_t* key = &Text[r];
        unsigned p = N + 1 + key[0];
        RightSon[r] = LeftSon[r] = Nil;
        MatchLength = 0;
        for (;;) {
            if (cmp >= 0) {
                if (RightSon[p] != Nil) {
                    p = RightSon[p];
                } else {
                    RightSon[p] = r;
                    Dad[r] = p;
                    return;
                }
            } else {
                if (LeftSon[p] != Nil) {
                    p = LeftSon[p];
                } else {
                    LeftSon[p] = r;
                    Dad[r] = p;
                    return;
                }
            }
            unsigned i = 1;
            for (; i < F; ++i) {
                cmp = int(key[i]) - int(Text[p + i]);
                if (cmp != 0)
                    break;
            }
            if (i > LzhThreshold) {
                const unsigned position = ((r - p) & (N - 1)) - 1;
                if (i > MatchLength) {
                    MatchPosition = position;
                    MatchLength = i;
                    if (MatchLength >= F)
                        break;
                } else if (i == MatchLength && position < MatchPosition) {
                    MatchPosition = position;
                }
            }
        }
        // A full-length match: r takes p's place in the tree.
        Dad[r] = Dad[p];
        LeftSon[r] = LeftSon[p];
        RightSon[r] = RightSon[p];
        Dad[LeftSon[p]] = r;
        Dad[RightSon[p]] = r;
        if (RightSon[Dad[p]] == p)
            RightSon[Dad[p]] = r;
        else
            LeftSon[Dad[p]] = r;
        Dad[p] = Nil;
    }

    void Delete(unsigned p)
    {
        if (Dad[p] == Nil)
            return;
        unsigned q;
        if (RightSon[p] == Nil) {
            q = LeftSon[p];
        } else if (LeftSon[p] == Nil) {
            q = RightSon[p];
        } else {
            q = LeftSon[p];
            if (RightSon[q] != Nil) {
                do {
                    q = RightSon[q];
                } while (RightSon[q] != Nil);
                RightSon[Dad[q]] = LeftSon[q];
                Dad[LeftSon[q]] = Dad[q];
                LeftSon[q] = LeftSon[p];
                Dad[LeftSon[p]] = q;
            }
            RightSon[q] = RightSon[p];
            Dad[RightSon[p]] = q;
        }
        Dad[q] = Dad[p];
        if (RightSon[Dad[p]] == p)
            RightSon[Dad[p]] = q;
        else
            LeftSon[Dad[p]] = q;
        Dad[p] = Nil;
    }

private:
    // Index Nil is a scratch node that absorbs writes to "no node"; N + 1 .. N + 256 are the roots.
    unsigned LeftSon[N + 1];
    unsigned RightSon[N + 257];
    unsigned Dad[N + 1];
};

} // namespace

std::vector<std::uint8_t> LzhEncode(std::span<const std::uint8_t> input)
{
    std::vector<std::uint8_t> stream;
    if (input.empty())
        return stream;
    stream.reserve(input.size() / 2 + 16);
    BitWriter out(stream);
    auto coder = std::make_unique<HuffmanCoder>();
    auto tree = std::make_unique<MatchFinder>();
    std::uint8_t* text = tree->Text;

    std::size_t next = 0; // next input byte to read
    unsigned s = 0;
    unsigned r = N - F;
    std::memset(text, LzhRingFill, r);
    unsigned len = 0;
    for (; len < F && next < input.size(); ++len)
        text[r + len] = input[next++];
    for (unsigned i = 1; i <= F; ++i)
        tree->Insert(r - i);
    tree->Insert(r);

    do {
        if (tree->MatchLength > len)
            tree->MatchLength = len;
        if (tree->MatchLength <= LzhThreshold) {
            tree->MatchLength = 1;
            coder->Encode(out, text[r]);
        } else {
            coder->Encode(out, 255 - LzhThreshold + tree->MatchLength);
            EncodePosition(out, tree->MatchPosition);
        }
        const unsigned last = tree->MatchLength;
        unsigned i = 0;
        for (; i < last && next < input.size(); ++i) {
            const std::uint8_t c = input[next++];
            tree->Delete(s);
            text[s] = c;
            if (s < F - 1)
                text[s + N] = c;
            s = (s + 1) & (N - 1);
            r = (r + 1) & (N - 1);
            tree->Insert(r);
        }
        for (; i < last; ++i) {
            tree->Delete(s);
            s = (s + 1) & (N - 1);
            r = (r + 1) & (N - 1);
            if (--len)
                tree->Insert(r);
        }
    } while (len > 0);
    out.Flush();
    return stream;
}

std::vector<std::uint8_t> LzhPack(std::span<const std::uint8_t> input)
{
    const std::uint32_t size = std::uint32_t(input.size());
    std::vector<std::uint8_t> container = { std::uint8_t(size), std::uint8_t(size >> 8),
        std::uint8_t(size >> 16), std::uint8_t(size >> 24) };
    const std::vector<std::uint8_t> stream = LzhEncode(input);
    container.insert(container.end(), stream.begin(), stream.end());
    return container;
}
