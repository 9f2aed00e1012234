// The board edits make and unmake are built from. Each one changes the
// bitboards by XOR with bit_mask entries and keeps the square arrays in
// step; none touches all_piece, which the caller rebuilds once at the end.
#pragma once

#include <cstddef>
#include <cstring>

#include "board/colour.h"
#include "movegen/geometry.h"

// Flips square s of colour C's piece `piece` in its occupancy and piece
// bitboard; the same call puts a piece on the square or lifts it off.
template <Colour C>
inline void Toggle(Position& p, uint8_t piece, uint8_t s) {
    Occupancy<C>(p) ^= bit_mask[s];
    Pieces<C>(p)[piece] ^= bit_mask[s];
}

// Moves C's piece from one square to an empty one.
template <Colour C>
inline void Relocate(Position& p, uint8_t piece, uint8_t from, uint8_t to) {
    const Bitboard both = bit_mask[from] | bit_mask[to];
    Occupancy<C>(p) ^= both;
    Pieces<C>(p)[piece] ^= both;
    Names<C>(p)[to] = piece;
    Names<C>(p)[from] = NO_PIECE;
}

// Removes colour C's piece from s and returns its code.
template <Colour C>
inline uint8_t Lift(Position& p, uint8_t s) {
    const uint8_t piece = Names<C>(p)[s];
    Toggle<C>(p, piece, s);
    Names<C>(p)[s] = NO_PIECE;
    return piece;
}

// Puts colour C's piece on the empty square s.
template <Colour C>
inline void Drop(Position& p, uint8_t piece, uint8_t s) {
    Toggle<C>(p, piece, s);
    Names<C>(p)[s] = piece;
}

// Castling moves two pieces; run with the squares swapped it takes the
// castling back.
template <Colour C>
inline void MoveKingAndRook(Position& p, uint8_t king_from, uint8_t king_to, uint8_t rook_from, uint8_t rook_to) {
    Relocate<C>(p, Names<C>(p)[king_from], king_from, king_to);
    Relocate<C>(p, Names<C>(p)[rook_from], rook_from, rook_to);
}

// The seven bytes a make can change besides the pieces and eval, saved
// before a make and restored by the unmake. They stand in the same order in
// the position and in the undo record, so they travel as one block.
static_assert(offsetof(Position, castling_k) - offsetof(Position, taking_passage_yes) == sizeof(UndoRecord) - 1);
static_assert(offsetof(UndoRecord, castling_k) == sizeof(UndoRecord) - 1);

inline void CopyRights(UndoRecord& to, const Position& from) { std::memcpy(&to, &from.taking_passage_yes, sizeof to); }
inline void CopyRights(Position& to, const UndoRecord& from) { std::memcpy(&to.taking_passage_yes, &from, sizeof from); }
