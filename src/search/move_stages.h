// A node's moves in the order the search tries them: the table's move, then
// the captures by key with the killers behind the best capture (or in front
// when no capture wins material by its key), then the quiet moves.
//
// Most nodes end with their first move, so the list is filled in two
// stages: first the captures, with the first move of the order standing at
// index 0 whenever it can be told without the quiet moves; the rest of the
// capture sort and the quiet moves follow only once that move has failed
// to end the node. Entry i is always the same as if the whole list had
// been ordered at once.
#pragma once

#include "board/colour.h"

struct MoveStages {
    Move hash_move;          // the table's move as the node began (the table changes below it)
    bool quiet_pending;      // index 0 holds the early first move; the rest is still to come
    Move displaced_move;     // the capture whose place the early first move holds (its key stays)
};

// Generates the captures and puts the first move in place, or orders the
// whole list when the first move needs the quiet moves.
template <Colour C>
void StartMoves(MoveList& list, MoveStages& stages, const Position& position, uint8_t ply);

// Finishes the capture sort, adds the quiet moves and puts every move in
// its final place.
template <Colour C>
void CompleteMoves(MoveList& list, MoveStages& stages, const Position& position, uint8_t ply);

// True when the node has an entry i, which is then final; completes the
// list when the search goes past the early first move. The position must be
// the node's own (every move taken back).
template <Colour C>
inline bool MoveReady(MoveList& list, MoveStages& stages, const Position& position, uint8_t ply, int i) {
    if (stages.quiet_pending) {
        if (i == 0) return true;
        CompleteMoves<C>(list, stages, position, ply);
    }
    return i < list.move_count;
}
