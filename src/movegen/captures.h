// Capture generation: captures, en-passant captures and promotions of the
// side to move, each with its ordering key, written from entry 0.
#pragma once

#include "board/colour.h"

template <Colour C>
void GenerateCaptures(MoveList& list, const Position& position);

inline void GenerateCapturesWhite(MoveList& list, const Position& position) { GenerateCaptures<White>(list, position); }
inline void GenerateCapturesBlack(MoveList& list, const Position& position) { GenerateCaptures<Black>(list, position); }
