#include "eval/kings.h"

#include <bit>

#include "board/colour.h"
#include "eval/phase.h"
#include "eval/tables.h"
#include "movegen/geometry.h"

namespace {

constexpr int32_t shelter_penalty = 20;  // per shelter square without an own piece

// The three squares one rank in front of a king at k: k + forward - 1,
// k + forward, k + forward + 1. They come from plain arithmetic on the
// square number, so on the edge files one of them wraps to the far side of
// the board: for White an a-file king's k + 7 is the h-file square of its
// own rank and an h-file king's k + 9 the a-file square two ranks up; for
// Black an h-file king's k - 7 is on its own rank and an a-file king's k - 9
// two ranks down. The two colours' wraps are therefore not mirror images.
// Squares past 63 or below 0 are left out, which makes them count as empty.
constexpr SquareTable ShelterSquares(int forward) {
    SquareTable table{};
    for (int k = 0; k < 64; ++k) {
        for (int s = k + forward - 1; s <= k + forward + 1; ++s) {
            if (s >= 0 && s < 64) table[k] |= Bitboard{1} << s;
        }
    }
    return table;
}

// Which way "in front of the king" points for each colour.
template <Colour C> struct KingShelter;
template <> struct KingShelter<White> { static constexpr SquareTable squares = ShelterSquares(8); };
template <> struct KingShelter<Black> { static constexpr SquareTable squares = ShelterSquares(-8); };

// The colour's own king score (positive is good for that colour).
template <Colour C>
int32_t KingScore(const Position& p, bool endgame) {
    const Bitboard king = Pieces<C>(p)[KING];
    if (!king) return 0;
    const uint8_t k = LowestSquare(king);
    if (endgame) return king_table_end[k];
    // Any own piece shelters, not only a pawn.
    const int empty = 3 - std::popcount(KingShelter<C>::squares[k] & Occupancy<C>(p));
    return king_table_middle[k] - shelter_penalty * empty;
}

}  // namespace

void EvaluateKings(const Position& p, int32_t& score, uint16_t non_pawn_white, uint16_t non_pawn_black) {
    score += KingScore<White>(p, InEndgame<White>(non_pawn_white, non_pawn_black));
    score -= KingScore<Black>(p, InEndgame<Black>(non_pawn_white, non_pawn_black));
}
