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

// One pass of the exchange sort: entry i is held in registers while j runs;
// each exchange puts it at j and takes up the entry that stood there, as a
// swap would. Afterwards entry i holds its final value, and the entries
// before i were not touched.
void SortPass(MoveList& list, int i) {
    const int n = list.capture_count;
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

// An exchange sort with a strict comparison: which of two equal keys ends up
// first depends on the exchanges made on the way, and the search's node
// counts depend on that order, so no other sort may stand in for it.
void SortMoves(MoveList& list) {
    for (int i = 0; i + 1 < list.capture_count; ++i) SortPass(list, i);
}

void KillersToFront(MoveList& list, uint8_t p, uint8_t ply) {
    BringForward(list, killer_first[ply], p);
    BringForward(list, killer_second[ply], p + 1);
}

void MoveToFront(MoveList& list, Move move) { BringForward(list, move, 0); }

void HashMoveToFront(MoveList& list, const HashEntry& entry) { MoveToFront(list, entry.move); }

void StoreKiller(uint8_t ply, const MoveList& list, uint8_t index) {
    const Move move = list.moves[index];
    if (killer_first[ply] == move) return;
    killer_second[ply] = killer_first[ply];
    killer_first[ply] = move;
}
