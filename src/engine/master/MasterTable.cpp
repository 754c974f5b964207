// The master engine's transposition table: packing, probing and the replacement rule.
#include "MasterTable.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <new>

#if defined(__linux__)
#include <sys/mman.h>
#endif

namespace master {

namespace {

    // Data word: score (16 bits), move (8), depth (8), bound (2), endgame (1), certainty (3),
    // generation (8).
    constexpr int ScoreShift = 0, MoveShift = 16, DepthShift = 24, BoundShift = 32, EndShift = 34,
                  CertaintyShift = 35, GenShift = 40;

    unsigned GenerationOf(std::uint64_t data) { return unsigned(data >> GenShift) & 0xFF; }

} // namespace

TransTable::TransTable(std::size_t mebibytes) { Resize(mebibytes); }

TransTable::~TransTable() = default;

void TransTable::Release::operator()(Bucket* b) const { std::free(b); }

void TransTable::Resize(std::size_t mebibytes)
{
    Table.reset();
    Buckets = std::max<std::size_t>(1, mebibytes * 1024 * 1024 / sizeof(Bucket));
    // Every probe lands on a random bucket: with small pages nearly each one also misses the
    // address cache, so the table asks for large pages (where the system gives them on request)
    // and is aligned to them.
    constexpr std::size_t LargePage = std::size_t(2) << 20;
    const std::size_t bytes = Buckets * sizeof(Bucket);
    const std::size_t align = bytes >= LargePage ? LargePage : alignof(Bucket);
    void* memory = std::aligned_alloc(align, (bytes + align - 1) / align * align);
    if (!memory)
        throw std::bad_alloc();
#if defined(__linux__) && defined(MADV_HUGEPAGE)
    if (align == LargePage)
        madvise(memory, bytes, MADV_HUGEPAGE);
#endif
    // Value-initialised: every slot empty.
    Bucket* buckets = static_cast<Bucket*>(memory);
    for (std::size_t i = 0; i < Buckets; ++i)
        ::new (static_cast<void*>(buckets + i)) Bucket();
    Table.reset(buckets);
    Generation = 0;
}

void TransTable::Clear()
{
    // The slots are plain words under their atomic wrappers; nothing searches while this runs.
    std::memset(static_cast<void*>(Table.get()), 0, Buckets * sizeof(Bucket));
    Generation = 0;
}

std::uint64_t TransTable::Pack(const TableEntry& e, unsigned generation)
{
    return (std::uint64_t(std::uint16_t(e.Score)) << ScoreShift)
        | (std::uint64_t(e.Move) << MoveShift) | (std::uint64_t(e.Depth) << DepthShift)
        | (std::uint64_t(e.Kind) << BoundShift) | (std::uint64_t(e.Endgame) << EndShift)
        | (std::uint64_t(e.Certainty & 7) << CertaintyShift)
        | (std::uint64_t(generation & 0xFF) << GenShift);
}

TableEntry TransTable::Unpack(std::uint64_t data)
{
    TableEntry e;
    e.Score = std::int16_t(std::uint16_t(data >> ScoreShift));
    e.Move = std::uint8_t(data >> MoveShift);
    e.Depth = std::uint8_t(data >> DepthShift);
    e.Kind = Bound((data >> BoundShift) & 3);
    e.Endgame = (data >> EndShift) & 1;
    e.Certainty = std::uint8_t((data >> CertaintyShift) & 7);
    return e;
}

bool TransTable::Probe(std::uint64_t key, TableEntry& out) const
{
    const Bucket& b = BucketOf(key);
    for (const Slot& s : b.Slots) {
        const std::uint64_t data = s.Data.load(std::memory_order_relaxed);
        if ((s.Check.load(std::memory_order_relaxed) ^ data) == key && data != 0) {
            out = Unpack(data);
            return true;
        }
    }
    return false;
}

void TransTable::Store(std::uint64_t key, const TableEntry& entry)
{
    Bucket& b = BucketOf(key);
    Slot* victim = nullptr;
    int victimWorth = std::numeric_limits<int>::max();
    for (Slot& s : b.Slots) {
        const std::uint64_t data = s.Data.load(std::memory_order_relaxed);
        if (data == 0) {
            if (victimWorth != std::numeric_limits<int>::min()) {
                victim = &s;
                victimWorth = std::numeric_limits<int>::min();
            }
            continue;
        }
        if ((s.Check.load(std::memory_order_relaxed) ^ data) == key) {
            const TableEntry old = Unpack(data);
            // An exact endgame result is worth more than any midgame one of the same position.
            if (old.Endgame && !entry.Endgame)
                return;
            // Nor does a bolder guess replace a surer result of as many empties.
            if (old.Endgame && entry.Endgame && old.Depth == entry.Depth
                && old.Certainty > entry.Certainty)
                return;
            // A deeper result of the same kind stays, unless this one is exact and it is not;
            // its best move is kept when the new result has none.
            if (old.Endgame == entry.Endgame && old.Depth > entry.Depth
                && !(entry.Kind == Bound::Exact && old.Kind != Bound::Exact)
                && GenerationOf(data) == Generation)
                return;
            TableEntry e = entry;
            if (e.Move == TableEntry::NoMove)
                e.Move = old.Move;
            const std::uint64_t packed = Pack(e, Generation);
            s.Data.store(packed, std::memory_order_relaxed);
            s.Check.store(key ^ packed, std::memory_order_relaxed);
            return;
        }
        // Worth keeping: depth (endgame entries count their empties twice, they are exact work),
        // less for every search since it was written.
        const TableEntry old = Unpack(data);
        const int age = int((Generation - GenerationOf(data)) & 0xFF);
        const int worth = int(old.Depth) * (old.Endgame ? 2 : 1) - 8 * age;
        if (worth < victimWorth) {
            victim = &s;
            victimWorth = worth;
        }
    }
    const std::uint64_t packed = Pack(entry, Generation);
    victim->Data.store(packed, std::memory_order_relaxed);
    victim->Check.store(key ^ packed, std::memory_order_relaxed);
}

int TransTable::UsagePerMille() const
{
    const std::size_t sample = std::min<std::size_t>(Buckets, 1000);
    int used = 0;
    for (std::size_t i = 0; i < sample; ++i)
        for (const Slot& s : Table[i].Slots)
            used += s.Data.load(std::memory_order_relaxed) != 0;
    return int(used * 1000 / (sample * 4));
}

} // namespace master
