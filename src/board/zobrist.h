// Zobrist keys: the random piece-square keys, the fixed keys for side,
// castling and en passant, the key from scratch and its update after a move.
#pragma once

#include "board/types.h"

// Z[colour][piece][square]; colour 0 = Black, 1 = White. Zero until the
// first InitZobrist.
extern uint64_t Z[2][7][64];

// Fills Z from the engine's own 15-bit generator; every call continues the
// generator where the previous one stopped.
void InitZobrist();

// hash_key from the other fields of the record.
void ComputeHashKey(Position& position);

// hash_key after the move at list.moves[index], just made by the twin of
// `mover` (1 = White, 0 = Black) with `undo` filled by that make.
void UpdateHashKey(Position& position, const MoveList& list, uint8_t index, uint8_t mover, const UndoRecord& undo);
