#include "movegen/check.h"

#include "movegen/geometry.h"
#include "movegen/side_rules.h"

// Stops at the first attacker, in the order rook lines, bishop lines,
// knights, king, pawns.
template <Colour C>
uint8_t InCheck(const Position& p) {
    constexpr Colour Them = Opponent<C>;
    const Bitboard king_set = Pieces<C>(p)[KING];
    if (!king_set) return 0;  // no king, nothing to attack
    const uint8_t k = LowestSquare(king_set);
    const Bitboard* theirs = Pieces<Them>(p);
    if (const uint8_t code = FirstSliderOn<Them>(RookDirections{}, p, k, ROOK, QUEEN)) return code;
    if (const uint8_t code = FirstSliderOn<Them>(BishopDirections{}, p, k, BISHOP, QUEEN)) return code;
    if (knight_attacks[k] & theirs[KNIGHT]) return KNIGHT;
    if (king_attacks[k] & theirs[KING]) return KING;
    if (enemy_pawn_squares<C>[k] & theirs[PAWN]) return PAWN;
    return 0;
}

template uint8_t InCheck<White>(const Position&);
template uint8_t InCheck<Black>(const Position&);
