#include "eval/pieces.h"

#include <bit>

#include "board/colour.h"
#include "eval/tables.h"
#include "movegen/geometry.h"

uint8_t RookFileMobility(uint8_t s, Bitboard occupied, Bitboard own) {
    // Cutting a ray at its first blocker b leaves the squares up to and
    // including b; the own-colour mask then takes b out again if it is ours.
    // A ray without a blocker is cut at a sentinel square whose own ray is
    // empty (h8 going up, a1 going down), which leaves it whole; when the
    // sentinel is a real blocker, its ray is empty all the same.
    const Bitboard up = ray_north[s] ^ ray_north[LowestSquare((ray_north[s] & occupied) | bit_mask[63])];
    const Bitboard down = ray_south[s] ^ ray_south[HighestSquare((ray_south[s] & occupied) | bit_mask[0])];
    return static_cast<uint8_t>(std::popcount((up | down) & ~own));
}

namespace {

// A square table whose values are all multiples of `unit` from 0 to 7 units,
// split into three bit planes: the table's sum over a set of squares is then
// unit * (n0 + 2 n1 + 4 n2), with n the set's count on each plane, which
// takes three popcounts instead of a walk over the squares.
struct TablePlanes {
    int32_t unit;
    Bitboard plane[3];
};

constexpr TablePlanes SplitIntoPlanes(const std::array<int8_t, 64>& table, int32_t unit) {
    TablePlanes planes{unit, {}};
    for (int s = 0; s < 64; ++s) {
        const int units = table[s] / unit;
        for (int b = 0; b < 3; ++b) {
            if (units >> b & 1) planes.plane[b] |= Bitboard{1} << s;
        }
    }
    return planes;
}

constexpr bool SplitsExactly(const std::array<int8_t, 64>& table, int32_t unit) {
    for (int8_t v : table) {
        if (v < 0 || v % unit != 0 || v / unit > 7) return false;
    }
    return true;
}

static_assert(SplitsExactly(knight_table, 5) && SplitsExactly(bishop_table, 5));
constexpr TablePlanes knight_planes = SplitIntoPlanes(knight_table, 5);
constexpr TablePlanes bishop_planes = SplitIntoPlanes(bishop_table, 5);

int32_t TableSum(const TablePlanes& t, Bitboard squares) {
    return t.unit * (std::popcount(squares & t.plane[0]) + 2 * std::popcount(squares & t.plane[1]) +
                     4 * std::popcount(squares & t.plane[2]));
}

// The colour's own piece score (positive is good for that colour). Knight
// and bishop tables are the same for both colours at a piece's own square.
template <Colour C>
int32_t PieceScore(const Position& p) {
    const Bitboard* own = Pieces<C>(p);
    int32_t score = TableSum(bishop_planes, own[BISHOP]) + TableSum(knight_planes, own[KNIGHT]);
    ForEachSquare(own[ROOK], [&](uint8_t s) { score += RookFileMobility(s, p.all_piece, Occupancy<C>(p)); });
    return score;
}

}  // namespace

void EvaluatePieces(const Position& p, int32_t& score) {
    score += PieceScore<White>(p);
    score -= PieceScore<Black>(p);
}
