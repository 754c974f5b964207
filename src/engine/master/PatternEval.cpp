// The pattern evaluation: the square groups of each size, where they are read, the reading of the
// weights file and the weighted sum.
#include "PatternEval.h"

#include <algorithm>
#include <cstring>
#include <set>
#include <utility>

namespace master {

namespace {

    using Cell = std::array<int, 2>;

    // One of the eight symmetries of the square, numbered as Geo::Transform numbers them.
    Cell Transformed(Cell c, int symmetry, int n)
    {
        const int m = n - 1, col = c[0], row = c[1];
        switch (symmetry) {
        case 1:
            return { m - row, col };
        case 2:
            return { m - col, m - row };
        case 3:
            return { row, m - col };
        case 4:
            return { m - col, row };
        case 5:
            return { col, m - row };
        case 6:
            return { row, col };
        case 7:
            return { m - row, m - col };
        default:
            return c;
        }
    }

    std::vector<Cell> Line(int fromCol, int fromRow, int stepCol, int stepRow, int length)
    {
        std::vector<Cell> cells;
        for (int k = 0; k < length; ++k)
            cells.push_back({ fromCol + k * stepCol, fromRow + k * stepRow });
        return cells;
    }

    std::vector<Cell> Block(int cols, int rows)
    {
        std::vector<Cell> cells;
        for (int row = 0; row < rows; ++row)
            for (int col = 0; col < cols; ++col)
                cells.push_back({ col, row });
        return cells;
    }

    // The groups of a size. On 8 x 8: the edge with its two X squares, the corner's 3 x 3 and
    // 2 x 5 blocks, the second to fourth lines and the diagonals of 4 to 8 squares. On 10 x 10
    // the same kinds where ten squares at most cover them: the edge alone, the blocks, the second
    // and third lines and the three longest diagonals.
    std::vector<std::pair<std::string, std::vector<Cell>>> Shapes(int n)
    {
        std::vector<std::pair<std::string, std::vector<Cell>>> s;
        if (n == 8) {
            std::vector<Cell> edge = Line(0, 0, 1, 0, 8);
            edge.push_back({ 1, 1 });
            edge.push_back({ 6, 1 });
            s.push_back({ "edge+X", edge });
        } else {
            s.push_back({ "edge", Line(0, 0, 1, 0, n) });
        }
        s.push_back({ "corner 3x3", Block(3, 3) });
        s.push_back({ "corner 2x5", Block(5, 2) });
        const int lines = n == 8 ? 3 : 2;
        for (int row = 1; row <= lines; ++row)
            s.push_back({ "line " + std::to_string(row + 1), Line(0, row, 1, 0, n) });
        const int shortest = n == 8 ? 4 : n - 2;
        for (int length = n; length >= shortest; --length)
            s.push_back(
                { "diagonal " + std::to_string(length), Line(n - length, 0, 1, 1, length) });
        return s;
    }

