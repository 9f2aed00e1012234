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

constexpr Bitboard file_a = 0x0101010101010101ull;
constexpr Bitboard file_h = 0x8080808080808080ull;

// Every square behind some pawn of the set, as seen by the other colour:
// the squares from which an enemy pawn has one of these pawns ahead on its
// own file.
template <Colour C> struct PawnSide;
template <> struct PawnSide<White> {
    // For White's pawns the enemy (Black's) pawns stand ahead to the north,
    // so White's pawns below them on their files are the ones they block.
    static constexpr Bitboard BelowOnFile(Bitboard enemy) {
        Bitboard b = enemy >> 8;
        b |= b >> 8;
        b |= b >> 16;
        b |= b >> 32;
        return b;
    }
    static constexpr uint8_t TableSquare(uint8_t s) { return s; }
};
template <> struct PawnSide<Black> {
    static constexpr Bitboard BelowOnFile(Bitboard enemy) {
        Bitboard b = enemy << 8;
        b |= b << 8;
        b |= b << 16;
        b |= b << 32;
        return b;
    }
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

// The colour's own pawn score (positive is good for that colour). The
// free-file tests run on all pawns at once: `blocked` holds the squares
// that have an enemy pawn ahead on their own file, and a pawn's
// neighbouring file is free when the square beside it is not blocked.
template <Colour C>
int32_t PawnScore(const Position& p, bool endgame) {
    const Bitboard pawns = Pieces<C>(p)[PAWN];
    const Bitboard blocked = PawnSide<C>::BelowOnFile(Pieces<Opponent<C>>(p)[PAWN]);
    // An enemy pawn ahead on the own file rules out every bonus, whatever
    // the neighbouring files hold.
    const Bitboard free_file = pawns & ~blocked;
    const Bitboard free_east = free_file & ~file_h & ~(blocked >> 1);
    const Bitboard free_west = free_file & ~file_a & ~(blocked << 1);
    int32_t score = free_file_bonus * std::popcount(free_file) +
                    free_neighbour_bonus * (std::popcount(free_east) + std::popcount(free_west));

    const int8_t* table = endgame ? pawn_table_end.data() : pawn_table_middle.data();
    ForEachSquare(pawns, [&](uint8_t s) { score += table[PawnSide<C>::TableSquare(s)]; });
    if (endgame) {
        // Passed: free on both sides, the board's edge counting as one.
        const Bitboard passed = (free_east | (free_file & file_h)) & (free_west | (free_file & file_a));
        ForEachSquare(passed, [&](uint8_t s) { score += passed_pawn_bonus[PawnSide<C>::TableSquare(s)]; });
    }
    return score - doubled_pawn_penalty * DoubledFiles(pawns);
}

// The pawn term depends on nothing but the two pawn sets and the two
// sides' phases, and the same structures come back again and again in a
// search, so recent results are kept in a small table. An entry is used
// only when all four match, so the term is exactly what it would be
// recomputed. (An entry never written holds no pawns and scores 0, which is
// right for a board without pawns.)
struct PawnCacheEntry {
    Bitboard white_pawns;
    Bitboard black_pawns;
    uint8_t phases;  // bit 0: White in its endgame form, bit 1: Black
    int32_t score;
};

constexpr size_t PAWN_CACHE_SIZE = 1 << 14;
PawnCacheEntry pawn_cache[PAWN_CACHE_SIZE];

size_t PawnCacheIndex(Bitboard white_pawns, Bitboard black_pawns, uint8_t phases) {
    const uint64_t h = (white_pawns * 0x9E3779B97F4A7C15ull) ^ (black_pawns * 0xC2B2AE3D27D4EB4Full) ^ phases;
    return static_cast<size_t>(h >> 50);
}

}  // namespace

void EvaluatePawns(const Position& p, int32_t& score, uint16_t non_pawn_white, uint16_t non_pawn_black) {
    const bool white_endgame = InEndgame<White>(non_pawn_white, non_pawn_black);
    const bool black_endgame = InEndgame<Black>(non_pawn_white, non_pawn_black);
    const Bitboard white_pawns = p.white_piece[PAWN], black_pawns = p.black_piece[PAWN];
    const uint8_t phases = static_cast<uint8_t>(white_endgame | black_endgame << 1);
    PawnCacheEntry& entry = pawn_cache[PawnCacheIndex(white_pawns, black_pawns, phases)];
    if (entry.white_pawns != white_pawns || entry.black_pawns != black_pawns ||
        entry.phases != phases) {
        entry = {white_pawns, black_pawns, phases,
                 PawnScore<White>(p, white_endgame) - PawnScore<Black>(p, black_endgame)};
    }
    score += entry.score;
}
