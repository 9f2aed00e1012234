// Check detection: is the king of colour C attacked?
#pragma once

#include "board/colour.h"
#include "movegen/side_rules.h"

// 0 when C's king is not attacked, else the code of the first attacker
// found. A side without a king is never in check.
template <Colour C>
uint8_t InCheck(const Position& position);

inline uint8_t InCheckWhite(const Position& position) { return InCheck<White>(position); }
inline uint8_t InCheckBlack(const Position& position) { return InCheck<Black>(position); }

// The from-squares whose moves need InCheck afterwards to know whether they
// left C's king attacked, given whether it was attacked before them. When it
// was not, a move can expose the king only by vacating a square on a line
// through it (uncovering a slider) or by moving a king; pieces landing on
// other squares only block, and a capture only removes attackers. En
// passant, which also empties the victim's square, is always tested (see
// NeedsCheckTest). A side without a king is never in check, so nothing needs testing.
template <Colour C>
Bitboard SquaresNeedingCheckTest(const Position& position, bool in_check) {
    const Bitboard kings = Pieces<C>(position)[KING];
    if (!kings) return 0;
    if (in_check) return ~Bitboard{0};
    return kings | lines_of<QueenDirections>[LowestSquare(kings)];
}

// Whether a move needs InCheck after it, given the position's
// SquaresNeedingCheckTest.
inline bool NeedsCheckTest(Bitboard squares, Move move) {
    return (squares & bit_mask[MoveFrom(move)]) || MoveType(move) == MOVE_EN_PASSANT;
}