    int Power3(int k)
    {
        int p = 1;
        while (k-- > 0)
            p *= 3;
        return p;
    }

} // namespace

template <int N> const PatternSet<N>& PatternSet<N>::Get()
{
    static const PatternSet set = [] {
        PatternSet p;
        for (auto& [name, cells] : Shapes(N)) {
            PatternKind kind;
            kind.Name = name;
            kind.Squares = cells;
            kind.Configurations = Power3(int(cells.size()));
            kind.Offset = p.Entries;
            p.Entries += kind.Configurations;
            const int kindIndex = int(p.Kinds.size());
            std::set<std::vector<Cell>> placed;
            std::vector<Cell> own = cells;
            std::sort(own.begin(), own.end());
            for (int s = 0; s < 8; ++s) {
                std::vector<Cell> image;
                for (const Cell& c : cells)
                    image.push_back(Transformed(c, s, N));
                std::vector<Cell> sorted = image;
                std::sort(sorted.begin(), sorted.end());
                if (sorted == own) {
                    // Digit k of the image reads the square digit map[k] of the group reads.
                    std::vector<int> map;
                    for (const Cell& c : image)
                        map.push_back(
                            int(std::find(cells.begin(), cells.end(), c) - cells.begin()));
                    kind.SelfMaps.push_back(map);
                }
                if (!placed.insert(sorted).second)
                    continue;
                PatternInstance in;
                in.Kind = kindIndex;
                in.Symmetry = s;
                in.Length = int(image.size());
                in.Offset = kind.Offset;
                for (int k = 0; k < in.Length; ++k)
                    in.Bits[std::size_t(k)] = std::uint8_t(Geo<N>::BitOf(image[k][0], image[k][1]));
                p.Instances.push_back(in);
            }
            p.Kinds.push_back(std::move(kind));
        }
        return p;
    }();
    return set;
}

bool ReadPatternWeights(
    const unsigned char* data, std::size_t bytes, int size, PatternWeights& out, std::string& why)
{
    PatternFileHeader h;
    if (bytes < sizeof h) {
        why = "the weights file is shorter than its header";
        return false;
    }
    std::memcpy(&h, data, sizeof h);
    const int entries = size == 8 ? PatternSet<8>::Get().Entries : PatternSet<10>::Get().Entries;
    if (std::memcmp(h.Magic, "CVPAT01", 8) != 0) {
        why = "the weights file does not start with CVPAT01";
        return false;
    }
    if (int(h.Size) != size || int(h.Phases) != EvalPhases || int(h.Features) != FeatureCount
        || int(h.Entries) != entries) {
        why = "the weights file is for size " + std::to_string(h.Size) + ", "
            + std::to_string(h.Phases) + " phases, " + std::to_string(h.Features) + " features and "
            + std::to_string(h.Entries) + " entries; this program has size " + std::to_string(size)
            + ", " + std::to_string(EvalPhases) + ", " + std::to_string(FeatureCount) + " and "
            + std::to_string(entries);
        return false;
    }
    const std::size_t features = std::size_t(EvalPhases) * FeatureCount;
    const std::size_t table = std::size_t(EvalPhases) * std::size_t(entries);
    if (bytes != sizeof h + 2 * (features + table)) {
        why = "the weights file holds " + std::to_string(bytes) + " bytes, not "
            + std::to_string(sizeof h + 2 * (features + table));
        return false;
    }
    out.Size = size;
    out.Feature.resize(features);
    out.Table.resize(table);
    std::memcpy(out.Feature.data(), data + sizeof h, 2 * features);
    std::memcpy(out.Table.data(), data + sizeof h + 2 * features, 2 * table);
    return true;
}

namespace {

    // The three reflections the eight symmetries are made of, on 8 x 8.
    std::uint64_t FlipRows8(std::uint64_t x) { return __builtin_bswap64(x); }
    std::uint64_t MirrorColumns8(std::uint64_t x)
    {
        x = ((x >> 1) & 0x5555555555555555ULL) | ((x & 0x5555555555555555ULL) << 1);
        x = ((x >> 2) & 0x3333333333333333ULL) | ((x & 0x3333333333333333ULL) << 2);
        return ((x >> 4) & 0x0F0F0F0F0F0F0F0FULL) | ((x & 0x0F0F0F0F0F0F0F0FULL) << 4);
    }
    std::uint64_t Transpose8(std::uint64_t x) // (col, row) to (row, col)
    {
        std::uint64_t t = 0x0F0F0F0F00000000ULL & (x ^ (x << 28));
        x ^= t ^ (t >> 28);
        t = 0x3333000033330000ULL & (x ^ (x << 14));
        x ^= t ^ (t >> 14);
        t = 0x5500550055005500ULL & (x ^ (x << 7));
        return x ^ t ^ (t >> 7);
    }

} // namespace

std::uint64_t FastTransform8(std::uint64_t b, int symmetry)
{
    switch (symmetry) {
    case 1:
        return MirrorColumns8(Transpose8(b));
    case 2:
        return FlipRows8(MirrorColumns8(b));
    case 3:
        return FlipRows8(Transpose8(b));
    case 4:
        return MirrorColumns8(b);
    case 5:
        return FlipRows8(b);
    case 6:
        return Transpose8(b);
    case 7:
        return FlipRows8(MirrorColumns8(Transpose8(b)));
    default:
        return b;
    }
}

namespace {

    struct DiagonalMask {
        std::array<std::uint64_t, 5> Of {}; // by 8 - length
        constexpr DiagonalMask()
        {
            for (int shorter = 0; shorter < 5; ++shorter)
                for (int k = 0; k < 8 - shorter; ++k)
                    Of[std::size_t(shorter)] |= 1ULL << (8 * k + shorter + k);
        }
    };
    constexpr DiagonalMask DiagonalMasks;

