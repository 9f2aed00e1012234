// Compile-time colours. Every colour twin is one template over `Colour`;
// these accessors pick the colour's own fields so that a template body
// reads the same for White and Black with no run-time test.
#pragma once

#include "board/types.h"

enum Colour : uint8_t { Black = 0, White = 1 };

template <Colour C>
inline constexpr Colour Opponent = C == White ? Black : White;

template <Colour C>
constexpr Bitboard& Occupancy(Position& p) {
    if constexpr (C == White) return p.all_white_piece; else return p.all_black_piece;
}
template <Colour C>
constexpr const Bitboard& Occupancy(const Position& p) {
    if constexpr (C == White) return p.all_white_piece; else return p.all_black_piece;
}
template <Colour C>
constexpr Bitboard* Pieces(Position& p) {
    if constexpr (C == White) return p.white_piece; else return p.black_piece;
}
template <Colour C>
constexpr const Bitboard* Pieces(const Position& p) {
    if constexpr (C == White) return p.white_piece; else return p.black_piece;
}
template <Colour C>
constexpr uint8_t* Names(Position& p) {
    if constexpr (C == White) return p.white_name_from_coord; else return p.black_name_from_coord;
}
template <Colour C>
constexpr const uint8_t* Names(const Position& p) {
    if constexpr (C == White) return p.white_name_from_coord; else return p.black_name_from_coord;
}
// The colour's own castling rights.
template <Colour C>
constexpr uint8_t& CastleQueenSide(Position& p) {
    if constexpr (C == White) return p.castling_Q; else return p.castling_q;
}
template <Colour C>
constexpr uint8_t& CastleKingSide(Position& p) {
    if constexpr (C == White) return p.castling_K; else return p.castling_k;
}
