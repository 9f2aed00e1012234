// What differs between the colours in move generation, and nothing else.
// The generators are written once over a compile-time colour; these records
// carry the few places where Black is not a plain mirror of White, so that
// every exception is visible here rather than as a branch in a body.
#pragma once

#include "board/colour.h"
#include "movegen/geometry.h"

// The ray directions along which a sliding piece moves, as a type, so that a
// body can visit them in a fixed order with a fold expression.
template <Direction... Ds>
struct Directions {};

// The order in which every generator and attack test visits the rays of
// each sliding piece. It fixes the order of the move list, so it is part of
// the engine's behaviour, not a detail.
using RookDirections = Directions<NORTH, WEST, SOUTH, EAST>;
using BishopDirections = Directions<NORTH_EAST, NORTH_WEST, SOUTH_WEST, SOUTH_EAST>;
using QueenDirections = Directions<NORTH, WEST, SOUTH, EAST, NORTH_EAST, NORTH_WEST, SOUTH_WEST, SOUTH_EAST>;

// A diagonal pawn step of `offset` squares, impossible from `excluded_file`
// (the step would wrap round the board's edge).
struct DiagonalStep {
    int8_t offset;
    uint8_t excluded_file;
};

template <Colour C>
struct PawnRules;

template <>
struct PawnRules<White> {
    static constexpr int8_t forward = 8;
    static constexpr uint8_t promotion_rank = 6;  // the rank a promoting pawn leaves
    static constexpr uint8_t start_rank = 1;      // double steps leave from here
    static constexpr uint8_t en_passant_rank = 4;
    static constexpr const SquareTable& attacks = pawn_attacks_white;
    // Tried in this order; at most one can hold.
    static constexpr DiagonalStep en_passant_tests[2] = {{9, 7}, {7, 0}};
    // Where a Black pawn attacking a White king stands, tried in this order;
    // none can stand beyond the last rank.
    static constexpr uint8_t last_rank = 7;
    static constexpr DiagonalStep enemy_pawn_steps[2] = {{7, 0}, {9, 7}};
    // Steps are written lowest target first: single step, then double.
    static constexpr bool double_step_first = false;
};

template <>
struct PawnRules<Black> {
    static constexpr int8_t forward = -8;
    static constexpr uint8_t promotion_rank = 1;
    static constexpr uint8_t start_rank = 6;
    static constexpr uint8_t en_passant_rank = 3;
    static constexpr const SquareTable& attacks = pawn_attacks_black;
    // Not the mirror of White's order: the west capture is tried first.
    static constexpr DiagonalStep en_passant_tests[2] = {{-9, 0}, {-7, 7}};
    static constexpr uint8_t last_rank = 0;
    static constexpr DiagonalStep enemy_pawn_steps[2] = {{-7, 7}, {-9, 0}};
    // Lowest target first means the double step (two ranks down) comes first.
    static constexpr bool double_step_first = true;
};

// The squares from which an enemy pawn attacks C's king on k: one rank
// ahead of the king, diagonally, none beyond the last rank or round the
// board's edge.
template <Colour C>
constexpr SquareTable EnemyPawnSquares() {
    SquareTable t{};
    for (int k = 0; k < 64; ++k) {
        if (RankOf(static_cast<uint8_t>(k)) == PawnRules<C>::last_rank) continue;
        for (const DiagonalStep& step : PawnRules<C>::enemy_pawn_steps) {
            if (FileOf(static_cast<uint8_t>(k)) != step.excluded_file) t[k] |= Bitboard{1} << (k + step.offset);
        }
    }
    return t;
}
template <Colour C>
inline constexpr SquareTable enemy_pawn_squares = EnemyPawnSquares<C>();

// One castling move: the right that allows it, the squares that must be
// empty, the squares that must not be attacked (tested in this order) and
// the king's target.
struct CastleMove {
    uint8_t Position::*right;
    Bitboard must_be_empty;
    uint8_t tested[3];
    uint8_t king_to;
};

template <Colour C>
struct CastleRules;

// The home rank is attacked only from the directions that point away from
// it, so the castling-square test looks along those alone. The rook rays are
// listed in the order the test takes them.
template <>
struct CastleRules<White> {
    static constexpr CastleMove queen_side = {&Position::castling_Q, bit_mask[1] | bit_mask[2] | bit_mask[3], {2, 3, 4}, 2};
    static constexpr CastleMove king_side = {&Position::castling_K, bit_mask[5] | bit_mask[6], {4, 5, 6}, 6};
    using rook_rays = Directions<NORTH, WEST, EAST>;
    using bishop_rays = Directions<NORTH_EAST, NORTH_WEST>;
    static constexpr int8_t pawn_offsets[2] = {7, 9};  // where a Black pawn attacking s stands
};

template <>
struct CastleRules<Black> {
    static constexpr CastleMove queen_side = {&Position::castling_q, bit_mask[57] | bit_mask[58] | bit_mask[59], {58, 59, 60}, 58};
    static constexpr CastleMove king_side = {&Position::castling_k, bit_mask[61] | bit_mask[62], {60, 61, 62}, 62};
    using rook_rays = Directions<WEST, SOUTH, EAST>;
    using bishop_rays = Directions<SOUTH_WEST, SOUTH_EAST>;
    static constexpr int8_t pawn_offsets[2] = {-7, -9};
};

// Every square on the given rays from each square, so that one AND tells
// whether a slider stands anywhere on them before any ray is walked.
template <Direction... Ds>
constexpr SquareTable LinesOf(Directions<Ds...>) {
    SquareTable t{};
    for (int s = 0; s < 64; ++s) t[s] = (RayTable<Ds>()[s] | ...);
    return t;
}
template <typename Rays>
inline constexpr SquareTable lines_of = LinesOf(Rays{});

// The code of the nearest piece on ray D from s when it is one of the
// Attacker's `sliders`, else 0. Most rays hold no such slider at all, so
// that cheap test comes before the bit scan.
template <Colour Attacker, Direction D>
inline uint8_t SliderOnRay(const Position& p, uint8_t s, Bitboard sliders) {
    if (!(RayTable<D>()[s] & sliders)) return 0;
    const int blocker = NearestBlocker<D>(s, p.all_piece);  // the ray holds a slider, so a blocker exists
    return (bit_mask[blocker] & sliders) ? Names<Attacker>(p)[blocker] : 0;
}

// The first of the Attacker's pieces of kind a or b found along the rays,
// in their order: its code, or 0.
template <Colour Attacker, Direction... Ds>
inline uint8_t FirstSliderOn(Directions<Ds...>, const Position& p, uint8_t s, uint8_t a, uint8_t b) {
    const Bitboard sliders = Pieces<Attacker>(p)[a] | Pieces<Attacker>(p)[b];
    if (!(lines_of<Directions<Ds...>>[s] & sliders)) return 0;
    uint8_t code = 0;
    (void)((code = SliderOnRay<Attacker, Ds>(p, s, sliders)) || ...);
    return code;
}
