// Quiet move generation: moves to empty squares that do not promote, and
// castling, appended behind the captures.
#pragma once

#include "board/colour.h"

template <Colour C>
void GenerateQuiet(MoveList& list, const Position& position);

inline void GenerateQuietWhite(MoveList& list, const Position& position) { GenerateQuiet<White>(list, position); }
inline void GenerateQuietBlack(MoveList& list, const Position& position) { GenerateQuiet<Black>(list, position); }

// True when GenerateQuiet<C> would write this move word for the position:
// the cheap way to learn whether a move from elsewhere (a killer, the
// table's move) is among the quiet moves without generating them all.
template <Colour C>
bool GeneratesQuiet(const Position& position, Move move);

// Non-zero when square s of C's home rank is attacked by the other colour.
template <Colour C>
uint8_t CastleSquareAttacked(const Position& position, uint8_t s);

inline uint8_t CastleSquareAttackedWhite(const Position& p, uint8_t s) { return CastleSquareAttacked<White>(p, s); }
inline uint8_t CastleSquareAttackedBlack(const Position& p, uint8_t s) { return CastleSquareAttacked<Black>(p, s); }
