// Weight tables and the byte-board evaluation.
#include "Evaluation.h"

#include "MoveRules.h"

bool AdvancedEngine = false;

// clang-format off
const std::array<std::array<int, 8>, 8> WeightsEmptyCorners8 = {{
    { 99,  -8,  8,  6,  6,  8,  -8, 99 },
    { -8, -24, -4, -3, -3, -4, -24, -8 },
    {  8,  -4,  7,  4,  4,  7,  -4,  8 },
    {  6,  -3,  4,  0,  0,  4,  -3,  6 },
    {  6,  -3,  4,  0,  0,  4,  -3,  6 },
    {  8,  -4,  7,  4,  4,  7,  -4,  8 },
    { -8, -24, -4, -3, -3, -4, -24, -8 },
    { 99,  -8,  8,  6,  6,  8,  -8, 99 },
}};

const std::array<std::array<int, 8>, 8> WeightsCornerTaken8 = {{
    { 99, 0, 8, 6, 6, 8, 0, 99 },
    {  0, 0, 0, 1, 1, 0, 0,  0 },
    {  8, 0, 7, 4, 4, 7, 0,  8 },
    {  6, 1, 4, 1, 1, 4, 1,  6 },
    {  6, 1, 4, 1, 1, 4, 1,  6 },
    {  8, 0, 7, 4, 4, 7, 0,  8 },
    {  0, 0, 0, 1, 1, 0, 0,  0 },
    { 99, 0, 8, 6, 6, 8, 0, 99 },
}};

const std::array<std::array<int, 10>, 10> WeightsEmptyCorners10 = {{
    { 99,  -8,  8,  7,  6,  6,  7,  8,  -8, 99 },
    { -8, -24, -4, -3, -2, -2, -3, -4, -24, -8 },
    {  8,  -4,  8,  3,  4,  4,  3,  8,  -4,  8 },
    {  7,  -3,  3, -2, -1, -1, -2,  3,  -3,  7 },
    {  6,  -2,  4, -1,  0,  0, -1,  4,  -2,  6 },
    {  6,  -2,  4, -1,  0,  0, -1,  4,  -2,  6 },
    {  7,  -3,  3, -2, -1, -1, -2,  3,  -3,  7 },
    {  8,  -4,  8,  3,  4,  4,  3,  8,  -4,  8 },
    { -8, -24, -4, -3, -2, -2, -3, -4, -24, -8 },
    { 99,  -8,  8,  7,  6,  6,  7,  8,  -8, 99 },
}};

// Not mirror-symmetric: row 9 differs from row 2 in columns 4 to 7. Used as it stands.
const std::array<std::array<int, 10>, 10> WeightsCornerTaken10 = {{
    { 99,  0, 8,  7,  6,  6,  7, 8,  0, 99 },
    {  0,  0, 0, -2, -1, -1, -2, 0,  0,  0 },
    {  8,  0, 8,  3,  4,  4,  3, 8,  0,  8 },
    {  7, -2, 3, -2, -1, -1, -2, 3, -2,  7 },
    {  6, -1, 4, -1,  1,  1, -1, 4, -1,  6 },
    {  6, -1, 4, -1,  1,  1, -1, 4, -1,  6 },
    {  7, -2, 3, -2, -1, -1, -2, 3, -2,  7 },
    {  8,  0, 8,  3,  4,  4,  3, 8,  0,  8 },
    {  0,  0, 0, -3, -2, -2, -3, 0,  0,  0 },
    { 99,  0, 8,  7,  6,  6,  7, 8,  0, 99 },
}};
// clang-format on

namespace {

const std::array<CornerGroup, 4> CornerGroups8 = { {
    { 11, 12, 21, 22 },
    { 18, 17, 28, 27 },
    { 81, 71, 82, 72 },
    { 88, 78, 87, 77 },
} };

const std::array<CornerGroup, 4> CornerGroups10 = { {
    { 13, 14, 25, 26 },
    { 22, 21, 34, 33 },
    { 121, 109, 122, 110 },
    { 130, 118, 129, 117 },
} };

template <std::size_t N> WeightBoard ToWeightBoard(const std::array<std::array<int, N>, N>& grid)
{
    WeightBoard w;
    for (int row = 0; row < int(N); ++row)
        for (int col = 0; col < int(N); ++col)
            w.Weight[SquareIndex(int(N), col, row)] = grid[row][col];
    return w;
}

const WeightBoard Empty8 = ToWeightBoard(WeightsEmptyCorners8);
const WeightBoard Taken8 = ToWeightBoard(WeightsCornerTaken8);
const WeightBoard Empty10 = ToWeightBoard(WeightsEmptyCorners10);
const WeightBoard Taken10 = ToWeightBoard(WeightsCornerTaken10);

} // namespace

const std::array<CornerGroup, 4>& CornerGroupsFor(int size)
{
    return size == 8 ? CornerGroups8 : CornerGroups10;
}

const WeightBoard& EmptyCornerWeights(int size) { return size == 8 ? Empty8 : Empty10; }
const WeightBoard& CornerTakenWeights(int size) { return size == 8 ? Taken8 : Taken10; }

template <int N> int EvalPositionT(const Board& board, int own, int opponent)
{
    using G = BoardGeometry<N>;
    const auto& corners = CornerGroupsFor(N);
    bool allEmpty = true;
    for (const CornerGroup& g : corners)
        allEmpty = allEmpty && board[g.Corner] == CellEmpty;

    WeightBoard w = allEmpty ? EmptyCornerWeights(N) : CornerTakenWeights(N);
    if (!allEmpty) {
        for (const CornerGroup& g : corners) {
            const bool taken = board[g.Corner] != CellEmpty;
            w.Weight[g.C1] = w.Weight[g.C2] = taken ? WeightCTaken : WeightCEmpty;
            w.Weight[g.X] = taken ? WeightXTaken : WeightXEmpty;
        }
    }

    int ownSum = 0, oppSum = 0, oppCount = 0;
    for (int sq = G::FirstSquare; sq <= G::LastSquare; ++sq) {
        if (board[sq] == own) {
            ownSum += w.Weight[sq];
        } else if (board[sq] == opponent) {
            oppSum += w.Weight[sq];
            ++oppCount;
        }
    }
    if (oppCount == 0)
        return WinBonus;
    return ownSum - oppSum;
}

template <int N> int EvalFinalT(const Board& board, int own, int opponent)
{
    using G = BoardGeometry<N>;
    int d = 0;
    for (int sq = G::FirstSquare; sq <= G::LastSquare; ++sq) {
        if (board[sq] == own)
            ++d;
        else if (board[sq] == opponent)
            --d;
    }
    if (d > 0)
        d += WinBonus;
    else if (d < 0)
        d -= WinBonus;
    if (AdvancedEngine) {
        for (int sq = G::FirstSquare; sq <= G::LastSquare; ++sq)
            d += IsLegalMoveT<N>(board, sq, own, opponent) ? 1 : -1;
    }
    return d;
}

template int EvalPositionT<8>(const Board&, int, int);
template int EvalPositionT<10>(const Board&, int, int);
template int EvalFinalT<8>(const Board&, int, int);
template int EvalFinalT<10>(const Board&, int, int);
