#include "eval/pieces.h"

#include <bit>

#include "board/colour.h"
#include "eval/tables.h"
#include "movegen/geometry.h"

uint8_t RookFileMobility(uint8_t s, Bitboard occupied, Bitboard own) {
    // Cutting a ray at its first blocker b leaves the squares up to and
    // including b; the own-colour mask then takes b out again if it is ours.
    Bitboard up = ray_north[s];
    if (up & occupied) up ^= ray_north[LowestSquare(up & occupied)];
    Bitboard down = ray_south[s];
    if (down & occupied) down ^= ray_south[HighestSquare(down & occupied)];
    return static_cast<uint8_t>(std::popcount((up | down) & ~own));
}

namespace {

// The colour's own piece score (positive is good for that colour).
template <Colour C>
int32_t PieceScore(const Position& p) {
    const Bitboard* own = Pieces<C>(p);
    int32_t score = 0;
    ForEachSquare(own[ROOK], [&](uint8_t s) { score += RookFileMobility(s, p.all_piece, Occupancy<C>(p)); });
    ForEachSquare(own[BISHOP], [&](uint8_t s) { score += bishop_table[s]; });
    ForEachSquare(own[KNIGHT], [&](uint8_t s) { score += knight_table[s]; });
    return score;
}

}  // namespace

void EvaluatePieces(const Position& p, int32_t& score) {
    score += PieceScore<White>(p);
    score -= PieceScore<Black>(p);
}
