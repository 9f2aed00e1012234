// King placement and shelter: before the endgame a king on its first rank
// at the wings, with own pieces in front of it; in the endgame a central king.
#pragma once

#include <cstdint>

#include "board/types.h"

// Adds White's king score to `score` and subtracts Black's. A side without
// a king adds nothing.
void EvaluateKings(const Position& position, int32_t& score, uint16_t non_pawn_white, uint16_t non_pawn_black);
