// The transposition table: one array of entries, each with a move slot and
// a score slot that are locked, aged and replaced independently.
#pragma once

#include "board/colour.h"

struct HashEntry {
    uint32_t move_lock;  // high half of the key whose move is stored; 0 = empty
    Move move;
    uint8_t move_depth;
    uint8_t move_age;
    uint32_t score_lock;  // high half of the key whose score is stored; 0 = empty
    int32_t score;        // White's point of view
    uint8_t score_type;   // 1 inside the window, 2 cut-off, 3 every move failed
    uint8_t score_depth;
    uint8_t score_age;
};

inline constexpr int32_t HASH_NONE = -1000000000;

extern HashEntry* hash_table;  // null before the first "uci"
extern uint32_t hash_mask;     // entries - 1; the entry count is a power of two
extern uint8_t hash_age;       // search generation: 0 after uci/ucinewgame, then 1..251

void HashAllocate();                   // a fresh 1 MB table in place of any other
void HashResize(uint16_t megabytes);  // exits with a message when no table exists
void HashClear();
void HashRelease();
void HashEnsure();  // creates the default table if none exists yet

// Starts loading the entry of a key that the search will probe soon (the
// child's, right after a move), so that the probe does not wait on memory.
inline void HashPrefetch(uint64_t key) {
    if (hash_table != nullptr) __builtin_prefetch(&hash_table[static_cast<uint32_t>(key) & hash_mask]);
}

// The entry whose move slot holds a move for this key, or null.
const HashEntry* HashMoveEntry(uint64_t key);

void HashStoreMove(const MoveList& list, uint8_t index, uint64_t key, uint8_t depth);
void HashStoreScore(uint64_t key, int32_t score, uint8_t type, uint8_t depth);
void HashStore(const MoveList& list, uint8_t index, uint64_t key, int32_t score, uint8_t type, uint8_t depth, uint8_t ply);

// A stored score that settles a node of colour C to move, or HASH_NONE.
template <Colour C>
int32_t HashProbe(uint64_t key, uint8_t ply, uint8_t depth, int32_t alpha, int32_t beta);

inline int32_t HashProbeWhite(uint64_t k, uint8_t ply, uint8_t d, int32_t a, int32_t b) { return HashProbe<White>(k, ply, d, a, b); }
inline int32_t HashProbeBlack(uint64_t k, uint8_t ply, uint8_t d, int32_t a, int32_t b) { return HashProbe<Black>(k, ply, d, a, b); }