    // The squares of an 8 x 8 kind at its own place, gathered into the low bits in the kind's
    // order (which is the order of their bit indices there).
    template <int Kind> std::uint32_t Gather8(std::uint64_t b)
    {
        if constexpr (Kind == 0) // the edge and b2, g2
            return std::uint32_t((b & 0xFF) | ((b >> 1) & 0x100) | ((b >> 5) & 0x200));
        else if constexpr (Kind == 1) // 3 x 3
            return std::uint32_t((b & 7) | ((b >> 5) & 0x38) | ((b >> 10) & 0x1C0));
        else if constexpr (Kind == 2) // 2 x 5
            return std::uint32_t((b & 0x1F) | ((b >> 3) & 0x3E0));
        else if constexpr (Kind <= 5) // the second, third and fourth lines
            return std::uint32_t((b >> (8 * (Kind - 2))) & 0xFF);
        else { // diagonals of 8 down to 4 squares, from (8 - length, 0) upwards
            constexpr int shorter = Kind - 6; // 8 - length
            // Each square has a column of its own: the product sums them into the top byte.
            return std::uint32_t(
                ((b & DiagonalMasks.Of[std::size_t(shorter)]) * 0x0101010101010101ULL)
                >> (56 + shorter));
        }
    }
    constexpr int Kinds8 = 11;

    // The eight images of an 8 x 8 board, image s turned back by symmetry s: there an instance
    // placed by s has its kind's squares at their own place.
    void TurnedBack8(std::uint64_t b, std::uint64_t (&image)[8])
    {
        const std::uint64_t t = Transpose8(b), m = MirrorColumns8(b), mt = MirrorColumns8(t);
        image[0] = b;
        image[1] = FlipRows8(t); // symmetry 3, the inverse of 1
        image[2] = FlipRows8(m);
        image[3] = mt; // symmetry 1, the inverse of 3
        image[4] = m;
        image[5] = FlipRows8(b);
        image[6] = t;
        image[7] = FlipRows8(mt);
    }

} // namespace

std::vector<unsigned char> PatternWeightsFile(const PatternWeights& weights)
{
    PatternFileHeader h {};
    std::memcpy(h.Magic, "CVPAT01", 8);
    h.Size = std::uint32_t(weights.Size);
    h.Phases = EvalPhases;
    h.Features = FeatureCount;
    h.Entries = std::uint32_t(weights.Table.size() / EvalPhases);
    std::vector<unsigned char> file(sizeof h + 2 * (weights.Feature.size() + weights.Table.size()));
    std::memcpy(file.data(), &h, sizeof h);
    std::memcpy(file.data() + sizeof h, weights.Feature.data(), 2 * weights.Feature.size());
    std::memcpy(file.data() + sizeof h + 2 * weights.Feature.size(), weights.Table.data(),
        2 * weights.Table.size());
    return file;
}

template <int N>
void PatternEvaluator<N>::IndicesBySquares(
    BB own, BB opp, std::array<int, MaxPatternInstances>& out)
{
    std::array<std::uint8_t, G::BitCount> cell {};
    G::ForEachBit(own, [&](int bit) { cell[std::size_t(bit)] = 1; });
    G::ForEachBit(opp, [&](int bit) { cell[std::size_t(bit)] = 2; });
    const PatternSet<N>& set = PatternSet<N>::Get();
    for (std::size_t i = 0; i < set.Instances.size(); ++i) {
        const PatternInstance& in = set.Instances[i];
        int idx = 0;
        for (int k = in.Length - 1; k >= 0; --k)
            idx = idx * 3 + cell[in.Bits[std::size_t(k)]];
        out[i] = in.Offset + idx;
    }
}

template <int N>
void PatternEvaluator<N>::Indices(BB own, BB opp, std::array<int, MaxPatternInstances>& out)
{
    if constexpr (N == 8) {
        // An instance placed by symmetry s reads, on the board turned back by s, its kind's
        // squares at their own place.
        std::uint64_t o[8], p[8];
        TurnedBack8(own, o);
        TurnedBack8(opp, p);
        static const PatternSet<8>& set = PatternSet<8>::Get();
        const PatternInstance* in = set.Instances.data();
        const std::size_t count = set.Instances.size();
        std::size_t i = 0;
        // The instances come kind by kind.
        const auto kind = [&]<int Kind>() {
            for (; i < count && in[i].Kind == Kind; ++i)
                out[i] = in[i].Offset + TernaryDigits.Of[Gather8<Kind>(o[in[i].Symmetry])]
                    + 2 * TernaryDigits.Of[Gather8<Kind>(p[in[i].Symmetry])];
        };
        [&]<int... K>(std::integer_sequence<int, K...>) { (kind.template operator()<K>(), ...); }
        (std::make_integer_sequence<int, Kinds8>());
    } else {
        IndicesBySquares(own, opp, out);
    }
}

namespace {

