#include "search/hash_table.h"

#include <cstdio>
#include <cstdlib>

HashEntry* hash_table;
uint32_t hash_mask;
uint8_t hash_age;

static_assert(sizeof(HashEntry) == 24, "the entry count per megabyte assumes 24-byte entries");

namespace {

constexpr uint16_t DEFAULT_MEGABYTES = 1;
constexpr uint16_t MAX_MEGABYTES = 1024;

// The two fatal messages, in the Windows-1251 code page the GUI side expects:
// "no memory" and "nothing to release".
constexpr char NO_MEMORY_MESSAGE[] = "\xEF\xE0\xEC\xFF\xF2\xE8\x20\xED\xE5\xF2\x20\n";
constexpr char NOTHING_TO_RELEASE_MESSAGE[] =
    "\xEE\xF1\xE2\xEE\xE1\xEE\xE6\xE4\xE0\xF2\xFC\x20\xED\xE5\xF7\xE5\xE3\xEE\x20\n";

[[noreturn]] void Fatal(const char* message, size_t length) {
    std::fwrite(message, 1, length, stdout);
    std::fflush(stdout);
    std::exit(1);
}

// The largest power of two that fits the requested memory: the index is a
// mask of the key, never a division.
uint32_t EntriesFor(uint16_t megabytes) {
    const uint64_t requested = uint64_t{megabytes} * 1048576 / sizeof(HashEntry);
    uint64_t entries = 2;
    while (entries <= requested) entries *= 2;
    return static_cast<uint32_t>(entries / 2);
}

void Create(uint16_t megabytes) {
    const uint32_t entries = EntriesFor(megabytes);
    hash_table = static_cast<HashEntry*>(std::calloc(entries, sizeof(HashEntry)));
    if (hash_table == nullptr) Fatal(NO_MEMORY_MESSAGE, sizeof NO_MEMORY_MESSAGE - 1);
    hash_mask = entries - 1;
}

HashEntry& EntryOf(uint64_t key) { return hash_table[static_cast<uint32_t>(key) & hash_mask]; }
uint32_t LockOf(uint64_t key) { return static_cast<uint32_t>(key >> 32); }

// How a stored bound type reads for the side to move at the probing node.
// A cut-off (type 2) stored by White failed high, so it is a lower bound
// that settles a White node at or above beta; stored by Black it failed low
// and settles a Black node at or below alpha. Types 1 and 3 read the other
// way round, and never settle a node whose window contains the score.
template <Colour C>
struct StoredBound;

template <>
struct StoredBound<White> {
    static bool CutOffSettles(int32_t score, int32_t, int32_t beta) { return score >= beta; }
    static bool OtherSettles(int32_t score, int32_t alpha, int32_t) { return score < alpha; }
};

template <>
struct StoredBound<Black> {
    static bool CutOffSettles(int32_t score, int32_t alpha, int32_t) { return score <= alpha; }
    static bool OtherSettles(int32_t score, int32_t, int32_t beta) { return score > beta; }
};

}  // namespace

void HashAllocate() {
    HashRelease();  // a repeated "uci" must leave exactly one table
    Create(DEFAULT_MEGABYTES);
}

void HashResize(uint16_t megabytes) {
    if (hash_table == nullptr) Fatal(NOTHING_TO_RELEASE_MESSAGE, sizeof NOTHING_TO_RELEASE_MESSAGE - 1);
    HashRelease();
    if (megabytes == 0) megabytes = 1;
    if (megabytes > MAX_MEGABYTES) megabytes = MAX_MEGABYTES;
    Create(megabytes);
}

// Only the locks are cleared: a zero lock marks a slot empty whatever the
// rest of the entry still holds.
void HashClear() {
    if (hash_table == nullptr) return;
    for (uint64_t i = 0; i <= hash_mask; ++i) {
        hash_table[i].move_lock = 0;
        hash_table[i].score_lock = 0;
    }
}

void HashRelease() {
    std::free(hash_table);
    hash_table = nullptr;
}

void HashEnsure() {
    if (hash_table == nullptr) Create(DEFAULT_MEGABYTES);
}

const HashEntry* HashMoveEntry(uint64_t key) {
    const HashEntry& entry = EntryOf(key);
    return entry.move_lock == LockOf(key) ? &entry : nullptr;
}

// A move of this search yields only to one of at least its depth; a move of
// an earlier search always yields.
void HashStoreMove(const MoveList& list, uint8_t index, uint64_t key, uint8_t depth) {
    HashEntry& entry = EntryOf(key);
    if (entry.move_lock != 0 && entry.move_age == hash_age && depth < entry.move_depth) return;
    entry.move = list.moves[index];
    entry.move_depth = depth;
    entry.move_age = hash_age;
    entry.move_lock = LockOf(key);
}

// The same position is overwritten by depth alone. Another position's score
// also yields when it is two or more searches old; the ages are compared as
// plain integers, so just after the generation wraps nothing looks old.
void HashStoreScore(uint64_t key, int32_t score, uint8_t type, uint8_t depth) {
    HashEntry& entry = EntryOf(key);
    const uint32_t lock = LockOf(key);
    if (entry.score_lock != 0) {
        const bool deep_enough = depth >= entry.score_depth;
        if (entry.score_lock == lock) {
            if (!deep_enough) return;
        } else if (!(int{hash_age} > int{entry.score_age} + 1) && !deep_enough) {
            return;
        }
    }
    entry.score = score;
    entry.score_type = type;
    entry.score_age = hash_age;
    entry.score_lock = lock;
    entry.score_depth = depth;
}

void HashStore(const MoveList& list, uint8_t index, uint64_t key, int32_t score, uint8_t type, uint8_t depth, uint8_t ply) {
    const uint8_t remaining = static_cast<uint8_t>(depth - ply);
    HashStoreMove(list, index, key, remaining);
    HashStoreScore(key, score, type, remaining);
}

template <Colour C>
int32_t HashProbe(uint64_t key, uint8_t ply, uint8_t depth, int32_t alpha, int32_t beta) {
    const HashEntry& entry = EntryOf(key);
    if (entry.score_lock != LockOf(key)) return HASH_NONE;
    const int required = int{depth} - int{ply};
    if (int{entry.score_depth} < required) return HASH_NONE;
    const bool settles = entry.score_type == 2 ? StoredBound<C>::CutOffSettles(entry.score, alpha, beta)
                                               : StoredBound<C>::OtherSettles(entry.score, alpha, beta);
    return settles ? entry.score : HASH_NONE;
}

template int32_t HashProbe<White>(uint64_t, uint8_t, uint8_t, int32_t, int32_t);
template int32_t HashProbe<Black>(uint64_t, uint8_t, uint8_t, int32_t, int32_t);
