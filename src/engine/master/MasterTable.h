// The master engine's transposition table: buckets of four entries, shared without locks by the
// search threads of one engine (each entry's key is stored xor its data, so a torn write reads as
// a miss). Midgame and endgame results live side by side, told apart by their kind.
#pragma once

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <memory>

namespace master {

enum class Bound : std::uint8_t { None = 0, Upper = 1, Lower = 2, Exact = 3 };

// What the searches keep about a position. Scores are centidiscs for midgame entries and discs
// for endgame entries; Depth is the remaining midgame depth, or the empties of an endgame entry.
struct TableEntry {
    std::int16_t Score = 0;
    std::uint8_t Move = NoMove; // bit index of the best move
    std::uint8_t Depth = 0;
    Bound Kind = Bound::None;
    bool Endgame = false;
    // Of an endgame entry: how sure its bound is. Certain unless the solver cut off lines a
    // shallow search judged hopeless (a level of SelectiveSigmas, the lower the bolder).
    std::uint8_t Certainty = Certain;
    static constexpr std::uint8_t NoMove = 0xFF;
    static constexpr std::uint8_t Certain = 7;
};

class TransTable {
public:
    explicit TransTable(std::size_t mebibytes = 64);
    ~TransTable();
    TransTable(const TransTable&) = delete;
    TransTable& operator=(const TransTable&) = delete;

    // Reallocates (and so clears) the table; at least one bucket.
    void Resize(std::size_t mebibytes);
    std::size_t SizeInBytes() const { return Buckets * sizeof(Bucket); }
    // Forgets every entry.
    void Clear();
    // A new search: entries of older searches are replaced first.
    void NextGeneration() { Generation = (Generation + 1) & 0xFF; }

    bool Probe(std::uint64_t key, TableEntry& out) const;
    // Starts loading key's bucket into the cache, for a probe soon after.
    void Prefetch(std::uint64_t key) const { __builtin_prefetch(&BucketOf(key)); }
    // Keeps the entry in key's bucket: over an entry of the same position unless that one is
    // deeper and of the same kind, otherwise over the shallowest entry, older searches first.
    void Store(std::uint64_t key, const TableEntry& entry);

    // Entries in use, of a sample of the table, per thousand (diagnostics).
    int UsagePerMille() const;

private:
    struct Slot {
        std::atomic<std::uint64_t> Check; // key xor data
        std::atomic<std::uint64_t> Data;
    };
    struct alignas(64) Bucket {
        Slot Slots[4];
    };
    static std::uint64_t Pack(const TableEntry& e, unsigned generation);
    static TableEntry Unpack(std::uint64_t data);
    Bucket& BucketOf(std::uint64_t key) const
    {
        return Table[static_cast<std::size_t>(
            (static_cast<unsigned __int128>(key) * Buckets) >> 64)];
    }

    struct Release {
        void operator()(Bucket* b) const;
    };
    std::unique_ptr<Bucket[], Release> Table;
    std::size_t Buckets = 0;
    unsigned Generation = 0;
};

} // namespace master
