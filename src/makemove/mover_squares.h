// What make, unmake and the key update need to know about the side that
// moves, beyond the fields colour.h already picks: the pawn's direction,
// the rook squares of both castlings, the corners whose rooks carry the
// opponent's rights, and the sign of material seen from White.
#pragma once

#include "board/colour.h"

template <Colour C>
struct MoverSquares;

template <>
struct MoverSquares<White> {
    static constexpr int forward = 8;            // a pawn's step
    static constexpr int double_push = 16;       // to - from of a double step
    static constexpr int en_passant_victim = -8;  // the pawn taken stands behind the target square
    static constexpr uint8_t queen_rook_from = 0, queen_rook_to = 3;
    static constexpr uint8_t king_rook_from = 7, king_rook_to = 5;
    // A rook taken on the opponent's corner costs the opponent that right.
    static constexpr uint8_t their_queen_corner = 56, their_king_corner = 63;
    static constexpr int32_t material_sign = 1;
    static uint8_t& TheirQueenSide(Position& p) { return p.castling_q; }
    static uint8_t& TheirKingSide(Position& p) { return p.castling_k; }
};

template <>
struct MoverSquares<Black> {
    static constexpr int forward = -8;
    static constexpr int double_push = -16;
    static constexpr int en_passant_victim = 8;
    static constexpr uint8_t queen_rook_from = 56, queen_rook_to = 59;
    static constexpr uint8_t king_rook_from = 63, king_rook_to = 61;
    static constexpr uint8_t their_queen_corner = 0, their_king_corner = 7;
    static constexpr int32_t material_sign = -1;
    static uint8_t& TheirQueenSide(Position& p) { return p.castling_Q; }
    static uint8_t& TheirKingSide(Position& p) { return p.castling_K; }
};
