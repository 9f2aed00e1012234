// Pawn structure: placement by square, free files ahead, the passed-pawn
// bonus in the endgame, and doubled pawns. Only enemy pawns block a pawn.
#pragma once

#include <cstdint>

#include "board/types.h"

// Adds White's pawn score to `score` and subtracts Black's.
void EvaluatePawns(const Position& position, int32_t& score, uint16_t non_pawn_white, uint16_t non_pawn_black);
