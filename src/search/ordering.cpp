#include "search/ordering.h"

#include <utility>

Move killer_first[102];
Move killer_second[102];

namespace {

// Brings the entry at `from` to `to` (from >= to), shifting the entries in
// between one place up, so that their order among themselves is kept.
void MoveEntryTo(MoveList& list, int from, int to) {
    const Move move = list.moves[from];
    const int32_t key = list.keys[from];
    for (int c = from; c > to; --c) {
        list.moves[c] = list.moves[c - 1];
        list.keys[c] = list.keys[c - 1];
    }
    list.moves[to] = move;
    list.keys[to] = key;
}

// Moves the first occurrence of `move` at or after position `target` to
// `target`; a move absent from that range leaves the list as it is.
void BringForward(MoveList& list, Move move, int target) {
    if (move == 0) return;  // an empty killer slot; no move word is 0
    for (int c = target; c < list.move_count; ++c) {
        if (list.moves[c] == move) {
            MoveEntryTo(list, c, target);
            return;
        }
    }
}

}  // namespace

// An exchange sort with a strict comparison: which of two equal keys ends up
// first depends on the exchanges made on the way, and the search's node
// counts depend on that order, so no other sort may stand in for it.
void SortMoves(MoveList& list) {
    const int n = list.capture_count;
    for (int i = 0; i + 1 < n; ++i) {
        // Entry i is held in registers while j runs; each exchange puts it
        // at j and takes up the entry that stood there, as a swap would.
        Move move = list.moves[i];
        int32_t key = list.keys[i];
        for (int j = i + 1; j < n; ++j) {
            if (key < list.keys[j]) {
                std::swap(move, list.moves[j]);
                std::swap(key, list.keys[j]);
            }
        }
        list.moves[i] = move;
        list.keys[i] = key;
    }
}

void KillersToFront(MoveList& list, uint8_t p, uint8_t ply) {
    BringForward(list, killer_first[ply], p);
    BringForward(list, killer_second[ply], p + 1);
}

void HashMoveToFront(MoveList& list, const HashEntry& entry) { BringForward(list, entry.move, 0); }

void StoreKiller(uint8_t ply, const MoveList& list, uint8_t index) {
    const Move move = list.moves[index];
    if (killer_first[ply] == move) return;
    killer_second[ply] = killer_first[ply];
    killer_first[ply] = move;
}
