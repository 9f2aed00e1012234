#include "movegen/check.h"

#include "movegen/geometry.h"
#include "movegen/side_rules.h"

namespace {

// Where an enemy pawn attacking the king stands, and the file the king must
// not be on for that square to be a true diagonal neighbour (not a wrap
// round the board's edge). The king's own last rank cannot be attacked by
// pawns at all.
struct PawnAttacker {
    int8_t offset;
    uint8_t excluded_file;
};

template <Colour C>
struct PawnCheckRules;

template <>
struct PawnCheckRules<White> {
    static constexpr uint8_t last_rank = 7;
    static constexpr PawnAttacker attackers[2] = {{7, 0}, {9, 7}};
};

template <>
struct PawnCheckRules<Black> {
    static constexpr uint8_t last_rank = 0;
    static constexpr PawnAttacker attackers[2] = {{-7, 7}, {-9, 0}};
};

}  // namespace

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
    if (RankOf(k) != PawnCheckRules<C>::last_rank) {
        for (const PawnAttacker& a : PawnCheckRules<C>::attackers) {
            if (FileOf(k) != a.excluded_file && Names<Them>(p)[k + a.offset] == PAWN) return PAWN;
        }
    }
    return 0;
}

template uint8_t InCheck<White>(const Position&);
template uint8_t InCheck<Black>(const Position&);
