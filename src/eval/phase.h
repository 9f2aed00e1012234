// The game phase of each side's king and pawn terms: a side plays its
// endgame form once the opponent's non-pawn material has fallen to
// `endgame_limit` (queen and rook) or less. The two sides can be in
// different phases at once.
#pragma once

#include <cstdint>

#include "board/colour.h"

inline constexpr uint16_t endgame_limit = 1800;

template <Colour C>
constexpr bool InEndgame(uint16_t non_pawn_white, uint16_t non_pawn_black) {
    if constexpr (C == White) return non_pawn_black <= endgame_limit; else return non_pawn_white <= endgame_limit;
}
