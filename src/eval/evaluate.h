// Static evaluation, White's point of view. The full static score of a
// position is Evaluate(position) + position.eval.
#pragma once

#include "board/types.h"

// The positional part: king placement and shelter, pawn structure, knights,
// bishops and rook file mobility.
int32_t Evaluate(const Position& position);

// The material balance from scratch (the value make/unmake keep in eval).
int32_t MaterialScore(const Position& position);
