#include "search/move_stages.h"

#include <algorithm>

#include "movegen/captures.h"
#include "movegen/quiet.h"
#include "search/hash_table.h"
#include "search/ordering.h"

namespace {

// Where the first killer goes: behind the best capture when it wins
// material by its key, else in front. Read once the best capture stands at
// index 0; its key stays there through both stages.
uint8_t KillerSlot(const MoveList& list) { return list.capture_count > 0 && list.keys[0] >= 0 ? 1 : 0; }

bool AmongCaptures(const MoveList& list, Move move) {
    return std::find(list.moves, list.moves + list.capture_count, move) != list.moves + list.capture_count;
}

// Whether the whole list would hold the move: a capture already in the
// list or a quiet move the generator would write. No move word is 0.
template <Colour C>
bool InFullList(const MoveList& list, const Position& position, Move move) {
    return move != 0 && (AmongCaptures(list, move) || GeneratesQuiet<C>(position, move));
}

// The first move of the full order, read from the captures once the best
// one stands in front: the table's move when the list holds it; else the
// best capture when it wins material by its key (the killers go behind
// it); else the first killer when the list holds it; else the best capture. 0 when only the quiet
// moves can tell (no capture, no usable table move or killer).
template <Colour C>
Move EarlyFirstMove(const MoveList& list, const MoveStages& stages, const Position& position, uint8_t ply) {
    if (InFullList<C>(list, position, stages.hash_move)) return stages.hash_move;
    if (KillerSlot(list) == 1) return list.moves[0];
    if (InFullList<C>(list, position, killer_first[ply])) return killer_first[ply];
    return list.capture_count > 0 ? list.moves[0] : 0;
}

}  // namespace

template <Colour C>
void StartMoves(MoveList& list, MoveStages& stages, const Position& position, uint8_t ply) {
    GenerateCaptures<C>(list, position);
    // The first pass of the capture sort puts the best capture in front,
    // which is all the first move needs; the other passes wait for the rest.
    if (list.capture_count > 1) SortPass(list, 0);
    const HashEntry* entry = HashMoveEntry(position.hash_key);
    stages.hash_move = entry != nullptr ? entry->move : 0;
    stages.quiet_pending = false;

    const Move first = EarlyFirstMove<C>(list, stages, position, ply);
    if (first == 0) {
        CompleteMoves<C>(list, stages, position, ply);
        return;
    }
    stages.quiet_pending = true;
    if (list.capture_count > 0) stages.displaced_move = list.moves[0];
    list.moves[0] = first;
}

template <Colour C>
void CompleteMoves(MoveList& list, MoveStages& stages, const Position& position, uint8_t ply) {
    // The later passes touch only the entries behind index 0.
    for (int i = 1; i + 1 < list.capture_count; ++i) SortPass(list, i);
    if (stages.quiet_pending && list.capture_count > 0) list.moves[0] = stages.displaced_move;
    stages.quiet_pending = false;
    list.move_count = list.capture_count;
    GenerateQuiet<C>(list, position);
    // The killer slots of this ply are written only by this node's own
    // cutoff, so they still hold what they held when the node began.
    KillersToFront(list, KillerSlot(list), ply);
    MoveToFront(list, stages.hash_move);
}

template void StartMoves<White>(MoveList&, MoveStages&, const Position&, uint8_t);
template void StartMoves<Black>(MoveList&, MoveStages&, const Position&, uint8_t);
template void CompleteMoves<White>(MoveList&, MoveStages&, const Position&, uint8_t);
template void CompleteMoves<Black>(MoveList&, MoveStages&, const Position&, uint8_t);
