// One iteration of the search over the root moves.
#pragma once

#include "board/colour.h"

// Searches every legal move of the root list to the given depth, writes
// each move's score into its key, keeps the best move in best_from/best_to
// and its line in pv, and returns the best score (White's view). The
// position comes back unchanged, which a self-check verifies.
template <Colour C>
int32_t RootSearch(Position& position, MoveList& list, uint8_t depth);

inline int32_t RootSearchWhite(Position& p, MoveList& l, uint8_t d) { return RootSearch<White>(p, l, d); }
inline int32_t RootSearchBlack(Position& p, MoveList& l, uint8_t d) { return RootSearch<Black>(p, l, d); }