    // For each bit, the value of digit 1 there in each instance's configuration (0 where the
    // instance does not read it), and each instance's offset in a phase's table.
    template <int N> struct SquareDigits {
        std::array<PatternConfigs, Geo<N>::BitCount> Power {};
        std::array<int, MaxPatternInstances> Offset {};
        int Instances = 0;
        int Entries = 0; // of a phase's table
        SquareDigits()
        {
            const PatternSet<N>& set = PatternSet<N>::Get();
            Instances = int(set.Instances.size());
            Entries = set.Entries;
            for (std::size_t i = 0; i < set.Instances.size(); ++i) {
                const PatternInstance& in = set.Instances[i];
                Offset[i] = in.Offset;
                int power = 1;
                for (int k = 0; k < in.Length; ++k, power *= 3)
                    Power[in.Bits[std::size_t(k)]][i] = std::uint16_t(power);
            }
        }
        static const SquareDigits& Get()
        {
            static const SquareDigits digits;
            return digits;
        }
    };

} // namespace

template <int N> void PatternEvaluator<N>::Read(BB own, BB opp, PatternReading& out)
{
    static const SquareDigits<N>& d = SquareDigits<N>::Get();
    std::array<int, MaxPatternInstances> mover, other;
    Indices(own, opp, mover);
    Indices(opp, own, other);
    out = {};
    for (std::size_t i = 0; i < std::size_t(d.Instances); ++i) {
        out.Mover[i] = std::uint16_t(mover[i] - d.Offset[i]);
        out.Other[i] = std::uint16_t(other[i] - d.Offset[i]);
    }
}

template <int N>
void PatternEvaluator<N>::Played(
    const PatternReading& before, int bit, BB flips, PatternReading& after)
{
    // The mover's new disc: digit 1 in its own reading, 2 in the other; a turned disc goes from 2
    // to 1 in the first and from 1 to 2 in the second. The next side to move reads the board the
    // other way round. Sums wrap in 16 bits, and every result is again a configuration.
    static const SquareDigits<N>& d = SquareDigits<N>::Get();
    PatternConfigs turned {};
    G::ForEachBit(flips, [&](int f) {
        const PatternConfigs& p = d.Power[std::size_t(f)];
        for (int i = 0; i < MaxPatternInstances; ++i)
            turned[i] = std::uint16_t(turned[i] + p[i]);
    });
    const PatternConfigs& placed = d.Power[std::size_t(bit)];
    for (int i = 0; i < MaxPatternInstances; ++i) {
        after.Mover[i] = std::uint16_t(before.Other[i] + 2 * placed[i] + turned[i]);
        after.Other[i] = std::uint16_t(before.Mover[i] + placed[i] - turned[i]);
    }
}

template <int N>
int PatternEvaluator<N>::Evaluate(BB own, BB opp, const PatternConfigs& mover)
{
    static const PatternWeights* const weights = PatternWeightsFor(N);
    if (!weights)
        return Evaluator<N>::Evaluate(own, opp);
    static const SquareDigits<N>& d = SquareDigits<N>::Get();
    EvalInputs in;
    Evaluator<N>::Inputs(own, opp, in, true);
    int s = 0;
    const std::int16_t* f = &weights->Feature[std::size_t(in.Phase) * FeatureCount];
    for (int i = 0; i < FeatureCount; ++i)
        s += f[i] * in.Feature[std::size_t(i)];
    const std::int16_t* t = &weights->Table[std::size_t(in.Phase) * std::size_t(d.Entries)];
    for (int i = 0; i < d.Instances; ++i)
        s += t[d.Offset[std::size_t(i)] + mover[std::size_t(i)]];
    return s;
}

template <int N> int PatternEvaluator<N>::Evaluate(BB own, BB opp)
{
    static const SquareDigits<N>& d = SquareDigits<N>::Get();
    std::array<int, MaxPatternInstances> idx;
    Indices(own, opp, idx);
    PatternConfigs mover {};
    for (int i = 0; i < d.Instances; ++i)
        mover[std::size_t(i)] = std::uint16_t(idx[std::size_t(i)] - d.Offset[std::size_t(i)]);
    return Evaluate(own, opp, mover);
}

template struct PatternSet<8>;
template struct PatternSet<10>;
template struct PatternEvaluator<8>;
template struct PatternEvaluator<10>;

} // namespace master
