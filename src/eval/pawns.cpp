#include "eval/pawns.h"

#include <bit>

#include "board/colour.h"
#include "eval/phase.h"
#include "eval/tables.h"
#include "movegen/geometry.h"

namespace {

constexpr int32_t free_file_bonus = 20;       // no enemy pawn ahead on the pawn's own file
constexpr int32_t free_neighbour_bonus = 10;  // ... nor on a neighbouring file
constexpr int32_t doubled_pawn_penalty = 20;  // per file with two or more own pawns

// Where a colour's pawns look ahead, and how it reads the pawn tables.
template <Colour C> struct PawnSide;
template <> struct PawnSide<White> {
    static constexpr const SquareTable& ahead = ray_north;
    static constexpr uint8_t TableSquare(uint8_t s) { return s; }
};
template <> struct PawnSide<Black> {
    static constexpr const SquareTable& ahead = ray_south;
    // The pawn tables differ from rank to rank, so Black reads them turned
    // about the centre of the board (not at its own square as for kings,
    // knights and bishops).
    static constexpr uint8_t TableSquare(uint8_t s) { return 63 - s; }
};

// The number of files holding two or more of the given pawns: a file
// counts once however many pawns stand on it. A file holds two exactly
// when some pawn has another one below it.
int DoubledFiles(Bitboard pawns) {
    Bitboard above_a_pawn = pawns << 8;  // filled up the file to the last rank
    above_a_pawn |= above_a_pawn << 8;
    above_a_pawn |= above_a_pawn << 16;
    above_a_pawn |= above_a_pawn << 32;
    Bitboard files = pawns & above_a_pawn;  // folded onto the first rank
    files |= files >> 32;
    files |= files >> 16;
    files |= files >> 8;
    return std::popcount(files & 0xFF);
}

// The colour's own pawn score (positive is good for that colour).
template <Colour C>
int32_t PawnScore(const Position& p, bool endgame) {
    const Bitboard* own = Pieces<C>(p);
    const Bitboard enemy_pawns = Pieces<Opponent<C>>(p)[PAWN];
    const SquareTable& ahead = PawnSide<C>::ahead;
    int32_t score = 0;
    ForEachSquare(own[PAWN], [&](uint8_t s) {
        const uint8_t t = PawnSide<C>::TableSquare(s);
        const uint8_t f = FileOf(s);
        score += endgame ? pawn_table_end[t] : pawn_table_middle[t];
        // An enemy pawn ahead on the own file rules out every bonus, whatever
        // the neighbouring files hold.
        if (ahead[s] & enemy_pawns) return;
        score += free_file_bonus;
        int free_sides = f == 0 || f == 7;  // the board's edge is a free side
        if (f != 7 && !(ahead[s + 1] & enemy_pawns)) {
            score += free_neighbour_bonus;
            ++free_sides;
        }
        if (f != 0 && !(ahead[s - 1] & enemy_pawns)) {
            score += free_neighbour_bonus;
            ++free_sides;
        }
        if (free_sides == 2 && endgame) score += passed_pawn_bonus[t];
    });
    return score - doubled_pawn_penalty * DoubledFiles(own[PAWN]);
}

}  // namespace

void EvaluatePawns(const Position& p, int32_t& score, uint16_t non_pawn_white, uint16_t non_pawn_black) {
    score += PawnScore<White>(p, InEndgame<White>(non_pawn_white, non_pawn_black));
    score -= PawnScore<Black>(p, InEndgame<Black>(non_pawn_white, non_pawn_black));
}
