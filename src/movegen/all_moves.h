// Every pseudo-legal move of colour C: the captures first, with their keys,
// then the quiet moves appended to the same list.
#pragma once

#include "movegen/captures.h"
#include "movegen/quiet.h"

template <Colour C>
inline void GenerateAll(MoveList& list, const Position& position) {
    GenerateCaptures<C>(list, position);
    GenerateQuiet<C>(list, position);
}

// The same for the side to move, for callers outside the colour twins.
inline void GenerateAllOfSideToMove(MoveList& list, const Position& position) {
    if (position.colour_move == 1) GenerateAll<White>(list, position); else GenerateAll<Black>(list, position);
}
