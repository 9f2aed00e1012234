#include "eval/evaluate.h"

#include <bit>

#include "board/colour.h"
#include "eval/kings.h"
#include "eval/pawns.h"
#include "eval/pieces.h"

namespace {

// What each piece counts towards its side's phase material; only the low
// 16 bits of a sum are kept.
constexpr int32_t phase_value[7] = {0, 0, 400, 400, 600, 1200, 0};

// The phase material of a colour: one popcount per piece kind gives the
// same sum as adding phase_value square by square.
template <Colour C>
uint16_t NonPawnMaterial(const Position& p) {
    const Bitboard* own = Pieces<C>(p);
    int32_t sum = 0;
    for (int code = KNIGHT; code <= QUEEN; ++code) sum += phase_value[code] * std::popcount(own[code]);
    return static_cast<uint16_t>(sum);
}

// The colour's own material; a king counts once, present or not.
template <Colour C>
int32_t Material(const Position& p) {
    const Bitboard* own = Pieces<C>(p);
    int32_t sum = own[KING] ? piece_value[KING] : 0;
    for (int code = PAWN; code <= QUEEN; ++code) sum += piece_value[code] * std::popcount(own[code]);
    return sum;
}

}  // namespace

int32_t Evaluate(const Position& p) {
    int32_t score = 0;
    const uint16_t non_pawn_white = NonPawnMaterial<White>(p);
    const uint16_t non_pawn_black = NonPawnMaterial<Black>(p);
    EvaluateKings(p, score, non_pawn_white, non_pawn_black);
    EvaluatePawns(p, score, non_pawn_white, non_pawn_black);
    EvaluatePieces(p, score);
    return score;
}

int32_t MaterialScore(const Position& p) { return Material<White>(p) - Material<Black>(p); }
